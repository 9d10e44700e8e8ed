// Mouse and scroll bars of a real chart window: zoom, reset, pan, scroll, hover-only bars
// and the routing of events to the mouse sink and the series.
#include "ChartTestSupport.h"

#include "chart/ChartScrollBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
void Send(CChartCtrl& chart, UINT msg, POINT p, WPARAM keys = 0)
{
    ::SendMessageA(chart.GetSafeHwnd(), msg, keys, MAKELPARAM(p.x, p.y));
}

void LeftDrag(CChartCtrl& chart, POINT from, POINT to)
{
    Send(chart, WM_LBUTTONDOWN, from, MK_LBUTTON);
    Send(chart, WM_MOUSEMOVE, to, MK_LBUTTON);
    Send(chart, WM_LBUTTONUP, to);
}

void Scroll(CChartCtrl& chart, CChartAxis* axis, UINT msg, int code, int thumb = 0)
{
    ::SendMessageA(chart.GetSafeHwnd(), msg, MAKEWPARAM(code, thumb),
                   reinterpret_cast<LPARAM>(axis->pAxisScrollBar->GetSafeHwnd()));
}

struct SRange
{
    double min, max;
};

struct SPartsSink : CChartMouseSink
{
    std::vector<std::string> calls;
    void OnTitleMouse(ChartMouseEvent, int, int) override { calls.push_back("title"); }
    void OnAxisMouse(ChartMouseEvent, int, int, CChartAxis* axis) override
    {
        calls.push_back(axis->bHorizontal ? "bottom" : "left");
    }
    void OnLegendMouse(ChartMouseEvent, int, int) override { calls.push_back("legend"); }
    void OnPlotMouse(ChartMouseEvent kind, int, int) override
    {
        calls.push_back("plot" + std::to_string(static_cast<int>(kind)));
    }
};

struct SSeriesSink : CChartSeriesMouseSink
{
    std::vector<unsigned> ids;
    std::vector<ChartMouseEvent> kinds;
    void OnSeriesMouse(ChartMouseEvent ev, CPoint, CChartSerie* series, unsigned) override
    {
        ids.push_back(series->nSeriesId);
        kinds.push_back(ev);
    }
};
}

