// Chart window: insertion, palette, redraw batching, off-screen buffer and layout.
#include "ChartTestSupport.h"

#include "chart/ChartAxisLabel.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartGrid.h"
#include "chart/ChartLegend.h"
#include "chart/ChartScrollBar.h"
#include "chart/ChartTitle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
SIZE BufferSize(CChartCtrl& chart)
{
    BITMAP bm = {};
    HGDIOBJ bmp = ::GetCurrentObject(chart.dcBuffer.GetSafeHdc(), OBJ_BITMAP);
    ::GetObjectA(bmp, sizeof(bm), &bm);
    return {bm.bmWidth, bm.bmHeight};
}

struct SCountedAxis : CChartStandardAxis
{
    int* deaths;
    std::string* order = nullptr;  // 'A' appended at each axis deletion
    explicit SCountedAxis(int* d) : deaths(d) {}
    ~SCountedAxis() override
    {
        ++*deaths;
        if (order)
            *order += 'A';
    }
};

struct SOrderedSerie : CChartLineSerie
{
    std::string* order;  // 'S' appended at each series deletion
    SOrderedSerie(CChartCtrl* chart, std::string* o) : CChartLineSerie(chart), order(o) {}
    ~SOrderedSerie() override
    {
        // Axes already deleted: the test reports the order instead of unlinking from freed memory.
        if (order->find('A') != std::string::npos)
            pXAxis = pYAxis = nullptr;
        *order += 'S';
    }
};

// Swallows WM_SIZE, so that a window changes size without its handler hearing of it.
WNDPROC g_sizeBlindProc = nullptr;
LRESULT CALLBACK SizeBlindProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE)
        return 0;
    return ::CallWindowProcA(g_sizeBlindProc, hwnd, msg, wParam, lParam);
}
}

TEST(ChartCtrl, PaletteColoursSeriesInInsertionOrderAndWrapsAfterTen)
{
    CChartCtrl chart;
    chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Left);
    chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Bottom);
    const COLORREF expected[] = {0x0000FF, 0x009600, 0xFF0000, 0x00FFFF, 0xFFFF00, 0x0080FF,
                                 0x800080, 0x008080, 0xFF00FF, 0x808040, 0x0000FF};
    for (COLORREF colour : expected)
    {
        CChartLineSerie* serie = new CChartLineSerie(&chart);
        chart.InsertSeries(serie);
        EXPECT_EQ(colour, serie->crSeries);
        EXPECT_EQ(chart.Axis(ChartAxisSide::Bottom), serie->pXAxis);
        EXPECT_EQ(chart.Axis(ChartAxisSide::Left), serie->pYAxis);
    }
    EXPECT_EQ(11u, chart.Axis(ChartAxisSide::Left)->lstLinkedSeries.size());
}

TEST(ChartCtrl, InsertingNoSeriesChangesNothing)
{
    CChartCtrl chart;
    chart.InsertSeries(nullptr);
    EXPECT_TRUE(chart.mapSeriesById.empty());
}

TEST(ChartCtrl, SeriesWalkFollowsAscendingIds)
{
    CChartCtrl chart;
    CChartLineSerie* a = new CChartLineSerie(&chart);
    CChartLineSerie* b = new CChartLineSerie(&chart);
    chart.InsertSeries(b);
    chart.InsertSeries(a);
    EXPECT_EQ(a, chart.RewindSeries());
    EXPECT_EQ(a, chart.NextSeries());
    EXPECT_EQ(b, chart.NextSeries());
    EXPECT_EQ(nullptr, chart.NextSeries());
    EXPECT_EQ(nullptr, chart.NextSeries());
}

