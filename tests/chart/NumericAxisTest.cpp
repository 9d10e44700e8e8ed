// Numeric axis: fixed and automatic steps, first tick, tick walk, labels and binned mode.
#include <gtest/gtest.h>

#include "ChartTestSupport.h"

#include <cmath>
#include <string>
#include <vector>

#include "chart/ChartStandardAxis.h"

namespace {

void SetSpan(CChartAxis& axis, bool horizontal, int length, double min, double max)
{
    axis.bHorizontal = horizontal;
    axis.nStartPixel = horizontal ? 0 : length;
    axis.nEndPixel = horizontal ? length : 0;
    axis.dMin = axis.dHomeMin = min;
    axis.dMax = axis.dHomeMax = max;
}

}  // namespace

TEST(NumericAxis, FixedStepSetsDecimalsFromItsExponent)
{
    struct Case {
        double step;
        int decimals;
    } cases[] = {{5, 0}, {0.5, 1}, {0.25, 1}, {0.05, 2}, {20, 0}, {1, 0}, {0.001, 3}};
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        axis.SetFixedTickStep(c.step);
        EXPECT_FALSE(axis.bAutoStep);
        EXPECT_EQ(c.step, axis.dTickStep);
        EXPECT_EQ(c.decimals, axis.nDecimals) << "step " << c.step;
    }
}

TEST(NumericAxis, StepThatIsNotPositiveDrawsTheFirstTickOnly)
{
    for (double step : {0.0, -5.0}) {
        CChartStandardAxis axis;
        SetSpan(axis, false, 300, 0, 30);
        axis.SetFixedTickStep(step);
        axis.AlignFirstTick();
        EXPECT_EQ(std::vector<double>{0.0}, axis.TickValues()) << "step " << step;
    }
}

TEST(NumericAxis, StepLostInTheRoundingOfLargeValuesEndsTheWalk)
{
    CChartStandardAxis axis;
    SetSpan(axis, false, 300, 1e17, 1e17 + 1000);
    axis.SetFixedTickStep(1.0);   // 1e17 + 1 rounds back to 1e17
    axis.AlignFirstTick();
    EXPECT_EQ(std::vector<double>{1e17}, axis.TickValues());
}

TEST(NumericAxis, FirstTickIsTheSmallestMultipleNotBelowTheMinimum)
{
    struct Case {
        double min;
        double start;
    } cases[] = {{7, 10}, {-7, -5}, {-10, -10}, {0, 0}, {0.001, 5}, {-90, -90}, {-45, -45}, {-5, -5}, {12, 15}};
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        SetSpan(axis, false, 300, c.min, 100);
        axis.SetFixedTickStep(5.0);
        axis.AlignFirstTick();
        EXPECT_EQ(c.start, axis.dTickStart) << "min " << c.min;
    }
}

TEST(NumericAxis, TickAfterStopsPastTheMaximum)
{
    CChartStandardAxis axis;
    SetSpan(axis, false, 300, -90, 30);
    axis.SetFixedTickStep(5.0);
    double next = 0;
    EXPECT_TRUE(axis.TickAfter(25, next));
    EXPECT_EQ(30, next);
    EXPECT_FALSE(axis.TickAfter(30, next));
    EXPECT_EQ(35, next);

    axis.dTickStep = 0;
    next = 1;
    EXPECT_FALSE(axis.TickAfter(30, next));
    EXPECT_EQ(1, next);
}

TEST(NumericAxis, TemperatureAxesOfTheThreeDeviceKinds)
{
    struct Case {
        double min;
        const char* first;
        size_t count;
    } cases[] = {{-90, "-90", 25}, {-45, "-45", 16}, {-5, "-5", 8}};
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        SetSpan(axis, false, 300, c.min, 30);
        axis.SetFixedTickStep(5.0);
        axis.ChooseTickStep();   // fixed: no effect
        axis.AlignFirstTick();
        const std::vector<std::string> labels = TickLabels(axis);
        ASSERT_EQ(c.count, labels.size());
        EXPECT_EQ(c.first, labels.front());
        EXPECT_EQ("30", labels.back());
        EXPECT_EQ(5.0, axis.dTickStep);
    }
    CChartStandardAxis axis;
    SetSpan(axis, false, 300, -90, 30);
    axis.SetFixedTickStep(5.0);
    axis.AlignFirstTick();
    const std::vector<std::string> expected = {"-90", "-85", "-80", "-75", "-70", "-65", "-60", "-55", "-50",
                                               "-45", "-40", "-35", "-30", "-25", "-20", "-15", "-10", "-5",
                                               "0",   "5",   "10",  "15",  "20",  "25",  "30"};
    EXPECT_EQ(expected, TickLabels(axis));
}