TEST(ChartMouse, DragRightAndDownZoomsEveryAxisToTheBox)
{
    SWindowChart w;
    const RECT plot = w.chart.rcPlot;
    const POINT from = {plot.left + 100, plot.top + 50};
    const POINT to = {plot.left + 300, plot.top + 200};
    const SRange x = {w.bottom->PixelToValue(from.x), w.bottom->PixelToValue(to.x)};
    const SRange y = {w.left->PixelToValue(to.y), w.left->PixelToValue(from.y)};
    LeftDrag(w.chart, from, to);
    EXPECT_DOUBLE_EQ(x.min, w.bottom->dMin);
    EXPECT_DOUBLE_EQ(x.max, w.bottom->dMax);
    EXPECT_DOUBLE_EQ(y.min, w.left->dMin);
    EXPECT_DOUBLE_EQ(y.max, w.left->dMax);
    EXPECT_EQ(0, w.bottom->dHomeMin);
    EXPECT_EQ(1000, w.bottom->dHomeMax);
    EXPECT_FALSE(w.chart.bZooming);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(ChartMouse, InvertedAxisZoomsWithItsLowerValueFirst)
{
    SWindowChart w;
    w.bottom->bInverted = true;
    w.chart.Redraw();
    const RECT plot = w.chart.rcPlot;
    const POINT from = {plot.left + 100, plot.top + 50};
    const POINT to = {plot.left + 300, plot.top + 200};
    const double a = w.bottom->PixelToValue(from.x);
    const double b = w.bottom->PixelToValue(to.x);
    LeftDrag(w.chart, from, to);
    EXPECT_DOUBLE_EQ(b, w.bottom->dMin);
    EXPECT_DOUBLE_EQ(a, w.bottom->dMax);
}

TEST(ChartMouse, DragUpOrLeftByOnePixelRestoresEveryHomeRange)
{
    const POINT ends[] = {{-1, 0}, {0, -1}, {-40, 30}};
    for (POINT delta : ends)
    {
        SWindowChart w;
        const RECT plot = w.chart.rcPlot;
        LeftDrag(w.chart, {plot.left + 100, plot.top + 50}, {plot.left + 300, plot.top + 200});
        ASSERT_NE(0, w.bottom->dMin);
        const unsigned before = w.chart.RenderCount();
        const POINT from = {plot.left + 200, plot.top + 100};
        LeftDrag(w.chart, from, {from.x + delta.x, from.y + delta.y});
        EXPECT_EQ(0, w.bottom->dMin);
        EXPECT_EQ(1000, w.bottom->dMax);
        EXPECT_EQ(0, w.left->dMin);
        EXPECT_EQ(100, w.left->dMax);
        EXPECT_EQ(before + 1, w.chart.RenderCount());
    }
}

TEST(ChartMouse, PlainClickNeitherZoomsNorLaysTheChartOutAgain)
{
    SWindowChart w;
    const RECT plot = w.chart.rcPlot;
    const unsigned before = w.chart.RenderCount();
    const POINT p = {plot.left + 100, plot.top + 100};
    Send(w.chart, WM_LBUTTONDOWN, p, MK_LBUTTON);
    Send(w.chart, WM_LBUTTONUP, p);
    LeftDrag(w.chart, p, {p.x + 50, p.y});  // zero height: ignored too
    EXPECT_EQ(before, w.chart.RenderCount());
    EXPECT_EQ(0, w.bottom->dMin);
    EXPECT_EQ(1000, w.bottom->dMax);
}

TEST(ChartMouse, ZoomBoxFeedbackOnlyInvalidates)
{
    SWindowChart w;
    const RECT plot = w.chart.rcPlot;
    const unsigned before = w.chart.RenderCount();
    Send(w.chart, WM_LBUTTONDOWN, {plot.left + 10, plot.top + 10}, MK_LBUTTON);
    Send(w.chart, WM_MOUSEMOVE, {plot.left + 60, plot.top + 40}, MK_LBUTTON);
    EXPECT_TRUE(w.chart.bZooming);
    EXPECT_EQ(plot.left + 60, w.chart.rcZoom.right);
    EXPECT_EQ(plot.top + 40, w.chart.rcZoom.bottom);
    ::UpdateWindow(w.chart.GetSafeHwnd());
    EXPECT_EQ(before, w.chart.RenderCount());
    Send(w.chart, WM_LBUTTONUP, {plot.left + 60, plot.top + 40});
}

TEST(ChartMouse, DisallowedZoomStartsNoBox)
{
    SWindowChart w;
    w.chart.bZoomAllowed = false;
    const RECT plot = w.chart.rcPlot;
    LeftDrag(w.chart, {plot.left + 10, plot.top + 10}, {plot.left + 200, plot.top + 200});
    EXPECT_EQ(0, w.bottom->dMin);
    EXPECT_EQ(1000, w.bottom->dMax);
}

TEST(ChartMouse, RightDragPansEveryAxis)
{
    SWindowChart w;
    const RECT plot = w.chart.rcPlot;
    const POINT from = {plot.left + 200, plot.top + 100};
    const POINT to = {plot.left + 300, plot.top + 150};
    const double dx = w.bottom->PixelToValue(from.x) - w.bottom->PixelToValue(to.x);
    const double dy = w.left->PixelToValue(from.y) - w.left->PixelToValue(to.y);
    Send(w.chart, WM_RBUTTONDOWN, from, MK_RBUTTON);
    EXPECT_TRUE(w.chart.bPanning);
    EXPECT_EQ(w.chart.GetSafeHwnd(), ::GetCapture());
    const unsigned before = w.chart.RenderCount();
    Send(w.chart, WM_MOUSEMOVE, to, MK_RBUTTON);
    EXPECT_EQ(before + 1, w.chart.RenderCount());
    Send(w.chart, WM_RBUTTONUP, to);
    EXPECT_FALSE(w.chart.bPanning);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_DOUBLE_EQ(0 + dx, w.bottom->dMin);
    EXPECT_DOUBLE_EQ(1000 + dx, w.bottom->dMax);
    EXPECT_LT(dx, 0);  // content dragged right shows lower values
    EXPECT_DOUBLE_EQ(0 + dy, w.left->dMin);
    EXPECT_DOUBLE_EQ(100 + dy, w.left->dMax);
}

TEST(ChartMouse, DisallowedPanMovesNothingButFollowsTheButton)
{
    SWindowChart w;
    w.chart.bPanAllowed = false;
    const RECT plot = w.chart.rcPlot;
    Send(w.chart, WM_RBUTTONDOWN, {plot.left + 200, plot.top + 100}, MK_RBUTTON);
    EXPECT_TRUE(w.chart.bPanning);
    Send(w.chart, WM_MOUSEMOVE, {plot.left + 300, plot.top + 150}, MK_RBUTTON);
    Send(w.chart, WM_RBUTTONUP, {plot.left + 300, plot.top + 150});
    EXPECT_FALSE(w.chart.bPanning);
    EXPECT_EQ(0, w.bottom->dMin);
    EXPECT_EQ(100, w.left->dMax);
}

TEST(ChartMouse, LosingTheCaptureEndsTheDrag)
{
    enum class Loss { Released, TakenByAnotherWindow };
    for (Loss loss : {Loss::Released, Loss::TakenByAnotherWindow})
    {
        const auto takeCapture = [loss] {
            if (loss == Loss::Released)
                ::ReleaseCapture();
            else
                ::SetCapture(TestHost().GetSafeHwnd());
        };
        SWindowChart w;
        w.chart.crZoomRect = RGB(255, 0, 0);
        const RECT plot = w.chart.rcPlot;
        const POINT from = {plot.left + 100, plot.top + 50};
        const POINT to = {plot.left + 300, plot.top + 200};
        Send(w.chart, WM_LBUTTONDOWN, from, MK_LBUTTON);
        Send(w.chart, WM_MOUSEMOVE, to, MK_LBUTTON);
        ::UpdateWindow(w.chart.GetSafeHwnd());
        HDC dc = ::GetDC(w.chart.GetSafeHwnd());
        ASSERT_EQ(RGB(255, 0, 0), ::GetPixel(dc, from.x + 50, to.y) & 0xFFFFFF);
        takeCapture();
        ::UpdateWindow(w.chart.GetSafeHwnd());
        EXPECT_EQ(::GetPixel(w.chart.dcBuffer.GetSafeHdc(), from.x + 50, to.y) & 0xFFFFFF,
                  ::GetPixel(dc, from.x + 50, to.y) & 0xFFFFFF)
            << "the box is erased";
        ::ReleaseDC(w.chart.GetSafeHwnd(), dc);
        const unsigned before = w.chart.RenderCount();
        Send(w.chart, WM_MOUSEMOVE, {to.x + 50, to.y + 50}, MK_LBUTTON);
        EXPECT_EQ(to.x, w.chart.rcZoom.right);
        Send(w.chart, WM_LBUTTONUP, {to.x + 50, to.y + 50});
        EXPECT_EQ(before, w.chart.RenderCount());
        EXPECT_EQ(0, w.bottom->dMin);
        EXPECT_EQ(1000, w.bottom->dMax);
        EXPECT_EQ(0, w.left->dMin);
        EXPECT_EQ(100, w.left->dMax);

        Send(w.chart, WM_RBUTTONDOWN, from, MK_RBUTTON);
        takeCapture();
        EXPECT_FALSE(w.chart.bPanning);
        Send(w.chart, WM_MOUSEMOVE, to, MK_RBUTTON);
        EXPECT_EQ(0, w.bottom->dMin);
        EXPECT_EQ(100, w.left->dMax);
        ::ReleaseCapture();
    }
}

TEST(ChartMouse, DoubleClickStartsNoZoomAndReachesTheSeries)
{
    SWindowChart w;
    w.Load({0, 1000}, {50, 50});
    SSeriesSink sink;
    w.serie->pMouseSink = &sink;
    const POINT onLine = w.serie->IndexToPixel(0) + CSize(300, 0);
    Send(w.chart, WM_LBUTTONDBLCLK, onLine, MK_LBUTTON);
    EXPECT_FALSE(w.chart.bZooming);
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_EQ(1u, sink.kinds.size());
    EXPECT_EQ(ChartMouseEvent::LeftDouble, sink.kinds[0]);
    Send(w.chart, WM_RBUTTONDBLCLK, onLine);
    ASSERT_EQ(2u, sink.kinds.size());
    EXPECT_EQ(ChartMouseEvent::RightDouble, sink.kinds[1]);
}

TEST(ChartMouse, TopmostSeriesGetsTheEventFirstAndStopsTheRouting)
{
    SWindowChart w;
    w.Load({0, 1000}, {50, 50});
    CChartLineSerie* upper = new CChartLineSerie(&w.chart);
    w.chart.InsertSeries(upper);
    const double x[] = {0, 1000};
    const double y[] = {50, 50};
    upper->ReplacePoints(x, y, 2);
    SSeriesSink sink;
    w.serie->pMouseSink = &sink;
    upper->pMouseSink = &sink;
    const POINT onLine = w.serie->IndexToPixel(0) + CSize(300, 0);
    Send(w.chart, WM_LBUTTONDOWN, onLine, MK_LBUTTON);
    Send(w.chart, WM_LBUTTONUP, onLine);
    ASSERT_EQ(2u, sink.ids.size());
    EXPECT_EQ(upper->nSeriesId, sink.ids[0]);
    EXPECT_EQ(upper->nSeriesId, sink.ids[1]);
    upper->bNotifyClicks = false;  // declines: the next series is asked
    Send(w.chart, WM_LBUTTONDOWN, onLine, MK_LBUTTON);
    Send(w.chart, WM_LBUTTONUP, onLine);
    EXPECT_EQ(w.serie->nSeriesId, sink.ids.back());
}

TEST(ChartMouse, SinkHearsOfEveryPartUnderThePoint)
{
    SWindowChart w;
    SPartsSink sink;
    w.chart.pMouseSink = &sink;
    const RECT plot = w.chart.rcPlot;
    Send(w.chart, WM_MOUSEMOVE, {plot.left + 10, plot.top + 10});
    EXPECT_EQ((std::vector<std::string>{"plot0"}), sink.calls);
    sink.calls.clear();
    Send(w.chart, WM_MOUSEMOVE, {plot.left - 2, plot.bottom + 2});  // in both axes' areas
    EXPECT_EQ((std::vector<std::string>{"left", "bottom"}), sink.calls);
    sink.calls.clear();
    Send(w.chart, WM_RBUTTONDOWN, {plot.left + 10, plot.top + 10});
    Send(w.chart, WM_RBUTTONUP, {plot.left + 10, plot.top + 10});
    EXPECT_EQ((std::vector<std::string>{"plot5", "plot4"}), sink.calls);
}

namespace
{
// Bottom axis 0..6 over series bounds 0..24: 40 scroll steps of 0.6, page 10.
struct SScrollChart : SWindowChart
{
    SScrollChart()
    {
        Load({0, 24}, {0, 400});
        SetRange(bottom, 0, 6);
        SetRange(left, 0, 100);
    }
};
}

TEST(ChartMouse, HorizontalScrollCodesMoveTheRangeInTenths)
{
    struct
    {
        double startMin;
        int code;
        int thumb;
        double min;
    } cases[] = {
        {0, SB_LINERIGHT, 0, 0.6},
        {0, SB_PAGERIGHT, 0, 6},
        {0, SB_RIGHT, 0, 18},
        {0, SB_THUMBTRACK, 5, 3},
        {0, SB_THUMBPOSITION, 12, 7.2},
        {0, SB_LINELEFT, 0, 0},
        {0, SB_ENDSCROLL, 0, 0},
        {12, SB_PAGELEFT, 0, 6},
        {12, SB_LEFT, 0, 0},
        {17, SB_PAGERIGHT, 0, 18.2},  // position 28 stops at 30, the last whole page
        {18, SB_LINERIGHT, 0, 18},
    };
    for (const auto& c : cases)
    {
        SScrollChart w;
        w.SetRange(w.bottom, c.startMin, c.startMin + 6);
        Scroll(w.chart, w.bottom, WM_HSCROLL, c.code, c.thumb);
        EXPECT_NEAR(c.min, w.bottom->dMin, 1e-9) << "code " << c.code << " from " << c.startMin;
        EXPECT_NEAR(c.min + 6, w.bottom->dMax, 1e-9) << "code " << c.code << " from " << c.startMin;
    }
}

TEST(ChartMouse, PlainVerticalAxisScrollsReversed)
{
    // Left 0..100 over bounds 0..400: 40 steps; the bar runs against the values, so position 0
    // shows as 40 - 10 - 0 = 30, its last whole page.
    SScrollChart w;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(w.left->pAxisScrollBar->GetSafeHwnd(), SB_CTL, &info);
    EXPECT_EQ(39, info.nMax);
    EXPECT_EQ(10u, info.nPage);
    EXPECT_EQ(30, info.nPos);
    Scroll(w.chart, w.left, WM_VSCROLL, SB_LINEUP);
    EXPECT_NEAR(10, w.left->dMin, 1e-9);
    EXPECT_NEAR(110, w.left->dMax, 1e-9);
}

TEST(ChartMouse, InvertedHorizontalAxisScrollsReversed)
{
    SScrollChart w;
    w.bottom->bInverted = true;
    w.SetRange(w.bottom, 12, 18);  // position 20: bar position 40 - 10 - 20 = 10
    Scroll(w.chart, w.bottom, WM_HSCROLL, SB_LINERIGHT);
    EXPECT_NEAR(11.4, w.bottom->dMin, 1e-9);
}

TEST(ChartMouse, ScrollFromAnotherBarOnlyRedraws)
{
    SScrollChart w;
    HWND other = ::CreateWindowA("SCROLLBAR", "", WS_CHILD | SBS_HORZ, 0, 0, 100, 10, w.chart.GetSafeHwnd(),
                                 nullptr, nullptr, nullptr);
    const unsigned before = w.chart.RenderCount();
    ::SendMessageA(w.chart.GetSafeHwnd(), WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(0, w.bottom->dMin);
    EXPECT_EQ(before + 1, w.chart.RenderCount());
    ::DestroyWindow(other);
}

TEST(ChartMouse, HoverOnlyBarShowsOnlyUnderTheCursor)
{
    SScrollChart w;
    CChartScrollBar* bar = w.bottom->pAxisScrollBar;
    HWND hwnd = bar->GetSafeHwnd();
    bar->bActive = true;
    ::ShowWindow(hwnd, SW_SHOW);
    RECT barRect;
    ::GetWindowRect(hwnd, &barRect);
    ::MapWindowPoints(nullptr, w.chart.GetSafeHwnd(), reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(w.chart.rcPlot.left + 1, barRect.left);
    EXPECT_EQ(w.chart.rcPlot.bottom, barRect.bottom);

    const POINT away = {w.chart.rcPlot.left + 50, w.chart.rcPlot.top + 20};
    const POINT over = {barRect.left + 30, barRect.bottom - 2};
    Send(w.chart, WM_MOUSEMOVE, away);
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    Send(w.chart, WM_MOUSEMOVE, over);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    Send(w.chart, WM_MOUSEMOVE, away);
    EXPECT_FALSE(::IsWindowVisible(hwnd));

    bar->bActive = false;  // an inactive bar is never shown by hovering
    Send(w.chart, WM_MOUSEMOVE, over);
    EXPECT_FALSE(::IsWindowVisible(hwnd));
}

TEST(ChartMouse, InvertedVerticalAxisScrollsWithItsBar)
{
    SScrollChart w;
    w.left->bInverted = true;
    w.SetRange(w.left, 100, 200);  // position 10
    Scroll(w.chart, w.left, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_NEAR(110, w.left->dMin, 1e-9);
    EXPECT_NEAR(210, w.left->dMax, 1e-9);
}

TEST(ChartMouse, WhiteZoomBoxShowsOnlyWhereItCrossesDrawnContent)
{
    SWindowChart w;
    const RECT plot = w.chart.rcPlot;
    const POINT from = {plot.left - 20, plot.top + 40};  // the box crosses the black plot border
    const POINT to = {plot.left + 80, plot.top + 90};
    Send(w.chart, WM_LBUTTONDOWN, from, MK_LBUTTON);
    Send(w.chart, WM_MOUSEMOVE, to, MK_LBUTTON);
    ::UpdateWindow(w.chart.GetSafeHwnd());
    HDC dc = ::GetDC(w.chart.GetSafeHwnd());
    const COLORREF onBorder = ::GetPixel(dc, plot.left, to.y) & 0xFFFFFF;
    const COLORREF besideBox = ::GetPixel(dc, plot.left, to.y + 1) & 0xFFFFFF;
    const COLORREF inWhite = ::GetPixel(dc, plot.left + 40, to.y) & 0xFFFFFF;
    ::ReleaseDC(w.chart.GetSafeHwnd(), dc);
    // The box is drawn on the screen only, never into the picture.
    EXPECT_EQ(0u, ::GetPixel(w.chart.dcBuffer.GetSafeHdc(), plot.left, to.y) & 0xFFFFFF);
    Send(w.chart, WM_LBUTTONUP, to);
    EXPECT_EQ(0xFFFFFFu, onBorder);  // the box's bottom edge covers the border
    EXPECT_EQ(0u, besideBox);        // the border itself, just below the box
    EXPECT_EQ(0xFFFFFFu, inWhite);
}

namespace
{
struct SRecordingOverlay : CChartOverlay
{
    std::vector<std::string>* log;
    explicit SRecordingOverlay(std::vector<std::string>* l) : log(l) {}
    ~SRecordingOverlay() override { log->push_back("deleted"); }
    void OnMouseMove(int, int) override { log->push_back("move"); }
    void OnLButtonDown(int, int) override { log->push_back("down"); }
    void OnLButtonUp(int, int) override { log->push_back("up"); }
    void Paint(CDC* dc) override
    {
        log->push_back("paint");
        ::SetPixel(dc->GetSafeHdc(), 5, 5, RGB(255, 0, 0));
    }
};
}

TEST(ChartMouse, OverlaysHearThePlotsMouseAndPaintOverThePicture)
{
    std::vector<std::string> log;
    {
        SWindowChart w;
        w.chart.mapOverlays[1] = new SRecordingOverlay(&log);
        const RECT plot = w.chart.rcPlot;
        Send(w.chart, WM_MOUSEMOVE, {plot.left - 2, plot.top + 10});  // outside the plot
        Send(w.chart, WM_MOUSEMOVE, {plot.left + 10, plot.top + 10});
        Send(w.chart, WM_LBUTTONDOWN, {plot.left + 10, plot.top + 10}, MK_LBUTTON);
        Send(w.chart, WM_LBUTTONUP, {plot.left + 10, plot.top + 10});
        log.push_back("|");
        ::InvalidateRect(w.chart.GetSafeHwnd(), nullptr, FALSE);
        ::UpdateWindow(w.chart.GetSafeHwnd());
        HDC dc = ::GetDC(w.chart.GetSafeHwnd());
        EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(dc, 5, 5) & 0xFFFFFF);
        ::ReleaseDC(w.chart.GetSafeHwnd(), dc);
    }
    EXPECT_EQ((std::vector<std::string>{"move", "down", "up", "|", "paint", "deleted"}), log);
}
