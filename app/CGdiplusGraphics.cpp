// A GDI+ graphics object on a device context, through the flat interface.
#include "app/CGdiplusGraphics.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

CGdiplusGraphics::CGdiplusGraphics(HDC hdc)
{
    Check(GdipCreateFromHDC(hdc, &m_pGraphics));
    if (m_lastStatus != Ok)
        m_pGraphics = nullptr;
}

CGdiplusGraphics::~CGdiplusGraphics()
{
    if (m_pGraphics)
        GdipDeleteGraphics(m_pGraphics);
}

void CGdiplusGraphics::Check(GpStatus status)
{
    if (status != Ok)
    {
        m_lastStatus = status;
        ++m_nFailures;
    }
}

void CGdiplusGraphics::SetSmoothingAntiAlias()
{
    if (m_pGraphics)
        Check(GdipSetSmoothingMode(m_pGraphics, SmoothingModeAntiAlias));
}

void CGdiplusGraphics::SetPageUnit(GpUnit unit)
{
    if (m_pGraphics)
        Check(GdipSetPageUnit(m_pGraphics, unit));
}

void CGdiplusGraphics::SetPageScale(float scale)
{
    if (m_pGraphics)
        Check(GdipSetPageScale(m_pGraphics, scale));
}

GpPen* CGdiplusGraphics::CreatePen(ARGB color, float width)
{
    GpPen* pen = nullptr;
    Check(GdipCreatePen1(color, width, UnitWorld, &pen));
    return pen;
}

void CGdiplusGraphics::SetPenDashStyle(GpPen* pen, GpDashStyle style)
{
    if (pen)
        Check(GdipSetPenDashStyle(pen, style));
}

void CGdiplusGraphics::DeletePen(GpPen* pen)
{
    if (pen)
        Check(GdipDeletePen(pen));
}

void CGdiplusGraphics::DrawEllipse(GpPen* pen, int x, int y, int width, int height)
{
    if (m_pGraphics && pen)
        Check(GdipDrawEllipseI(m_pGraphics, pen, x, y, width, height));
}

void CGdiplusGraphics::DrawLine(GpPen* pen, int x1, int y1, int x2, int y2)
{
    if (m_pGraphics && pen)
        Check(GdipDrawLineI(m_pGraphics, pen, x1, y1, x2, y2));
}

void CGdiplusGraphics::DrawLines(GpPen* pen, const GpPoint* points, int count)
{
    if (m_pGraphics && pen && count >= 2)
        Check(GdipDrawLinesI(m_pGraphics, pen, points, count));
}
