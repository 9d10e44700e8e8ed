// Point store and XY series: loading, ordering, bounds, binary search and visible range.
#include "ChartTestSupport.h"

#include "chart/ChartLineSerie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
// A line series linked to identity axes, outside any control.
struct SLinkedSerie
{
    SIdentityAxes axes;
    CChartLineSerie serie{nullptr};

    SLinkedSerie()
    {
        serie.pXAxis = &axes.x;
        serie.pYAxis = &axes.y;
        axes.x.LinkSeries(&serie);
        axes.y.LinkSeries(&serie);
    }
    void Load(const std::vector<double>& x, const std::vector<double>& y)
    {
        serie.ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
    }
    void LoadKeys(const std::vector<double>& keys) { Load(keys, keys); }
};

const std::vector<double> KEYS = {10, 20, 30, 40, 50};
}

TEST(ChartXYSerie, NewSeriesIsEmptyWithCapacityOfAThousand)
{
    SLinkedSerie s;
    double min = -1;
    double max = -1;
    unsigned first = 0;
    unsigned last = 0;
    EXPECT_EQ(0u, s.serie.PointCount());
    EXPECT_FALSE(s.serie.XBounds(min, max));
    EXPECT_FALSE(s.serie.YBounds(min, max));
    EXPECT_FALSE(s.serie.VisibleIndexRange(first, last));
    EXPECT_EQ(-1, min);
    EXPECT_EQ(1000u, s.serie.store.nCapacity);
    EXPECT_EQ(1000u, s.serie.store.nGrowBy);
    EXPECT_EQ(ChartPointOrder::ByX, s.serie.store.eOrder);
}

TEST(ChartXYSerie, ArrayGrowsToExactLoadAndNeverShrinks)
{
    SLinkedSerie s;
    std::vector<double> big(1500, 1.0);
    s.Load(big, big);
    EXPECT_EQ(1500u, s.serie.store.nCapacity);
    std::vector<double> small(10, 2.0);
    s.Load(small, small);
    EXPECT_EQ(1500u, s.serie.store.nCapacity);
    EXPECT_EQ(10u, s.serie.PointCount());
}

TEST(ChartXYSerie, PointsAreStoredAscendingByXWithTrueBounds)
{
    SLinkedSerie s;
    s.Load({5, 4, 3, 2, 1}, {-7, 30, 2, -45, 8});
    const double expectedX[] = {1, 2, 3, 4, 5};
    const double expectedY[] = {8, -45, 2, 30, -7};
    for (unsigned i = 0; i < 5; ++i)
    {
        EXPECT_EQ(expectedX[i], s.serie.store.At(i).dX);
        EXPECT_EQ(expectedY[i], s.serie.store.At(i).dY);
        EXPECT_EQ(0, s.serie.store.At(i).nSpare);
    }
    double min = 0;
    double max = 0;
    ASSERT_TRUE(s.serie.XBounds(min, max));
    EXPECT_EQ(1, min);
    EXPECT_EQ(5, max);
    ASSERT_TRUE(s.serie.YBounds(min, max));
    EXPECT_EQ(-45, min);
    EXPECT_EQ(30, max);
}

TEST(ChartXYSerie, LoadRefitsBothAxesAlsoOutsideAControl)
{
    SLinkedSerie s;
    s.axes.x.eRangeMode = ChartRangeMode::AllPoints;
    s.axes.y.eRangeMode = ChartRangeMode::AllPoints;
    s.Load({3, 1, 2}, {-40, 25, 7});
    EXPECT_EQ(1, s.axes.x.dMin);
    EXPECT_EQ(3, s.axes.x.dMax);
    EXPECT_EQ(-40, s.axes.y.dMin);
    EXPECT_EQ(25, s.axes.y.dHomeMax);
}

TEST(ChartXYSerie, NaNNeverReplacesABound)
{
    SLinkedSerie s;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    s.Load({1, 2, 3}, {4, nan, -1});
    double min = 0;
    double max = 0;
    ASSERT_TRUE(s.serie.YBounds(min, max));
    EXPECT_EQ(-1, min);
    EXPECT_EQ(4, max);
}

TEST(ChartXYSerie, HiddenSeriesReportsNoBoundsButAVisibleRange)
{
    SLinkedSerie s;
    s.LoadKeys(KEYS);
    s.serie.bVisible = false;
    double min = -1;
    double max = -1;
    unsigned first = 9;
    unsigned last = 9;
    EXPECT_FALSE(s.serie.XBounds(min, max));
    EXPECT_FALSE(s.serie.YBounds(min, max));
    EXPECT_FALSE(s.serie.YBoundsVisible(min, max));
    EXPECT_EQ(-1, min);
    EXPECT_TRUE(s.serie.VisibleIndexRange(first, last));
}

