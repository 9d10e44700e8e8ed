// Axis base: value/pixel mappings, zoom, pan, scroll steps, range fitting and margins.
#include <gtest/gtest.h>

#include <climits>

#include "AxisTestSupport.h"
#include "ChartTestSupport.h"
#include "chart/ChartAxisLabel.h"
#include "chart/ChartStandardAxis.h"

namespace {

struct SSpan {
    bool horizontal;
    bool inverted;
    int start;
    int end;
    double min;
    double max;
};

void Configure(CChartAxis& axis, const SSpan& span)
{
    axis.bHorizontal = span.horizontal;
    axis.bInverted = span.inverted;
    axis.nStartPixel = span.start;
    axis.nEndPixel = span.end;
    axis.dMin = axis.dHomeMin = span.min;
    axis.dMax = axis.dHomeMax = span.max;
}

constexpr SSpan H_100_500 = {true, false, 100, 500, 0.0, 10.0};
constexpr SSpan H_100_500_INV = {true, true, 100, 500, 0.0, 10.0};
constexpr SSpan V_400_100 = {false, false, 400, 100, 0.0, 30.0};
constexpr SSpan V_400_100_INV = {false, true, 400, 100, 0.0, 30.0};

}  // namespace

TEST(AxisMapping, ValueToPixelFollowsDirectionAndFloors)
{
    struct Case {
        SSpan span;
        double value;
        int pixel;
    } cases[] = {
        {H_100_500, 2.5, 200},
        {H_100_500_INV, 2.5, 400},
        {H_100_500, -0.01, 99},   // floor, not truncation
        {H_100_500, 0.0, 100},
        {H_100_500, 10.0, 500},
        {H_100_500, 12.5, 600},   // outside the range maps outside the span
        {V_400_100, 30.0, 100},
        {V_400_100, 0.0, 400},
        {V_400_100, 15.0, 250},
        {V_400_100_INV, 0.0, 100},
        {V_400_100_INV, 30.0, 400},
        // Far outside the range the offset stops at 2^28 pixels instead of overflowing an int.
        {H_100_500, 1e300, 100 + (1 << 28)},
        {V_400_100, -1e300, 400 + (1 << 28)},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, c.span);
        EXPECT_EQ(c.pixel, axis.ValueToPixel(c.value)) << "value " << c.value;
    }
}

TEST(AxisMapping, PixelToValueInvertsTheMapping)
{
    struct Case {
        SSpan span;
        int pixel;
        double value;
    } cases[] = {
        {H_100_500, 200, 2.5},
        {H_100_500_INV, 400, 2.5},
        {H_100_500, 100, 0.0},
        {H_100_500, 50, -1.25},
        {V_400_100, 100, 30.0},
        {V_400_100, 250, 15.0},
        {V_400_100_INV, 100, 0.0},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, c.span);
        EXPECT_DOUBLE_EQ(c.value, axis.PixelToValue(c.pixel)) << "pixel " << c.pixel;
    }
}

TEST(AxisMapping, DegenerateRangeOrSpanReadsAsMinimum)
{
    CChartStandardAxis axis;
    Configure(axis, {true, false, 100, 500, 3.0, 3.0});
    EXPECT_EQ(3.0, axis.PixelToValue(250));
    Configure(axis, {true, false, 100, 100, 0.0, 10.0});
    EXPECT_EQ(0.0, axis.PixelToValue(250));
}

TEST(AxisMapping, LabelPixelOfDegenerateRangeIsTheMiddle)
{
    CChartStandardAxis horizontal;
    Configure(horizontal, {true, false, 100, 501, 3.0, 3.0});
    EXPECT_EQ(300, horizontal.LabelPixel(3.0));
    CChartStandardAxis vertical;
    Configure(vertical, {false, false, 400, 100, 3.0, 3.0});
    EXPECT_EQ(250, vertical.LabelPixel(3.0));
}

TEST(AxisMapping, LabelInsideIncludesBothEndsInEitherDirection)
{
    struct Case {
        SSpan span;
        double value;
        bool inside;
    } cases[] = {
        {H_100_500, 0.0, true},  {H_100_500, 10.0, true},  {H_100_500, -0.01, false},
        {H_100_500, 10.1, false}, {H_100_500_INV, 0.0, true}, {V_400_100, 0.0, true},
        {V_400_100, 30.0, true},  {V_400_100, 31.0, false}, {V_400_100_INV, -1.0, false},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, c.span);
        EXPECT_EQ(c.inside, axis.IsLabelInside(c.value)) << "value " << c.value;
    }
}