TEST(ChartCtrl, PlaceAxisSetsDirectionAndReplacesTheEarlierAxis)
{
    int deaths = 0;
    SWindowChart w;
    SCountedAxis* first = new SCountedAxis(&deaths);
    w.chart.PlaceAxis(first, ChartAxisSide::Right);
    EXPECT_FALSE(first->bHorizontal);
    EXPECT_TRUE(first->bSecondary);
    EXPECT_FALSE(first->pGrid->bHorizontal);
    EXPECT_TRUE(first->pLabel->style.bRotated90);
    EXPECT_TRUE(first->pLabel->style.bFontStale);
    EXPECT_EQ(&w.chart, first->pCtrl);
    EXPECT_EQ(&w.chart, first->pGrid->pCtrl);
    EXPECT_EQ(&w.chart, first->pLabel->pCtrl);
    w.chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Right);
    EXPECT_EQ(1, deaths);
    w.chart.PlaceAxis(w.left, ChartAxisSide::Left);  // the same axis again: kept, with a new bar
    EXPECT_EQ(w.left, w.chart.Axis(ChartAxisSide::Left));
    EXPECT_NE(nullptr, w.left->pAxisScrollBar->GetSafeHwnd());
    CChartStandardAxis* top = new CChartStandardAxis();
    w.chart.PlaceAxis(top, ChartAxisSide::Top);
    EXPECT_TRUE(top->bHorizontal);
    EXPECT_TRUE(top->bSecondary);
    EXPECT_TRUE(top->pGrid->bHorizontal);
    EXPECT_FALSE(top->pLabel->style.bRotated90);
    EXPECT_EQ(SBS_HORZ | SBS_TOPALIGN, ::GetWindowLongA(top->pAxisScrollBar->GetSafeHwnd(), GWL_STYLE) & 0xFF);
    EXPECT_TRUE(w.bottom->bHorizontal);
    EXPECT_FALSE(w.bottom->pLabel->style.bRotated90);
    EXPECT_FALSE(w.left->bHorizontal);
    EXPECT_FALSE(w.left->bSecondary);
}

TEST(ChartCtrl, PlacedAxisGetsAHiddenInactiveHoverOnlyScrollBar)
{
    SWindowChart w;
    CChartScrollBar* bar = w.bottom->pAxisScrollBar;
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(w.bottom, bar->pAxis);
    EXPECT_FALSE(bar->bActive);
    EXPECT_TRUE(bar->bHoverOnly);
    HWND hwnd = bar->GetSafeHwnd();
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(w.chart.GetSafeHwnd(), ::GetParent(hwnd));
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    EXPECT_EQ(100, ::GetDlgCtrlID(hwnd));
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(SBS_HORZ | SBS_BOTTOMALIGN, style & 0xFF);
    EXPECT_EQ(SBS_VERT | SBS_LEFTALIGN, ::GetWindowLongA(w.left->pAxisScrollBar->GetSafeHwnd(), GWL_STYLE) & 0xFF);
}

TEST(ChartCtrl, RedrawWhileSuspendedIsBatchedIntoOne)
{
    SWindowChart w;
    const unsigned before = w.chart.RenderCount();
    w.chart.SuspendRedraw();
    w.chart.SuspendRedraw();
    w.chart.Redraw();
    w.chart.Redraw();
    EXPECT_EQ(before, w.chart.RenderCount());
    EXPECT_TRUE(w.chart.bRedrawPending);
    w.chart.ResumeRedraw();
    EXPECT_EQ(before, w.chart.RenderCount());  // still suspended once
    w.chart.ResumeRedraw();
    EXPECT_EQ(before + 1, w.chart.RenderCount());
    EXPECT_FALSE(w.chart.bRedrawPending);
    EXPECT_EQ(1, w.chart.nRedrawEnable);
    w.chart.SuspendRedraw();
    w.chart.ResumeRedraw();  // nothing pending
    EXPECT_EQ(before + 1, w.chart.RenderCount());
}

TEST(ChartCtrl, InsertingASeriesRedrawsOnceBeforeAndOnceAfterLinkingIt)
{
    SWindowChart w;
    const unsigned before = w.chart.RenderCount();
    w.chart.InsertSeries(new CChartLineSerie(&w.chart));
    EXPECT_EQ(before + 2, w.chart.RenderCount());
    EXPECT_EQ(1, w.chart.nRedrawEnable);
}

TEST(ChartCtrl, LoadingPointsRefitsAndRedrawsOnce)
{
    SWindowChart w;
    w.left->eRangeMode = ChartRangeMode::AllPoints;
    w.bottom->eRangeMode = ChartRangeMode::AllPoints;
    const unsigned before = w.chart.RenderCount();
    w.Load({1, 2, 3}, {10, 30, 20});
    EXPECT_EQ(before + 1, w.chart.RenderCount());
    EXPECT_EQ(1, w.bottom->dMin);
    EXPECT_EQ(3, w.bottom->dMax);
    EXPECT_EQ(10, w.left->dMin);
    EXPECT_EQ(30, w.left->dMax);
}

