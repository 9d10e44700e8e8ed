// The radar chart's state before any search and its scale per device kind.
#include "app/CRadarChartGraphWnd.h"

#include <gtest/gtest.h>

TEST(RadarChartGraphWnd, StartsOnKindOneWithNoSlotsInUseAndEveryValueEmpty)
{
    CRadarChartGraphWnd graph;
    EXPECT_EQ(1, graph.m_nKind);
    EXPECT_EQ(0, graph.m_nCount);
    EXPECT_EQ(-100, graph.m_nScaleMin);
    EXPECT_EQ(0, graph.m_nScaleMax);
    EXPECT_EQ(10, graph.m_nScaleStep);
    int empty = 0;
    for (int s = 0; s < RADAR_MINUTES; ++s)
        empty += graph.m_pValues[s] == RADAR_NO_VALUE ? 1 : 0;
    EXPECT_EQ(RADAR_MINUTES, empty);
}

TEST(RadarChartGraphWnd, ScaleFollowsTheKindAndAnUnknownKindKeepsTheLastOne)
{
    const struct { int kind; int min, max, step; } steps[] = {
        {3, 0, 10, 1}, {0, 0, 10, 1}, {2, -50, 0, 5}, {4, -50, 0, 5}, {-1, -50, 0, 5}, {1, -100, 0, 10}};
    CRadarChartGraphWnd graph;
    for (const auto& s : steps)
    {
        graph.SetScaleForKind(s.kind);
        EXPECT_EQ(s.min, graph.m_nScaleMin) << s.kind;
        EXPECT_EQ(s.max, graph.m_nScaleMax) << s.kind;
        EXPECT_EQ(s.step, graph.m_nScaleStep) << s.kind;
        EXPECT_EQ(1, graph.m_nKind) << "the scale lookup never writes the kind";
    }
}
