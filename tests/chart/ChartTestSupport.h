// Helpers of the chart tests: axes with an identity pixel mapping and a recorder of the GDI
// records a paint sends to an enhanced-metafile DC.
#pragma once

#include "chart/ChartCtrl.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartLineSerie.h"
#include "chart/ChartStandardAxis.h"
#include "framework/CDC.h"

#include <windows.h>

#include <string>
#include <vector>

// A horizontal axis over pixels 0..1000 with range 0..1000 (pixel x = value x) and a vertical
// axis from pixel 1000 (bottom) to 0 (top) over the same range (pixel y = 1000 - value y).
struct SIdentityAxes
{
    SIdentityAxes();
    CChartStandardAxis x;
    CChartStandardAxis y;
};

struct SEmfText
{
    POINT at;
    std::string text;
    UINT options;
    RECT clip;
};

// Paints onto an enhanced-metafile DC, then reads the GDI records back.
class CEmfRecording
{
public:
    // reference null: the screen.
    explicit CEmfRecording(HDC reference = nullptr);
    ~CEmfRecording();

    CDC* Dc() { return &m_dc; }
    // Ends the recording and parses its records; call once, after painting.
    void Finish();

    std::vector<DWORD> types;
    std::vector<std::vector<POINT>> polylines;
    std::vector<std::vector<POINT>> beziers;
    std::vector<COLORREF> penColors;      // of every pen created, in order
    std::vector<std::pair<UINT, UINT>> penStyles;  // style and width, in the same order
    std::vector<RECT> clipRects;          // IntersectClipRect rectangles
    int clipResets = 0;                   // SelectClipRgn(NULL)
    std::vector<SEmfText> texts;
    std::vector<std::pair<POINT, POINT>> lines;  // MoveToEx/LineTo pairs
    std::vector<LOGFONTA> fonts;
    SIZE windowExt = {0, 0};
    SIZE viewportExt = {0, 0};
    int mapMode = 0;

    size_t Count(DWORD type) const;

private:
    static int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM self);
    void Parse(const ENHMETARECORD* record);

    HDC m_hdc;
    CDC m_dc;
    HENHMETAFILE m_emf = nullptr;
    POINT m_current = {0, 0};
};

// A top-level window that hosts charts in window tests.
CWnd& TestHost();

// A chart window in the test host with numeric axes at Left (0..100) and Bottom (0..1000)
// and one line series, laid out once.
struct SWindowChart
{
    explicit SWindowChart(const RECT& rc = {0, 0, 1000, 600});
    CChartCtrl chart;
    CChartStandardAxis* left;
    CChartStandardAxis* bottom;
    CChartLineSerie* serie;
    void Load(const std::vector<double>& x, const std::vector<double>& y);
    void SetRange(CChartAxis* axis, double min, double max);
};
// Delivers the queued messages of this thread.
void PumpMessages();

// The graph page's axes placed in a chart: numeric Left -90..30 with a fixed step of 5, time
// Bottom over 2026-12-07 00:00..23:50 with a tick every 240 minutes labelled "%H:%M".
struct SGraphPageAxes
{
    explicit SGraphPageAxes(CChartCtrl& chart);
    CChartStandardAxis* left;
    CChartDateTimeAxis* bottom;
};

// The labels of an axis's tick walk, in order.
std::vector<std::string> TickLabels(const CChartAxis& axis);

// A memory DC compatible with the screen.
struct SMemoryDc
{
    SMemoryDc();
    ~SMemoryDc();
    CDC dc;
};