TEST(NumericAxis, LabelsUseFixedPointWithTheStepsDecimals)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{30, 0, "30"}, {-85, 0, "-85"}, {2.5, 1, "2.5"}, {0.1, 2, "0.10"},
                 {0.75, 1, "0.8"}, {1234567, 0, "1234567"}, {-0.04, 1, "0.0"}, {-1e-17, 0, "0"},
                 {-0.05001, 1, "-0.1"}, {-100, 2, "-100.00"}};
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        axis.nDecimals = c.decimals;
        EXPECT_EQ(c.text, axis.FormatTickText(c.value)) << c.value;
    }
}

TEST(NumericAxis, AutomaticStepClimbsTheOneTwoFiveLadder)
{
    struct Case {
        bool horizontal;
        int length;
        double min, max;
        double step;
        int decimals;
    } cases[] = {
        {false, 300, 0, 100, 10, 0},
        {true, 600, 0, 1, 0.05, 2},
        {true, 300, 0, 1000, 100, 0},
        {false, 15, 0, 100, 100, 0},     // shorter than one tick: counts one
        {true, 300, 0, 15, 2, 0},        // raw 1.5 -> 2
        {true, 300, 0, 40, 5, 0},        // raw 4 -> 5
        {true, 300, 0, 70, 10, 0},       // raw 7 -> 10
        {true, 300, 0, 0.7, 0.1, 1},     // raw 0.07 -> 10p, one decimal fewer
        {false, 400, -90, 30, 10, 0},    // 20 ticks, raw 6
        {true, 300, 100, 0, 10, 0},      // a reversed range gets the step of its ordered twin
        {true, 300, 0, HUGE_VAL, 0, 0},  // an endless range: no step, one tick
    };
    for (const Case& c : cases) {
        CChartStandardAxis axis;
        SetSpan(axis, c.horizontal, c.length, c.min, c.max);
        axis.ChooseTickStep();
        EXPECT_DOUBLE_EQ(c.step, axis.dTickStep) << c.min << ".." << c.max << " over " << c.length;
        EXPECT_EQ(c.decimals, axis.nDecimals) << c.min << ".." << c.max << " over " << c.length;
    }
}

TEST(NumericAxis, EmptyRangeHasOneTickAtTheMinimum)
{
    CChartStandardAxis axis;
    SetSpan(axis, true, 300, 4, 4);
    axis.ChooseTickStep();
    EXPECT_EQ(0.0, axis.dTickStep);
    axis.AlignFirstTick();
    EXPECT_EQ(4.0, axis.dTickStart);
    EXPECT_EQ(std::vector<double>{4.0}, axis.TickValues());
}

TEST(NumericAxis, BinnedLabelsSitInTheMiddleOfTheirInterval)
{
    CChartStandardAxis axis;
    SetSpan(axis, true, 400, -20, 20);   // 10 pixels per unit
    axis.SetFixedTickStep(5.0);
    axis.AlignFirstTick();
    axis.dTickStart = 10;
    axis.bBinned = true;
    EXPECT_EQ(5.0, axis.FirstTick());
    struct Case {
        double value;
        double mid;
    } cases[] = {{10, 12.5}, {-5, -2.5}, {0, 2.5}, {-3, -2.5}, {3, 2.5}, {-5 - 1e-12, -2.5}, {10 - 1e-12, 12.5}};
    for (const Case& c : cases)
        EXPECT_EQ(axis.ValueToPixel(c.mid), axis.BinMidPixel(c.value)) << c.value;
    EXPECT_EQ(axis.ValueToPixel(12.5), axis.LabelPixel(10));
}
