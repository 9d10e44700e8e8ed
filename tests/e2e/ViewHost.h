// A top-level test window holding the program's view, as the main frame would, with a log loaded
// straight from bytes.
#pragma once

#include "app/CTempDegreeContainer.h"

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

// Screen pixels of a window, taken from the screen after it has painted.
class WindowPixels
{
public:
    explicit WindowPixels(HWND hWnd);
    ~WindowPixels();
    WindowPixels(const WindowPixels&) = delete;
    WindowPixels& operator=(const WindowPixels&) = delete;

    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Pixels that are pure red (the trace) inside the given rectangle.
    int CountColour(COLORREF colour, const RECT& area) const;
    // Saves a 24-bit BMP, for screenshots.
    bool SaveBmp(const char* path) const;

private:
    int m_width = 0;
    int m_height = 0;
    HDC m_hdc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};