TEST(ChartCtrl, RedrawBeforeTheWindowIsLostButTheFirstPaintDraws)
{
    CChartCtrl chart;
    chart.Redraw();
    EXPECT_FALSE(chart.bRedrawPending);
    EXPECT_EQ(0u, chart.RenderCount());
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &TestHost(), 100);
    const unsigned created = chart.RenderCount();  // the WM_SIZE of the creation draws too
    ::UpdateWindow(chart.GetSafeHwnd());
    EXPECT_TRUE(chart.bPaintedOnce);
    EXPECT_EQ(created + 1, chart.RenderCount());
    ::InvalidateRect(chart.GetSafeHwnd(), nullptr, FALSE);
    ::UpdateWindow(chart.GetSafeHwnd());
    EXPECT_EQ(created + 1, chart.RenderCount());  // later paints only copy the picture
}

TEST(ChartCtrl, ResizeBuildsABufferOfTheNewSize)
{
    SWindowChart w(CRect(0, 0, 400, 300));
    EXPECT_EQ(400, BufferSize(w.chart).cx);
    ::MoveWindow(w.chart.GetSafeHwnd(), 0, 0, 500, 350, TRUE);
    EXPECT_EQ(500, BufferSize(w.chart).cx);
    EXPECT_EQ(350, BufferSize(w.chart).cy);
    ::SetWindowPos(w.chart.GetSafeHwnd(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOSENDCHANGING);
    w.chart.Redraw();
    EXPECT_EQ(200, BufferSize(w.chart).cx);

    // Without a WM_SIZE, a redraw keeps the bitmap it has.
    HWND hwnd = w.chart.GetSafeHwnd();
    g_sizeBlindProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SizeBlindProc)));
    ::MoveWindow(hwnd, 0, 0, 600, 400, TRUE);
    w.chart.Redraw();
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_sizeBlindProc));
    RECT client;
    ::GetClientRect(hwnd, &client);
    ASSERT_EQ(600, client.right);
    EXPECT_EQ(200, BufferSize(w.chart).cx);
    EXPECT_EQ(100, BufferSize(w.chart).cy);
}

TEST(ChartCtrl, EmptyWindowStillGetsABuffer)
{
    CChartCtrl chart;
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &TestHost(), 100);
    chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Left);
    chart.AddTimeAxis();
    const unsigned before = chart.RenderCount();
    chart.Redraw();
    EXPECT_NE(nullptr, chart.dcBuffer.GetSafeHdc());
    EXPECT_EQ(before + 1, chart.RenderCount());
    EXPECT_EQ(1, BufferSize(chart).cx);  // a zero-sized compatible bitmap is 1 x 1
    // The plot is inside out (3, 3, -3, -3): the docked bars get no length rather than a negative one.
    for (ChartAxisSide side : {ChartAxisSide::Left, ChartAxisSide::Bottom})
    {
        RECT bar;
        ::GetWindowRect(chart.Axis(side)->pAxisScrollBar->GetSafeHwnd(), &bar);
        EXPECT_EQ(0, side == ChartAxisSide::Left ? bar.bottom - bar.top : bar.right - bar.left);
    }
}

TEST(ChartCtrl, PaintCopiesThePictureToTheScreen)
{
    SWindowChart w(CRect(0, 0, 400, 300));
    w.chart.crBackground = 0x00FF00;
    w.chart.Redraw();
    ::UpdateWindow(w.chart.GetSafeHwnd());
    HDC dc = ::GetDC(w.chart.GetSafeHwnd());
    EXPECT_EQ(0x00FF00u, ::GetPixel(dc, 20, 150) & 0xFFFFFF);  // inside the border, left of the plot
    ::ReleaseDC(w.chart.GetSafeHwnd(), dc);
}

