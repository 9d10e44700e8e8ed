// Helpers of the axis tests: a series with fixed bounds, a recorder of the GDI records that a
// paint draws onto an enhanced metafile, and a white memory canvas whose pixels can be read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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

struct SRecordedLine {
    POINT from;
    POINT to;
    COLORREF color;  // colour of the pen selected when the line was drawn
};

struct SRecordedText {
    POINT at;
    std::string text;
    UINT options;
};

// Draws onto an enhanced-metafile DC (screen as reference) and reads the records back.
class CEmfRecorder {
public:
    CEmfRecorder();
    ~CEmfRecorder();
    CEmfRecorder(const CEmfRecorder&) = delete;
    CEmfRecorder& operator=(const CEmfRecorder&) = delete;

    CDC* DC() { return &m_dc; }
    // Closes the metafile and decodes its records; call once, after drawing.
    void Finish();

    std::vector<SRecordedLine> lines;
    std::vector<SRecordedText> texts;
    std::vector<RECT> clipRects;   // IntersectClipRect calls, in order
    int clipResets = 0;            // SelectClipRgn(NULL) calls
    std::vector<LOGPEN> pens;      // pens created, in order

    std::vector<SRecordedLine> LinesOfColor(COLORREF color) const;
    std::vector<std::string> TextStrings() const;

private:
    HDC m_hdc;
    CDC m_dc;
    HENHMETAFILE m_emf;
    static int CALLBACK OnRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM self);
    void Decode(const ENHMETARECORD* record);

    std::vector<COLORREF> m_penColorByIndex;
    COLORREF m_currentPen = 0;
    POINT m_current = {0, 0};
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