TEST(AxisZoom, ZoomKeepsTheSmallestSpanAndRefusesWhenNotAllowed)
{
    struct Case {
        double min, max;
        bool allowed;
        double newMin, newMax;
        double expectMin, expectMax;
    } cases[] = {
        {0, 10, true, 5.0, 5.0005, 5.0, 5.001},
        {0, 10, true, 2.0, 4.0, 2.0, 4.0},
        {0, 10, true, 6.0, 4.0, 6.0, 6.001},   // a maximum below the minimum
        {3, 3, true, 1.0, 2.0, 3.0, 3.0},      // empty range: nothing
        {0, 10, false, 2.0, 4.0, 0.0, 10.0},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, {true, false, 100, 500, c.min, c.max});
        axis.bZoomAllowed = c.allowed;
        axis.ZoomTo(c.newMin, c.newMax);
        EXPECT_DOUBLE_EQ(c.expectMin, axis.dMin);
        EXPECT_DOUBLE_EQ(c.expectMax, axis.dMax);
        EXPECT_EQ(c.min, axis.dHomeMin);
        EXPECT_EQ(c.max, axis.dHomeMax);
    }
}

TEST(AxisZoom, PanDraggingRightLowersBothEnds)
{
    CChartStandardAxis axis;
    Configure(axis, H_100_500);
    axis.PanByPixels(200, 240);   // content dragged 40 px = 1.0 to the right
    EXPECT_DOUBLE_EQ(-1.0, axis.dMin);
    EXPECT_DOUBLE_EQ(9.0, axis.dMax);

    axis.bZoomAllowed = false;
    axis.PanByPixels(200, 240);
    EXPECT_DOUBLE_EQ(-1.0, axis.dMin);
}

TEST(AxisZoom, RestoreHomeRangeActsEvenWhenZoomIsNotAllowed)
{
    CChartStandardAxis axis;
    Configure(axis, H_100_500);
    axis.ZoomTo(2.0, 3.0);
    axis.bZoomAllowed = false;
    axis.RestoreHomeRange();
    EXPECT_EQ(0.0, axis.dMin);
    EXPECT_EQ(10.0, axis.dMax);
}

TEST(AxisScroll, ScrollStepsCountTenthsOfTheVisibleSpan)
{
    struct Case {
        double min, max, sMin, sMax;
        int steps, position;
    } cases[] = {
        {0, 6, 0, 24, 40, 0},
        {6, 12, 0, 24, 40, 10},
        {-6, 0, 0, 24, 40, -10},   // before the series: negative, clamped by the bar
        {0, 24, 0, 24, 10, 0},
        {3, 3, 0, 24, 1, 1},        // empty range
        {0, 6, 5, 5, 1, 1},         // series of no extent
        {0, 1e-300, 0, 24, INT_MAX, 0},   // more steps than an int holds: the largest
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, {true, false, 100, 500, c.min, c.max});
        CAxisTestSerie serie(c.sMin, c.sMax, 0, 0);
        axis.LinkSeries(&serie);
        int steps = 0;
        int position = 0;
        axis.ScrollSteps(steps, position);
        EXPECT_EQ(c.steps, steps) << c.min << ".." << c.max;
        EXPECT_EQ(c.position, position) << c.min << ".." << c.max;
        axis.UnlinkSeries(&serie);
    }
}

TEST(AxisScroll, ApplyScrollStepShiftsByTenthsOfTheSpan)
{
    struct Case {
        bool reversed;
        double min, max;
    } cases[] = {{false, 6.0, 12.0}, {true, -6.0, 0.0}};
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, {true, false, 100, 500, 0.0, 6.0});
        axis.ApplyScrollStep(0, 10, c.reversed);
        EXPECT_DOUBLE_EQ(c.min, axis.dMin);
        EXPECT_DOUBLE_EQ(c.max, axis.dMax);
    }
}