TEST(ChartCtrl, AxisMarginsShrinkThePlotAndSeriesClipOnePixelBeyondIt)
{
    SWindowChart w;
    w.Load({0, 1000}, {0, 100});
    w.chart.Redraw();
    const RECT plot = w.chart.rcPlot;
    const RECT area = {3, 3, 997, 597};
    EXPECT_EQ(area.left + w.left->nMargin, plot.left);
    EXPECT_EQ(area.bottom - w.bottom->nMargin, plot.bottom);
    EXPECT_GT(plot.top, area.top);
    EXPECT_LT(plot.right, area.right);
    EXPECT_EQ(plot.left, w.bottom->nStartPixel);
    EXPECT_EQ(plot.right, w.bottom->nEndPixel);
    EXPECT_EQ(plot.bottom, w.left->nStartPixel);
    EXPECT_EQ(plot.top, w.left->nEndPixel);
    EXPECT_EQ(plot.right + 1, w.serie->rcPlot.right);
    EXPECT_EQ(plot.bottom + 1, w.serie->rcPlot.bottom);
}

TEST(ChartCtrl, RenderPaintsAxesThenBorderThenSeriesThenLegend)
{
    SWindowChart w;
    w.Load({0, 500, 1000}, {10, 90, 50});
    w.serie->strName = "Temperature";
    w.chart.pLegendBox->bVisible = true;
    CEmfRecording emf;
    RECT area = {3, 3, 997, 597};
    w.chart.RenderChart(emf.Dc(), area);
    emf.Finish();
    const RECT plot = w.chart.rcPlot;
    // Plot border: the four sides drawn with LineTo from the top-left corner.
    size_t border = emf.lines.size();
    for (size_t i = 0; i + 3 < emf.lines.size(); ++i)
    {
        if (emf.lines[i].first.x == plot.left && emf.lines[i].first.y == plot.top &&
            emf.lines[i].second.x == plot.right && emf.lines[i].second.y == plot.top &&
            emf.lines[i + 3].second.x == plot.left && emf.lines[i + 3].second.y == plot.top)
            border = i;
    }
    ASSERT_LT(border, emf.lines.size());
    ASSERT_EQ(1u, emf.polylines.size());
    // The series polyline comes after the axes' tick texts and before the legend's name.
    size_t polylineAt = 0, lastTickText = 0, legendText = 0;
    size_t textIndex = 0;
    for (size_t i = 0; i < emf.types.size(); ++i)
    {
        const DWORD t = emf.types[i];
        if (t == EMR_POLYLINE16 || t == EMR_POLYLINE)
            polylineAt = i;
        if (t == EMR_EXTTEXTOUTA || t == EMR_EXTTEXTOUTW)
        {
            if (emf.texts[textIndex].text == "Temperature")
                legendText = i;
            else
                lastTickText = i;
            ++textIndex;
        }
    }
    EXPECT_LT(lastTickText, polylineAt);
    EXPECT_LT(polylineAt, legendText);
    // A docked Right legend: the working area ends 2 pixels inside the legend box.
    EXPECT_EQ(w.chart.pLegendBox->rcLegend.left + 2, w.bottom->rcAxis.right);
}

TEST(ChartCtrl, TopLegendMovesTheAreaBelowItAndHiddenTitleTakesNoHeight)
{
    SWindowChart w;
    CEmfRecording emf;
    RECT area = {3, 3, 997, 597};
    w.chart.pTitleBlock->bVisible = false;
    w.chart.pTitleBlock->vecLines.push_back("Hidden");
    w.chart.RenderChart(emf.Dc(), area);
    EXPECT_EQ(3, w.left->rcAxis.top);
    EXPECT_EQ(3, w.chart.pTitleBlock->rcTitle.bottom);

    w.serie->strName = "T";
    w.chart.pLegendBox->bVisible = true;
    w.chart.pLegendBox->eSide = ChartLegendSide::Top;
    w.chart.RenderChart(emf.Dc(), area);
    EXPECT_EQ(w.chart.pLegendBox->rcLegend.bottom + 2, w.left->rcAxis.top);
}

TEST(ChartCtrl, VisibleTitleTakesItsMeasuredHeight)
{
    SWindowChart w;
    w.chart.pTitleBlock->vecLines = {"First line", "Second"};
    CEmfRecording emf;
    RECT area = {3, 3, 997, 597};
    w.chart.RenderChart(emf.Dc(), area);
    const RECT& title = w.chart.pTitleBlock->rcTitle;
    EXPECT_EQ(3, title.top);
    EXPECT_GT(title.bottom, 3 + 2 * 10);
    EXPECT_EQ(title.bottom, w.left->rcAxis.top);
}

