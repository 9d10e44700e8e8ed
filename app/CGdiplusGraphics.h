// A GDI+ graphics object on a device context, through the flat interface. Every call's
// status is checked; a failure is kept as the last status and the drawing goes on.
#pragma once

#include <windows.h>

#include <gdiplus.h>

class CGdiplusGraphics
{
public:
    explicit CGdiplusGraphics(HDC hdc);
    ~CGdiplusGraphics();
    CGdiplusGraphics(const CGdiplusGraphics&) = delete;
    CGdiplusGraphics& operator=(const CGdiplusGraphics&) = delete;

    bool IsValid() const { return m_pGraphics != nullptr; }
    Gdiplus::GpStatus GetLastStatus() const { return m_lastStatus; }
    int GetFailureCount() const { return m_nFailures; }

    void SetSmoothingAntiAlias();
    void SetPageUnit(Gdiplus::GpUnit unit);
    void SetPageScale(float scale);

    // Pens are made in world units: Wine refuses pens measured in millimetres.
    Gdiplus::GpPen* CreatePen(Gdiplus::ARGB color, float width);
    void SetPenDashStyle(Gdiplus::GpPen* pen, Gdiplus::GpDashStyle style);
    void DeletePen(Gdiplus::GpPen* pen);

    void DrawEllipse(Gdiplus::GpPen* pen, int x, int y, int width, int height);
    void DrawLine(Gdiplus::GpPen* pen, int x1, int y1, int x2, int y2);
    void DrawLines(Gdiplus::GpPen* pen, const Gdiplus::GpPoint* points, int count);

private:
    void Check(Gdiplus::GpStatus status);

    Gdiplus::GpGraphics* m_pGraphics = nullptr;
    Gdiplus::GpStatus m_lastStatus = Gdiplus::Ok;
    int m_nFailures = 0;
};

// A pen that gives itself back when it goes out of scope.
class CGdiplusPen
{
public:
    CGdiplusPen(CGdiplusGraphics& graphics, Gdiplus::ARGB color, float width)
        : m_graphics(graphics), m_pPen(graphics.CreatePen(color, width))
    {
    }
    ~CGdiplusPen() { m_graphics.DeletePen(m_pPen); }
    CGdiplusPen(const CGdiplusPen&) = delete;
    CGdiplusPen& operator=(const CGdiplusPen&) = delete;

    Gdiplus::GpPen* Get() const { return m_pPen; }

private:
    CGdiplusGraphics& m_graphics;
    Gdiplus::GpPen* m_pPen;
};
