// Helpers of the axis tests: a series with fixed bounds and a white memory canvas whose pixels
// can be read.
#pragma once

#include <windows.h>

#include "chart/ChartFrameworkIncludes.h"
#include "chart/ChartSerie.h"

// Series that reports the bounds it is given; false (nothing written) when it has none.
class CAxisTestSerie : public CChartSerie {
public:
    CAxisTestSerie(double xMin, double xMax, double yMin, double yMax);

    unsigned PointCount() const override { return 0; }
    CPoint IndexToPixel(unsigned) const override { return CPoint(0, 0); }
    bool YBounds(double& min, double& max) const override;
    bool XBounds(double& min, double& max) const override;
    bool XBoundsVisible(double& min, double& max) const override;
    bool YBoundsVisible(double& min, double& max) const override;
    bool HitTest(const CPoint&, unsigned&) const override { return false; }
    bool VisibleIndexRange(unsigned&, unsigned&) const override { return false; }
    void PaintLegendKey(CDC*, const RECT&) override {}
    void PaintNewPoints(CDC*) override {}
    void PaintVisible(CDC*) override {}
    void PaintAnnotations(CDC*) override {}
    bool HandleMouse(ChartMouseEvent, const CPoint&) override { return false; }

    double dXMin, dXMax, dYMin, dYMax;
    bool bReports = true;
    double dVisibleXMin = 0.0, dVisibleXMax = 0.0, dVisibleYMin = 0.0, dVisibleYMax = 0.0;
};

// 32-bit white DIB selected into a memory DC.
class CMemoryCanvas {
public:
    CMemoryCanvas(int width, int height);
    ~CMemoryCanvas();
    CMemoryCanvas(const CMemoryCanvas&) = delete;
    CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const;
    bool IsWhite(int x, int y) const { return Pixel(x, y) == RGB(255, 255, 255); }

private:
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
    CDC m_dc;
};