TEST(ChartXYSerie, SetPointOrderResortsWithoutTouchingBounds)
{
    SLinkedSerie s;
    s.Load({1, 2, 3}, {30, 10, 20});
    s.serie.SetPointOrder(ChartPointOrder::ByY);
    EXPECT_EQ(2, s.serie.store.At(0).dX);
    EXPECT_EQ(3, s.serie.store.At(1).dX);
    EXPECT_EQ(1, s.serie.store.At(2).dX);
    s.serie.SetPointOrder(ChartPointOrder::None);
    EXPECT_EQ(2, s.serie.store.At(0).dX);
    EXPECT_EQ(30, s.serie.store.dYMax);
}

TEST(ChartXYSerie, BisectPointsReturnsAFlankingIndex)
{
    SLinkedSerie s;
    s.LoadKeys(KEYS);
    struct
    {
        double value;
        unsigned expected;
    } cases[] = {{10, 1}, {25, 1}, {30, 3}, {5, 0}, {55, 4}, {50, 4}, {15, 1}, {35, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, s.serie.store.BisectPoints(c.value, 0, 4)) << "value " << c.value;
}

TEST(ChartXYSerie, VisibleIndexRangeFollowsTheAxisRange)
{
    struct
    {
        ChartPointOrder order;
        double min, max;
        bool ok;
        unsigned first, last;
    } cases[] = {
        {ChartPointOrder::ByX, 15, 35, true, 1, 3},
        {ChartPointOrder::ByX, 0, 100, true, 0, 4},
        {ChartPointOrder::ByX, 55, 60, true, 4, 4},
        {ChartPointOrder::ByY, 15, 35, true, 1, 3},
        {ChartPointOrder::None, 15, 35, true, 0, 4},
        {static_cast<ChartPointOrder>(7), 15, 35, false, 99, 99},
    };
    for (const auto& c : cases)
    {
        SLinkedSerie s;
        s.LoadKeys(KEYS);
        s.serie.store.eOrder = c.order;
        CChartAxis& axis = c.order == ChartPointOrder::ByY ? static_cast<CChartAxis&>(s.axes.y) : s.axes.x;
        axis.dMin = c.min;
        axis.dMax = c.max;
        unsigned first = 99;
        unsigned last = 99;
        EXPECT_EQ(c.ok, s.serie.VisibleIndexRange(first, last)) << c.min << ".." << c.max;
        EXPECT_EQ(c.first, first) << c.min << ".." << c.max;
        EXPECT_EQ(c.last, last) << c.min << ".." << c.max;
    }
}

TEST(ChartXYSerie, VisibleBoundsIncludeTheLastIndexAndNeedTheMatchingOrder)
{
    SLinkedSerie s;
    s.Load(KEYS, {3, -8, 7, 12, -20});
    s.axes.x.dMin = 15;
    s.axes.x.dMax = 35;  // first 1, last 3: the search stops on key 40, just outside
    double min = 0;
    double max = 0;
    ASSERT_TRUE(s.serie.YBoundsVisible(min, max));
    EXPECT_EQ(-8, min);
    EXPECT_EQ(12, max);
    EXPECT_FALSE(s.serie.XBoundsVisible(min, max));  // needs ByY
    s.serie.SetPointOrder(ChartPointOrder::ByY);
    s.axes.y.dMin = -10;
    s.axes.y.dMax = 5;
    ASSERT_TRUE(s.serie.XBoundsVisible(min, max));
    EXPECT_FALSE(s.serie.YBoundsVisible(min, max));
}

TEST(ChartXYSerie, DegenerateAxisPutsEveryPointOnItsMiddle)
{
    SLinkedSerie s;
    s.LoadKeys(KEYS);
    s.axes.x.dMin = s.axes.x.dMax = 3;
    s.axes.y.dMin = s.axes.y.dMax = 3;
    s.axes.y.nStartPixel = 901;
    s.axes.y.nEndPixel = 100;
    for (unsigned i = 0; i < 5; ++i)
    {
        const CPoint p = s.serie.IndexToPixel(i);
        EXPECT_EQ(500, p.x);
        EXPECT_EQ(901 - 400, p.y);
    }
}

TEST(ChartXYSerie, IndexToPixelMapsThroughBothAxes)
{
    SLinkedSerie s;
    s.Load({100, 250}, {50, 999});
    EXPECT_EQ(CPoint(100, 950), s.serie.IndexToPixel(0));
    EXPECT_EQ(CPoint(250, 1), s.serie.IndexToPixel(1));
}

TEST(ChartXYSerie, PointsWithoutAxesMapToTheOrigin)
{
    CChartLineSerie serie(nullptr);
    const double x[] = {5, 6};
    const double y[] = {7, 8};
    serie.ReplacePoints(x, y, 2);
    EXPECT_EQ(CPoint(0, 0), serie.IndexToPixel(1));
}

TEST(ChartXYSerie, SeriesIdsAreConsecutiveAcrossOwners)
{
    CChartLineSerie a(nullptr);
    CChartLineSerie b(nullptr);
    CChartLineSerie c(nullptr);
    EXPECT_EQ(a.nSeriesId + 1, b.nSeriesId);
    EXPECT_EQ(b.nSeriesId + 1, c.nSeriesId);
    EXPECT_EQ(c.nSeriesId + 1, g_nextSeriesId);
}

TEST(ChartXYSerie, DestroyedSeriesUnlinksItselfFromBothAxes)
{
    SIdentityAxes axes;
    {
        CChartLineSerie serie(nullptr);
        serie.pXAxis = &axes.x;
        serie.pYAxis = &axes.y;
        axes.x.LinkSeries(&serie);
        axes.y.LinkSeries(&serie);
        ASSERT_EQ(1u, axes.x.lstLinkedSeries.size());
    }
    EXPECT_TRUE(axes.x.lstLinkedSeries.empty());
    EXPECT_TRUE(axes.y.lstLinkedSeries.empty());
}

namespace
{
struct SRecordingSink : CChartSeriesMouseSink
{
    int calls = 0;
    unsigned index = 0;
    void OnSeriesMouse(ChartMouseEvent, CPoint, CChartSerie*, unsigned i) override
    {
        ++calls;
        index = i;
    }
};
}

TEST(ChartXYSerie, MouseGoesToTheSinkOnlyWhenWantedAndHit)
{
    SLinkedSerie s;
    s.Load({100, 120}, {950, 950});  // pixels (100, 50) to (120, 50)
    SRecordingSink sink;
    const CPoint onLine(104, 52);
    EXPECT_FALSE(s.serie.HandleMouse(ChartMouseEvent::LeftDown, onLine));  // no sink
    s.serie.pMouseSink = &sink;
    EXPECT_FALSE(s.serie.HandleMouse(ChartMouseEvent::Move, onLine));  // moves not wanted
    EXPECT_TRUE(s.serie.HandleMouse(ChartMouseEvent::LeftDown, onLine));
    EXPECT_EQ(0u, sink.index);
    EXPECT_FALSE(s.serie.HandleMouse(ChartMouseEvent::LeftDown, CPoint(110, 54)));  // off the line
    s.serie.bNotifyMoves = true;
    EXPECT_TRUE(s.serie.HandleMouse(ChartMouseEvent::Move, CPoint(110, 52)));
    EXPECT_EQ(0xFFFFFFFFu, sink.index);
    s.serie.bNotifyClicks = false;
    EXPECT_FALSE(s.serie.HandleMouse(ChartMouseEvent::RightUp, onLine));
    EXPECT_EQ(2, sink.calls);
}

namespace
{
struct SCountingAnnotation : CChartAnnotation
{
    std::vector<int>* order;
    int* deleted;
    SCountingAnnotation(std::vector<int>* o, int* d) : order(o), deleted(d) {}
    ~SCountingAnnotation() override { ++*deleted; }
    void Paint(CDC*, int key) override { order->push_back(key); }
};
}

TEST(ChartXYSerie, AnnotationsPaintInKeyOrderAndDieWithTheSeries)
{
    std::vector<int> order;
    int deleted = 0;
    {
        CChartLineSerie serie(nullptr);
        serie.mapAnnotations[7] = new SCountingAnnotation(&order, &deleted);
        serie.mapAnnotations[-2] = new SCountingAnnotation(&order, &deleted);
        serie.mapAnnotations[3] = nullptr;
        serie.PaintAnnotations(nullptr);
    }
    EXPECT_EQ((std::vector<int>{-2, 7}), order);
    EXPECT_EQ(2, deleted);
}
