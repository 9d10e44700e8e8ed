// A top-level test window holding the program's view, as the main frame would, with a log loaded
// straight from bytes.
#pragma once

#include "app/CTempDegreeContainer.h"
#include "framework/CDC.h"

#include <windows.h>

#include <string>

// Starts GDI+, the common controls and the program's two fonts once per process.
void EnsureViewPrerequisites();

// The log bytes of one header and the data records after it.
std::string LogHeader(int year, int month, int day, int hour, int minute, int interval);
std::string LogData(const char* temperature, int alarm1, int alarm2);

class ViewHost
{
public:
    explicit ViewHost(int width = 1000, int height = 700);
    ~ViewHost();
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    CTempDegreeContainer& View() { return *m_pView; }
    HWND Frame() const { return m_hFrame; }

    // Parses the bytes into the view's records as the File command would, and enables "Search".
    void Load(const std::string& bytes, int deviceKind = 1);
    void PickDate(int year, int month, int day);
    void ChooseWeek(bool week);
    void ClickSearch();
    void ClickAlarmOnly();
    void SelectTab(int index);
    void Resize(int width, int height);
    void Pump();

    int RowCount() const;
    std::string Cell(int row, int column) const;

private:
    HWND m_hFrame = nullptr;
    CTempDegreeContainer* m_pView = nullptr;
};

// A 32-bit DIB to draw a window's picture into, as its paint handler would onto the screen;
// independent of whatever else is on the (shared) screen.
class DibPixels
{
public:
    DibPixels(int width, int height);
    ~DibPixels();
    DibPixels(const DibPixels&) = delete;
    DibPixels& operator=(const DibPixels&) = delete;

    CDC& Dc() { return m_dc; }
    COLORREF At(int x, int y) const;
    int CountColour(COLORREF colour, const RECT& area) const;

private:
    int m_width;
    int m_height;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};
