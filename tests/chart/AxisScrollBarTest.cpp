// Axis scroll bar: the position a scroll request asks for, its style, range, position and docking.
#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "chart/ChartScrollBar.h"

TEST(AxisScrollBar, ScrollCodesMoveWithinTheLastWholePage)
{
    // Range 0 .. 39 (40 steps), page 10: the last position is 30.
    struct Case {
        int code;
        int thumb;
        int current;
        int position;
        bool changed;
    } cases[] = {
        {SB_LINELEFT, 0, 5, 4, true},     {SB_LINELEFT, 0, 0, 0, true},
        {SB_LINERIGHT, 0, 5, 6, true},    {SB_LINERIGHT, 0, 30, 30, true},
        {SB_LINERIGHT, 0, 29, 30, true},  {SB_PAGELEFT, 0, 15, 5, true},
        {SB_PAGELEFT, 0, 4, 0, true},     {SB_PAGELEFT, 0, 0, 0, true},
        {SB_PAGERIGHT, 0, 5, 15, true},   {SB_PAGERIGHT, 0, 25, 30, true},
        {SB_PAGERIGHT, 0, 30, 30, true},  {SB_THUMBPOSITION, 17, 5, 17, true},
        {SB_THUMBTRACK, 12, 5, 12, true}, {SB_LEFT, 0, 17, 0, true},
        {SB_RIGHT, 0, 3, 30, true},       {SB_ENDSCROLL, 0, 7, 7, false},
        {99, 0, 7, 7, true},
    };
    for (const Case& c : cases) {
        bool changed = !c.changed;
        EXPECT_EQ(c.position, CChartScrollBar::NewPosition(c.code, c.thumb, c.current, 0, 39, changed))
            << "code " << c.code << " from " << c.current;
        EXPECT_EQ(c.changed, changed) << "code " << c.code;
    }
}

TEST(AxisScrollBar, StyleAlignsTheBarWithItsAxis)
{
    EXPECT_EQ(0x40000004u, CChartScrollBar::StyleFor(true, false));
    EXPECT_EQ(0x40000002u, CChartScrollBar::StyleFor(true, true));
    EXPECT_EQ(0x40000003u, CChartScrollBar::StyleFor(false, false));
    EXPECT_EQ(0x40000005u, CChartScrollBar::StyleFor(false, true));
}

namespace {

SCROLLINFO BarInfo(const CChartAxis* axis)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(axis->pAxisScrollBar->GetSafeHwnd(), SB_CTL, &info);
    return info;
}

RECT BarRectInChart(const CChartAxis* axis, const CChartCtrl& chart)
{
    RECT rect;
    ::GetWindowRect(axis->pAxisScrollBar->GetSafeHwnd(), &rect);
    ::MapWindowPoints(nullptr, chart.GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST(AxisScrollBar, BarCountsTenthsOfTheVisibleSpanOverTheSeriesBounds)
{
    SWindowChart chart;
    chart.Load({0.0, 24.0}, {0.0, 24.0});
    chart.SetRange(chart.bottom, 0, 6);
    chart.SetRange(chart.left, 0, 6);
    struct Case {
        const CChartAxis* axis;
        int position;
    } cases[] = {
        {chart.bottom, 0},
        // A plain vertical bar runs against the values: at the bottom of the series its thumb
        // is at the last whole page.
        {chart.left, 30},
    };
    for (const Case& c : cases) {
        const SCROLLINFO info = BarInfo(c.axis);
        EXPECT_EQ(0, info.nMin);
        EXPECT_EQ(39, info.nMax);
        EXPECT_EQ(10u, info.nPage);
        EXPECT_EQ(c.position, info.nPos);
    }
    chart.SetRange(chart.left, 6, 12);   // position 10
    EXPECT_EQ(20, BarInfo(chart.left).nPos);
    chart.SetRange(chart.left, 18, 24);   // the top of the series: the thumb at the top
    EXPECT_EQ(0, BarInfo(chart.left).nPos);

    chart.bottom->ApplyScrollStep(0, 10, false);   // 6 .. 12: position 10
    EXPECT_EQ(10, BarInfo(chart.bottom).nPos);
    chart.bottom->bInverted = true;                 // an inverted horizontal bar runs against the values
    chart.bottom->SyncScrollBar();
    EXPECT_EQ(40 - 10 - 10, BarInfo(chart.bottom).nPos);
}

TEST(AxisScrollBar, BarsDockInsideThePlotAlongTheirAxes)
{
    SWindowChart chart;
    const RECT plot = chart.chart.rcPlot;
    const RECT bottom = BarRectInChart(chart.bottom, chart.chart);
    const int thickness = bottom.bottom - bottom.top;
    ASSERT_GT(thickness, 0);
    EXPECT_EQ(plot.left + 1, bottom.left);
    EXPECT_EQ(plot.right, bottom.right);
    EXPECT_EQ(plot.bottom, bottom.bottom);

    const RECT left = BarRectInChart(chart.left, chart.chart);
    EXPECT_GT(left.right - left.left, 0);
    EXPECT_EQ(plot.left + 1, left.left);
    EXPECT_EQ(plot.top + 1, left.top);
    EXPECT_EQ(plot.bottom, left.bottom);
}

TEST(AxisScrollBar, ScrollingAVerticalBarToTheTopShowsTheTopOfTheSeries)
{
    SWindowChart chart;
    chart.Load({0.0, 24.0}, {0.0, 24.0});
    chart.SetRange(chart.left, 6, 12);
    HWND bar = chart.left->pAxisScrollBar->GetSafeHwnd();
    ::SendMessageA(chart.chart.GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_DOUBLE_EQ(18.0, chart.left->dMin);
    EXPECT_DOUBLE_EQ(24.0, chart.left->dMax);
    EXPECT_EQ(0, BarInfo(chart.left).nPos);
    ::SendMessageA(chart.chart.GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_NEAR(0.0, chart.left->dMin, 1e-9);
    EXPECT_EQ(30, BarInfo(chart.left).nPos);
}
