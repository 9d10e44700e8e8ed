// The "Radar Chart" page as a user sees it: the band's text and grey, the rings and the trace.
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartTitleWnd.h"
#include "app/CRadarChartWnd.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const COLORREF kRed = RGB(255, 0, 0);

// Offset of a child window inside the top-level frame, for reading its screen pixels.
POINT OffsetInFrame(HWND frame, HWND child)
{
    POINT origin = {0, 0};
    ::ClientToScreen(child, &origin);
    RECT frameRect;
    ::GetWindowRect(frame, &frameRect);
    return POINT{origin.x - frameRect.left, origin.y - frameRect.top};
}

// Red pixels within two pixels of where the slot's value lies.
int RedNear(const WindowPixels& pixels, POINT at)
{
    const RECT area = {at.x - 2, at.y - 2, at.x + 3, at.y + 3};
    return pixels.CountColour(kRed, area);
}
}  // namespace

TEST(RadarPage, BandShowsThePlaceholderUntilTheFirstSearch)
{
    ViewHost host;
    EXPECT_STREQ("Duration:   2020-01-20  ~  2010-01-06",
                 host.View().m_pRadarWnd->m_pTitleWnd->m_strText.GetString());
}

TEST(RadarPage, BandShowsTheWholeWeekEvenForADaySearch)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ChooseWeek(false);
    host.ClickSearch();
    const CRadarChartWnd& radar = *host.View().m_pRadarWnd;
    EXPECT_STREQ("Duration:   2023-05-15  ~  2023-05-21", radar.m_pTitleWnd->m_strText.GetString());
    EXPECT_STREQ("2023-05-15", radar.m_pGraphWnd->m_strStart.GetString());
    EXPECT_STREQ("2023-05-21", radar.m_pGraphWnd->m_strEnd.GetString());
    EXPECT_STREQ("ULT-FREEZER", radar.m_pGraphWnd->m_strKindName.GetString());
    EXPECT_EQ(RADAR_MINUTES, radar.m_pGraphWnd->m_nCount);
}

TEST(RadarPage, BandAndChartFillThePage)
{
    ViewHost host;
    host.SelectTab(2);
    const CRadarChartWnd& radar = *host.View().m_pRadarWnd;
    RECT page;
    ::GetClientRect(radar.m_hWnd, &page);
    RECT band;
    ::GetWindowRect(radar.m_pTitleWnd->m_hWnd, &band);
    ::MapWindowPoints(nullptr, radar.m_hWnd, reinterpret_cast<POINT*>(&band), 2);
    RECT chart;
    ::GetWindowRect(radar.m_pGraphWnd->m_hWnd, &chart);
    ::MapWindowPoints(nullptr, radar.m_hWnd, reinterpret_cast<POINT*>(&chart), 2);
    EXPECT_EQ(0, band.top);
    EXPECT_EQ(20, band.bottom);
    EXPECT_EQ(page.right, band.right);
    EXPECT_EQ(20, chart.top);
    EXPECT_EQ(page.bottom, chart.bottom);

    WindowPixels pixels(host.Frame());
    const POINT bandAt = OffsetInFrame(host.Frame(), radar.m_pTitleWnd->m_hWnd);
    EXPECT_EQ(RGB(217, 217, 217), pixels.At(bandAt.x + page.right - 20, bandAt.y + 9));
}

TEST(RadarPage, TraceIsDrawnInRedWhereTheValuesLieAndNowhereElse)
{
    ViewHost host;
    // Monday at -50 all day; nothing for the rest of the week.
    host.Load(ConstantDayLog(2023, 5, 15, "-050.0"));
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    host.SelectTab(2);
    const CRadarChartGraphWnd& graph = *host.View().m_pRadarWnd->m_pGraphWnd;
    RECT client;
    ::GetClientRect(graph.m_hWnd, &client);
    const int cx = client.right / 2;
    const int cy = client.bottom / 2;
    const int ringStep = ScreenRingStep(client.right, client.bottom);
    const float radius = TraceRadius(-50.0f, 0, 10, static_cast<float>(ringStep) / 10.0f);  // ring 6

    WindowPixels pixels(host.Frame());
    const POINT origin = OffsetInFrame(host.Frame(), graph.m_hWnd);
    auto onScreen = [&](int slot) {
        const POINT p = TracePoint(cx, cy, graph.m_pAngles[slot], radius);
        return POINT{origin.x + p.x, origin.y + p.y};
    };
    for (int slot : {60, 360, 720, 1080, 1400})
        EXPECT_GT(RedNear(pixels, onScreen(slot)), 0) << "slot " << slot;
    // Thursday has no reading: no red there.
    for (int slot : {4000, 5000, 6000})
        EXPECT_EQ(0, RedNear(pixels, onScreen(slot))) << "slot " << slot;
    EXPECT_EQ(Gdiplus::Ok, graph.m_lastGdiplusStatus);
}

TEST(RadarPage, RingsAndSpokesAreGreyOnWhite)
{
    ViewHost host;
    host.SelectTab(2);
    const CRadarChartGraphWnd& graph = *host.View().m_pRadarWnd->m_pGraphWnd;
    RECT client;
    ::GetClientRect(graph.m_hWnd, &client);
    const int cx = client.right / 2;
    const int cy = client.bottom / 2;
    const int ringStep = ScreenRingStep(client.right, client.bottom);
    WindowPixels pixels(host.Frame());
    const POINT origin = OffsetInFrame(host.Frame(), graph.m_hWnd);
    // Ring 11 (solid) crosses the horizontal through the centre on the right; the 12 o'clock spoke
    // runs straight up.
    const RECT ring11 = {origin.x + cx + 11 * ringStep - 1, origin.y + cy - 1, origin.x + cx + 11 * ringStep + 2,
                         origin.y + cy + 2};
    EXPECT_GT(pixels.CountColour(RGB(127, 127, 127), ring11), 0);
    const RECT spoke = {origin.x + cx - 1, origin.y + cy - 5 * ringStep - ringStep / 2, origin.x + cx + 2,
                        origin.y + cy - 5 * ringStep - ringStep / 2 + 1};
    EXPECT_GT(pixels.CountColour(RGB(127, 127, 127), spoke), 0);
    // Between rings, away from spokes and labels: white.
    EXPECT_EQ(RGB(255, 255, 255), pixels.At(origin.x + cx + ringStep / 2 + 3 * ringStep, origin.y + cy + 3));
}
