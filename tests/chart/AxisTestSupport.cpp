// Test helpers for the axis tests: fixed-bounds series and memory canvas.
#include "AxisTestSupport.h"

CAxisTestSerie::CAxisTestSerie(double xMin, double xMax, double yMin, double yMax)
    : CChartSerie(nullptr), dXMin(xMin), dXMax(xMax), dYMin(yMin), dYMax(yMax)
{
}

bool CAxisTestSerie::XBounds(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dXMin;
    max = dXMax;
    return true;
}

bool CAxisTestSerie::YBounds(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dYMin;
    max = dYMax;
    return true;
}

bool CAxisTestSerie::XBoundsVisible(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dVisibleXMin;
    max = dVisibleXMax;
    return true;
}

bool CAxisTestSerie::YBoundsVisible(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dVisibleYMin;
    max = dVisibleYMax;
    return true;
}

CMemoryCanvas::CMemoryCanvas(int width, int height)
    : m_hdc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_oldBitmap(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_oldBitmap = ::SelectObject(m_hdc, m_bitmap);
    RECT all = {0, 0, width, height};
    ::FillRect(m_hdc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    m_dc.Attach(m_hdc);
}

CMemoryCanvas::~CMemoryCanvas()
{
    m_dc.Detach();
    ::SelectObject(m_hdc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hdc);
}

COLORREF CMemoryCanvas::Pixel(int x, int y) const
{
    return ::GetPixel(m_hdc, x, y);
}
