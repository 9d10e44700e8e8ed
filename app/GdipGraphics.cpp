// A GDI+ graphics object on a device context, through the flat interface.
#include "app/GdipGraphics.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

GdipGraphics::GdipGraphics(HDC hdc)
{
    Check(GdipCreateFromHDC(hdc, &m_pGraphics));
    if (m_lastStatus != Ok)
        m_pGraphics = nullptr;
}

GdipGraphics::~GdipGraphics()
{
    if (m_pGraphics)
        GdipDeleteGraphics(m_pGraphics);
}

void GdipGraphics::Check(GpStatus status)
{
    if (status != Ok)
    {
        m_lastStatus = status;
        ++m_nFailures;
    }
}

void GdipGraphics::SetSmoothingAntiAlias()
{
    if (m_pGraphics)
        Check(GdipSetSmoothingMode(m_pGraphics, SmoothingModeAntiAlias));
}

void GdipGraphics::SetPageUnit(GpUnit unit)
{
    if (m_pGraphics)
        Check(GdipSetPageUnit(m_pGraphics, unit));
}

void GdipGraphics::SetPageScale(float scale)
{
    if (m_pGraphics)
        Check(GdipSetPageScale(m_pGraphics, scale));
}

GpPen* GdipGraphics::CreatePen(ARGB color, float width)
{
    GpPen* pen = nullptr;
    Check(GdipCreatePen1(color, width, UnitWorld, &pen));
    return pen;
}

void GdipGraphics::SetPenDashStyle(GpPen* pen, GpDashStyle style)
{
    if (pen)
        Check(GdipSetPenDashStyle(pen, style));
}

void GdipGraphics::DeletePen(GpPen* pen)
{
    if (pen)
        Check(GdipDeletePen(pen));
}

void GdipGraphics::DrawEllipse(GpPen* pen, int x, int y, int width, int height)
{
    if (m_pGraphics && pen)
        Check(GdipDrawEllipseI(m_pGraphics, pen, x, y, width, height));
}

void GdipGraphics::DrawLine(GpPen* pen, int x1, int y1, int x2, int y2)
{
    if (m_pGraphics && pen)
        Check(GdipDrawLineI(m_pGraphics, pen, x1, y1, x2, y2));
}