TEST(AxisSeries, LinkingTwiceKeepsOneEntryAndUnlinkRemovesIt)
{
    CChartStandardAxis axis;
    CAxisTestSerie serie(0, 1, 0, 1);
    axis.LinkSeries(&serie);
    axis.LinkSeries(&serie);
    EXPECT_EQ(1u, axis.lstLinkedSeries.size());
    axis.UnlinkSeries(&serie);
    EXPECT_TRUE(axis.lstLinkedSeries.empty());
}

TEST(AxisSeries, SeriesBoundsSpanTheReportingSeries)
{
    struct Case {
        bool horizontal;
        bool firstReports;
        double min, max;
    } cases[] = {
        {true, true, -5.0, 20.0},
        {false, true, -40.0, 30.0},
        // A hidden first series does not pull the bounds to 0.
        {true, false, 10.0, 20.0},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        axis.bHorizontal = c.horizontal;
        CAxisTestSerie first(-5, 8, -40, 0);
        first.bReports = c.firstReports;
        CAxisTestSerie second(10, 20, -10, 30);
        axis.LinkSeries(&first);
        axis.LinkSeries(&second);
        double min = 99;
        double max = 99;
        axis.SeriesBounds(min, max);
        EXPECT_EQ(c.min, min);
        EXPECT_EQ(c.max, max);
        axis.lstLinkedSeries.clear();
    }
    CChartStandardAxis empty;
    double min = 99;
    double max = 99;
    empty.SeriesBounds(min, max);
    EXPECT_EQ(0.0, min);
    EXPECT_EQ(0.0, max);
}

TEST(AxisSeries, FitRangeFollowsTheModeAndSetsTheHomeRange)
{
    struct Case {
        ChartRangeMode mode;
        bool silentFirst;   // a first series that reports no bounds
        double min, max;
    } cases[] = {
        {ChartRangeMode::Fixed, false, 1.0, 2.0},
        {ChartRangeMode::AllPoints, false, -5.0, 20.0},
        {ChartRangeMode::VisiblePoints, false, 3.0, 7.0},
        // A series without bounds does not pull the range towards 0.
        {ChartRangeMode::AllPoints, true, -5.0, 20.0},
        {ChartRangeMode::VisiblePoints, true, 3.0, 7.0},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        Configure(axis, {true, false, 100, 500, 1.0, 2.0});
        axis.eRangeMode = c.mode;
        CAxisTestSerie silent(-100, 100, 0, 0);
        silent.bReports = false;
        if (c.silentFirst)
            axis.LinkSeries(&silent);
        CAxisTestSerie serie(-5, 20, 0, 0);
        serie.dVisibleXMin = 3.0;
        serie.dVisibleXMax = 7.0;
        axis.LinkSeries(&serie);
        axis.FitRangeToSeries();
        EXPECT_EQ(c.min, axis.dMin);
        EXPECT_EQ(c.max, axis.dMax);
        EXPECT_EQ(c.min, axis.dHomeMin);
        EXPECT_EQ(c.max, axis.dHomeMax);
        axis.lstLinkedSeries.clear();
    }
}

TEST(AxisLayout, PixelSpanAndAxisAreaFollowSideAndDirection)
{
    const RECT area = {10, 20, 610, 420};
    const RECT plot = {50, 30, 590, 380};
    struct Case {
        bool horizontal, secondary;
        int start, end;
        RECT rcAxis;
    } cases[] = {
        {true, false, 50, 590, {10, 380, 610, 420}},
        {true, true, 50, 590, {10, 20, 610, 30}},
        {false, false, 380, 30, {10, 20, 50, 420}},
        {false, true, 380, 30, {590, 20, 610, 420}},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        axis.bHorizontal = c.horizontal;
        axis.bSecondary = c.secondary;
        axis.SetPixelSpan(area, plot);
        EXPECT_EQ(c.start, axis.nStartPixel);
        EXPECT_EQ(c.end, axis.nEndPixel);
        EXPECT_EQ(c.rcAxis.left, axis.rcAxis.left);
        EXPECT_EQ(c.rcAxis.top, axis.rcAxis.top);
        EXPECT_EQ(c.rcAxis.right, axis.rcAxis.right);
        EXPECT_EQ(c.rcAxis.bottom, axis.rcAxis.bottom);
    }
}