TEST(ChartCtrl, MirroredGradientOverAnOddWidthLeavesTheLastColumn)
{
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 11, 11);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    struct
    {
        ChartGradientMode mode;
        POINT untouched;
        POINT filled;
    } cases[] = {
        {ChartGradientMode::LeftRightMirror, {10, 5}, {9, 5}},
        {ChartGradientMode::TopBottomMirror, {5, 10}, {5, 9}},
        {ChartGradientMode::LeftToRight, {-1, -1}, {10, 10}},
        {ChartGradientMode::TopToBottom, {-1, -1}, {10, 10}},
    };
    for (const auto& c : cases)
    {
        RECT all = {0, 0, 11, 11};
        ::FillRect(mem, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        CDC dc;
        dc.Attach(mem);
        FillGradient(&dc, &all, RGB(0, 0, 0), RGB(0, 0, 0), c.mode);
        dc.Detach();
        if (c.untouched.x >= 0)
        {
            EXPECT_EQ(0xFFFFFFu, ::GetPixel(mem, c.untouched.x, c.untouched.y) & 0xFFFFFF);
        }
        EXPECT_EQ(0u, ::GetPixel(mem, c.filled.x, c.filled.y) & 0xFFFFFF);
    }
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
}

TEST(ChartCtrl, DestructionDeletesSeriesBeforeTheirAxes)
{
    int deaths = 0;
    std::string order;
    {
        CChartCtrl chart;
        for (ChartAxisSide side : {ChartAxisSide::Left, ChartAxisSide::Bottom})
        {
            SCountedAxis* axis = new SCountedAxis(&deaths);
            axis->order = &order;
            chart.PlaceAxis(axis, side);
        }
        chart.InsertSeries(new SOrderedSerie(&chart, &order));
        chart.InsertSeries(new SOrderedSerie(&chart, &order));
    }
    EXPECT_EQ("SSAA", order);
}

TEST(ChartCtrl, NewAxisBarStartsWithARangeOfOneStep)
{
    CChartCtrl chart;
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &TestHost(), 100);
    chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Left);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(chart.Axis(ChartAxisSide::Left)->pAxisScrollBar->GetSafeHwnd(), SB_CTL, &info);
    EXPECT_EQ(1, info.nMin);
    EXPECT_EQ(1, info.nMax);
    EXPECT_EQ(1u, info.nPage);
    EXPECT_EQ(1, info.nPos);
}

TEST(ChartCtrl, GraphPageSettingDrawsTheDaysTicksAndTemperatureLabels)
{
    CChartCtrl chart;
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 900, 500), &TestHost(), 100);
    chart.crBackground = 0xFFFFFF;
    const SGraphPageAxes axes(chart);
    EXPECT_EQ(axes.bottom, chart.Axis(ChartAxisSide::Bottom));
    CChartLineSerie* serie = new CChartLineSerie(&chart);
    chart.InsertSeries(serie);
    serie->crSeries = 0x0000FF;
    std::vector<double> x(144), y(144);
    for (int i = 0; i < 144; ++i)
    {
        x[i] = 46363.0 + i * 10.0 / 1440;
        y[i] = -20.5 + (i % 7);
    }
    serie->ReplacePoints(x.data(), y.data(), 144);

    CEmfRecording emf;
    RECT area = {3, 3, 897, 497};
    chart.RenderChart(emf.Dc(), area);
    emf.Finish();
    std::vector<std::string> texts;
    for (const SEmfText& t : emf.texts)
        texts.push_back(t.text);
    const std::vector<std::string> hours = {"00:00", "04:00", "08:00", "12:00", "16:00", "20:00"};
    for (const std::string& h : hours)
        EXPECT_EQ(1, std::count(texts.begin(), texts.end(), h)) << h;
    for (int t = -90; t <= 30; t += 5)
        EXPECT_EQ(1, std::count(texts.begin(), texts.end(), std::to_string(t))) << t;
    ASSERT_EQ(1u, emf.polylines.size());
    EXPECT_EQ(144u, emf.polylines[0].size());
    EXPECT_NE(emf.penColors.end(), std::find(emf.penColors.begin(), emf.penColors.end(), 0x0000FFu));
}
