// Rings, spokes, labels, the radius rule and the trace walk of the radar chart.
#include "app/RadarGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
const float kNoValue = 10000.0f;

struct Segment
{
    POINT from;
    POINT to;
};

std::vector<Segment> Trace(const std::vector<float>& values, const std::vector<double>& angles, int scaleMax = 0,
                           int scaleStep = 10, float pixelsPerUnit = 3.0f)
{
    std::vector<Segment> segments;
    WalkTrace(values.data(), angles.data(), static_cast<int>(values.size()), kNoValue, 480, 360, scaleMax,
              scaleStep, pixelsPerUnit, [&](POINT a, POINT b) { segments.push_back({a, b}); });
    return segments;
}

// The angles the search writes: slot 0 just clockwise of 12 o'clock, the last slot at 12 o'clock.
std::vector<double> WeekAngles(int count)
{
    std::vector<double> angles(count);
    for (int i = 0; i < count; ++i)
        angles[count - 1 - i] = (360.0 * i / count + 90) * 0.017453292519943295;
    return angles;
}
}  // namespace

TEST(RadarGeometry, ScreenRingStepIsATwentyFourthOfTheShorterSideButAtLeastTwenty)
{
    const struct { int w, h, step; } cases[] = {
        {300, 200, 20},  // 200 / 24 = 8 is raised to 20
        {960, 720, 30},
        {720, 960, 30},
        {480, 480, 20},
        {503, 503, 20},
        {504, 600, 21},
        {0, 0, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.step, ScreenRingStep(c.w, c.h)) << c.w << " x " << c.h;
}

TEST(RadarGeometry, SpokesStartAtTwelveOClockAndTurnCounterClockwise)
{
    POINT ends[RADAR_SPOKE_COUNT];
    ComputeSpokeEnds(480, 360, 30, ends);
    const POINT expected[RADAR_SPOKE_COUNT] = {{480, 30}, {221, 154}, {158, 433}, {336, 657},
                                               {623, 657}, {801, 433}, {738, 154}};
    for (int j = 0; j < RADAR_SPOKE_COUNT; ++j)
    {
        EXPECT_EQ(expected[j].x, ends[j].x) << "spoke " << j;
        EXPECT_EQ(expected[j].y, ends[j].y) << "spoke " << j;
    }
}

TEST(RadarGeometry, FirstScreenLabelSitsLeftOfTheTopSpokeNextToRingOne)
{
    const RECT r = ScreenFirstLabelRect(480, 360, 30);
    EXPECT_EQ(397, r.left);
    EXPECT_EQ(335, r.top);
    EXPECT_EQ(477, r.right);
    EXPECT_EQ(365, r.bottom);
}

TEST(RadarGeometry, RadiusFollowsTheKindScale)
{
    const struct { float value; int max, step; float scale, radius; } cases[] = {
        {-35.0f, 0, 10, 3.0f, 135.0f},   // kind 1: 4.5 rings of 30 pixels
        {0.0f, 0, 10, 3.0f, 30.0f},      // the scale's top lies on ring 1
        {-100.0f, 0, 10, 3.0f, 330.0f},  // its bottom on ring 11
        {15.0f, 0, 10, 3.0f, 0.0f},      // warmer than the centre: the centre
        {10.0f, 0, 10, 3.0f, 0.0f},
        {-120.0f, 0, 10, 3.0f, 390.0f},  // colder than ring 11: outside it
        {5.0f, 10, 1, 30.0f, 180.0f},    // kind 3
        {-25.0f, 0, 5, 6.0f, 180.0f},    // kind 2
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(c.radius, TraceRadius(c.value, c.max, c.step, c.scale)) << c.value;
}

TEST(RadarGeometry, TracePointTruncatesTowardZeroAndZeroRadiusIsTheCentre)
{
    const double up = 90 * 0.017453292519943295;
    const double left = 180 * 0.017453292519943295;
    EXPECT_EQ(480, TracePoint(480, 360, up, 100.7f).x);
    EXPECT_EQ(260, TracePoint(480, 360, up, 100.7f).y);
    EXPECT_EQ(380, TracePoint(480, 360, left, 100.7f).x);
    POINT centre = TracePoint(480, 360, left, 0.0f);
    EXPECT_EQ(480, centre.x);
    EXPECT_EQ(360, centre.y);
}

TEST(RadarGeometry, ScaleTableHoldsTheThreeKinds)
{
    const SRadarScale expected[] = {{1, -100, 0, 10}, {2, -50, 0, 5}, {3, 0, 10, 1}};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(expected[i].nKind, g_radarScales[i].nKind);
        EXPECT_EQ(expected[i].nMin, g_radarScales[i].nMin);
        EXPECT_EQ(expected[i].nMax, g_radarScales[i].nMax);
        EXPECT_EQ(expected[i].nStep, g_radarScales[i].nStep);
        EXPECT_EQ(g_radarScales[i].nMax - 10 * g_radarScales[i].nStep, g_radarScales[i].nMin);
    }
}

TEST(RadarGeometry, PrintedPageLayoutOfA4800By6600Page)
{
    const SRadarPrintLayout l = ComputePrintLayout(4800, 6600);
    EXPECT_EQ(330, l.u);
    EXPECT_EQ(186, l.nRingStep);
    EXPECT_EQ(2400, l.cx);
    EXPECT_EQ(3960, l.cy);
    EXPECT_EQ(220, l.nTitleFontHeight);
    EXPECT_EQ(110, l.nDateFontHeight);
    EXPECT_EQ(93, l.nLabelFontHeight);
    EXPECT_EQ(660, l.rcTitle.top);
    EXPECT_EQ(990, l.rcTitle.bottom);
    EXPECT_EQ(330, l.rcDate.left);
    EXPECT_EQ(1320, l.rcDate.bottom);
    EXPECT_EQ(0, l.rcFirstLabel.left);
    EXPECT_EQ(3960 - 186 + 33, l.rcFirstLabel.top);
    EXPECT_EQ(2400 - 48, l.rcFirstLabel.right);
    EXPECT_EQ(3960, l.rcFirstLabel.bottom);
}

TEST(RadarTrace, GapsShorterThanADayAreBridgedAndADayBreaksTheLine)
{
    const struct { int gap; size_t segments; } cases[] = {{1, 1}, {1439, 1}, {1440, 0}, {5000, 0}};
    const std::vector<double> angles = WeekAngles(10080);
    for (const auto& c : cases)
    {
        std::vector<float> values(10080, kNoValue);
        values[100] = -50.0f;
        values[100 + c.gap] = -30.0f;  // another ring, so never the same pixel
        EXPECT_EQ(c.segments, Trace(values, angles).size()) << "gap " << c.gap;
    }
}

TEST(RadarTrace, FirstValuedSlotOnlyStartsTheLine)
{
    std::vector<float> values(10080, kNoValue);
    values[0] = -20.0f;
    EXPECT_TRUE(Trace(values, WeekAngles(10080)).empty());
}

TEST(RadarTrace, SlotsOnTheSamePixelDrawNothingAndTheNextSegmentStartsThere)
{
    std::vector<float> values(10080, kNoValue);
    values[10] = -50.0f;
    values[11] = -50.0f;   // one slot further on a radius of 180 pixels: same pixel
    values[600] = -50.0f;  // far enough round to move
    const std::vector<double> angles = WeekAngles(10080);
    const std::vector<Segment> segments = Trace(values, angles);
    ASSERT_EQ(1u, segments.size());
    const POINT start = TracePoint(480, 360, angles[10], 180.0f);
    EXPECT_EQ(start.x, segments[0].from.x);
    EXPECT_EQ(start.y, segments[0].from.y);
}

TEST(RadarTrace, ExactNoValueMarkerIsSkippedButNearbyValuesAreDrawn)
{
    std::vector<float> values(10080, kNoValue);
    values[0] = -50.0f;
    values[1] = 10000.0f;  // a reading of exactly 10000.0 counts as no reading
    values[720] = -40.0f;
    values[1440] = 9999.9f;
    const std::vector<Segment> segments = Trace(values, WeekAngles(10080));
    ASSERT_EQ(2u, segments.size());
    // 9999.9 lies far beyond the centre's warm side: at the centre.
    EXPECT_EQ(480, segments[1].to.x);
    EXPECT_EQ(360, segments[1].to.y);
}
