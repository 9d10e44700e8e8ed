// Axis scroll bar: the position a scroll request asks for, and the bar's window style.
#include <gtest/gtest.h>

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

TEST(AxisScrollBar, NewBarBelongsToItsAxisInactiveAndHoverOnly)
{
    CChartScrollBar bar(nullptr);
    EXPECT_EQ(nullptr, bar.pAxis);
    EXPECT_FALSE(bar.bActive);
    EXPECT_TRUE(bar.bHoverOnly);
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CChartScrollBar)));
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CScrollBar)));
}