TEST(AxisLayout, MarginsMakeRoomForTickLabelsAndTheAxisLabel)
{
    CMemoryCanvas canvas(600, 400);
    const RECT area = {0, 0, 600, 400};
    struct Case {
        bool horizontal, secondary;
        const char* label;
    } cases[] = {
        {false, false, ""}, {false, true, ""}, {true, false, ""}, {true, true, ""},
        {false, false, "Temperature"}, {true, false, "Time"},
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        axis.bHorizontal = c.horizontal;
        axis.bSecondary = c.secondary;
        axis.pLabel->bHorizontal = c.horizontal;
        axis.pLabel->style.bRotated90 = !c.horizontal;
        axis.pLabel->strText = c.label;
        axis.dMin = -90;
        axis.dMax = 30;
        axis.SetFixedTickStep(5.0);
        RECT plot = area;
        axis.SetPixelSpan(area, plot);
        axis.AlignFirstTick();
        const SIZE ext = axis.MaxTickLabelExtent(canvas.DC());
        const SIZE lab = axis.pLabel->Measure(canvas.DC());
        ASSERT_GT(ext.cx, 0);
        const int margin = axis.ReserveMargin(area, &plot, canvas.DC());
        if (c.horizontal) {
            EXPECT_EQ(ext.cy + lab.cy + 6, margin);
            EXPECT_EQ(c.secondary ? margin : 0, plot.top);
            EXPECT_EQ(c.secondary ? 400 : 400 - margin, plot.bottom);
            EXPECT_EQ(600 - ext.cx / 2 - 3, plot.right);
        } else {
            EXPECT_EQ(ext.cx + lab.cx + 10, margin);
            EXPECT_EQ(ext.cy / 2 + 3, plot.top);
            EXPECT_EQ(c.secondary ? 0 : margin, plot.left);
            EXPECT_EQ(c.secondary ? 600 - margin : 600, plot.right);
        }
        EXPECT_EQ(margin, axis.nMargin);
    }
}

TEST(AxisLayout, HiddenAxisReservesNothingAndFixedMarginIsReused)
{
    CMemoryCanvas canvas(100, 100);
    const RECT area = {0, 0, 600, 400};
    CChartStandardAxis hidden;
    hidden.bVisible = false;
    RECT plot = area;
    EXPECT_EQ(0, hidden.ReserveMargin(area, &plot, canvas.DC()));
    EXPECT_EQ(400, plot.bottom);

    CChartStandardAxis fixed;
    fixed.dMin = 0;
    fixed.dMax = 10;
    fixed.SetPixelSpan(area, plot);
    fixed.bRecalcMargin = false;
    fixed.nMargin = 50;
    EXPECT_EQ(50, fixed.ReserveMargin(area, &plot, canvas.DC()));
    EXPECT_EQ(350, plot.bottom);
}

TEST(AxisSeries, RangeFittingRedrawsOnlyWhenTheRangeChanges)
{
    SWindowChart chart;
    chart.Load({10.0, 40.0}, {1.0, 2.0});
    CChartAxis* axis = chart.bottom;
    const unsigned fixedRenders = chart.chart.RenderCount();
    axis->FitRangeToSeries();   // Fixed: the range stays, nothing is redrawn
    EXPECT_EQ(0.0, axis->dMin);
    EXPECT_EQ(1000.0, axis->dMax);
    EXPECT_EQ(fixedRenders, chart.chart.RenderCount());

    axis->eRangeMode = ChartRangeMode::AllPoints;
    axis->FitRangeToSeries();
    EXPECT_EQ(10.0, axis->dMin);
    EXPECT_EQ(40.0, axis->dHomeMax);
    const unsigned fittedRenders = chart.chart.RenderCount();
    EXPECT_EQ(fixedRenders + 1, fittedRenders);
    axis->FitRangeToSeries();   // unchanged result
    EXPECT_EQ(fittedRenders, chart.chart.RenderCount());

    axis->SetBinned(true);
    EXPECT_EQ(fittedRenders + 1, chart.chart.RenderCount());
    axis->ZoomTo(20.0, 30.0);   // no redraw of its own
    EXPECT_EQ(fittedRenders + 1, chart.chart.RenderCount());
    axis->RestoreHomeRange();
    EXPECT_EQ(fittedRenders + 2, chart.chart.RenderCount());
    EXPECT_EQ(10.0, axis->dMin);
}
