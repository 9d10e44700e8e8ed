// The "Radar Chart" page as a user sees it: the band's text and grey, the rings and the trace.
// Pictures are drawn by the windows' own drawing into a bitmap of the window's size, so other
// windows on the shared test screen cannot spoil them.
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartTitleWnd.h"
#include "app/CRadarChartWnd.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGrey = RGB(127, 127, 127);

CRect ClientOf(const CWnd& wnd)
{
    CRect client;
    wnd.GetClientRect(&client);
    return client;
}

RECT Around(POINT at, int reach)
{
    return RECT{at.x - reach, at.y - reach, at.x + reach + 1, at.y + reach + 1};
}

RECT ChildRectIn(HWND child, HWND parent)
{
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What the band shows after a search, as the screen would have it: its next paint redraws only
// its update region, so outside that region the picture from before the search stays.
struct BandAfterSearch
{
    int changed = 0;  // pixels a full repaint would change
    int stale = 0;    // of those, pixels that the search leaves to the old picture
};

BandAfterSearch ClickSearchOnTheBand(ViewHost& host)
{
    CRadarChartTitleWnd& band = *host.View().m_pRadarWnd->m_pTitleWnd;
    const CRect client = ClientOf(band);
    DibPixels before(client.Width(), client.Height());
    band.Draw(before.Dc(), client);
    ::SendMessageA(host.View().m_btnSearch.m_hWnd, BM_CLICK, 0, 0);  // no repaint of everything
    HRGN update = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(band.m_hWnd, update, FALSE);
    DibPixels after(client.Width(), client.Height());
    band.Draw(after.Dc(), client);
    BandAfterSearch result;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            if (before.At(x, y) != after.At(x, y))
            {
                ++result.changed;
                result.stale += ::PtInRegion(update, x, y) ? 0 : 1;
            }
    ::DeleteObject(update);
    return result;
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

TEST(RadarPage, BandShowsTheNewWeekRightAfterASecondSearch)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    host.SelectTab(2);
    host.PickDate(2023, 5, 17);
    const BandAfterSearch shown = ClickSearchOnTheBand(host);
    ASSERT_STREQ("Duration:   2023-05-17  ~  2023-05-23",
                 host.View().m_pRadarWnd->m_pTitleWnd->m_strText.GetString());
    EXPECT_GT(shown.changed, 0);
    EXPECT_EQ(0, shown.stale) << "the band still shows the previous week";
}

TEST(RadarPage, BandIsATwentyPixelGreyStripAboveTheChart)
{
    ViewHost host;
    host.SelectTab(2);
    CRadarChartWnd& radar = *host.View().m_pRadarWnd;
    const CRect page = ClientOf(radar);
    const RECT band = ChildRectIn(radar.m_pTitleWnd->m_hWnd, radar.m_hWnd);
    const RECT chart = ChildRectIn(radar.m_pGraphWnd->m_hWnd, radar.m_hWnd);
    EXPECT_EQ(0, band.top);
    EXPECT_EQ(20, band.bottom);
    EXPECT_EQ(page.right, band.right);
    EXPECT_EQ(20, chart.top);
    EXPECT_EQ(page.bottom, chart.bottom);

    const CRect bandClient = ClientOf(*radar.m_pTitleWnd);
    DibPixels pixels(bandClient.Width(), bandClient.Height());
    radar.m_pTitleWnd->Draw(pixels.Dc(), bandClient);
    EXPECT_EQ(RGB(217, 217, 217), pixels.At(bandClient.right - 5, bandClient.Height() / 2));
    // The text starts 10 pixels in: black glyph pixels there, none in the margin.
    const RECT margin = {0, 0, 10, bandClient.bottom};
    const RECT text = {10, 0, 80, bandClient.bottom};
    EXPECT_EQ(0, pixels.CountColour(RGB(0, 0, 0), margin));
    EXPECT_GT(pixels.CountColour(RGB(0, 0, 0), text), 0);
}

TEST(RadarPage, TraceIsDrawnInRedWhereTheValuesLieAndNowhereElse)
{
    ViewHost host;
    // Monday at -50 all day; nothing for the rest of the week.
    host.Load(ConstantDayLog(2023, 5, 15, "-050.0"));
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    host.SelectTab(2);
    CRadarChartGraphWnd& graph = *host.View().m_pRadarWnd->m_pGraphWnd;
    const CRect client = ClientOf(graph);
    const int cx = client.Width() / 2;
    const int cy = client.Height() / 2;
    const int ringStep = ScreenRingStep(client.Width(), client.Height());
    const float radius = TraceRadius(-50.0f, 0, 10, static_cast<float>(ringStep) / 10.0f);  // ring 6

    DibPixels pixels(client.Width(), client.Height());
    graph.DrawChart(pixels.Dc(), client);
    EXPECT_EQ(Gdiplus::Ok, graph.m_lastGdiplusStatus);
    auto at = [&](int slot) { return TracePoint(cx, cy, graph.m_pAngles[slot], radius); };
    for (int slot : {60, 360, 720, 1080, 1400})
        EXPECT_GT(pixels.CountColour(kRed, Around(at(slot), 1)), 0) << "slot " << slot;
    // Thursday has no reading: no red there.
    for (int slot : {4000, 5000, 6000})
        EXPECT_EQ(0, pixels.CountColour(kRed, Around(at(slot), 2))) << "slot " << slot;
    // Nothing red off the ring.
    EXPECT_EQ(0, pixels.CountColour(kRed, Around(POINT{cx, cy}, ringStep)));
}

TEST(RadarPage, RingsSpokesAndLabelsOnWhite)
{
    ViewHost host;
    host.SelectTab(2);
    CRadarChartGraphWnd& graph = *host.View().m_pRadarWnd->m_pGraphWnd;
    const CRect client = ClientOf(graph);
    const int cx = client.Width() / 2;
    const int cy = client.Height() / 2;
    const int ringStep = ScreenRingStep(client.Width(), client.Height());
    DibPixels pixels(client.Width(), client.Height());
    graph.DrawChart(pixels.Dc(), client);
    EXPECT_EQ(Gdiplus::Ok, graph.m_lastGdiplusStatus);

    // Ring 11 (solid) crosses the horizontal through the centre on the right and left.
    EXPECT_GT(pixels.CountColour(kGrey, Around(POINT{cx + 11 * ringStep, cy}, 1)), 0);
    EXPECT_GT(pixels.CountColour(kGrey, Around(POINT{cx - 11 * ringStep, cy}, 1)), 0);
    // The 12 o'clock spoke runs straight up to ring 11.
    for (int k : {2, 5, 10})
        EXPECT_GT(pixels.CountColour(kGrey, Around(POINT{cx, cy - k * ringStep - ringStep / 2}, 1)), 0) << k;
    // Between rings, away from spokes and labels: white.
    EXPECT_EQ(RGB(255, 255, 255), pixels.At(cx + 3 * ringStep + ringStep / 2, cy + 3));
    // Labels sit right-aligned left of the spoke: black text in label 0's rectangle, none right of it.
    const RECT label0 = ScreenFirstLabelRect(cx, cy, ringStep);
    EXPECT_GT(pixels.CountColour(RGB(0, 0, 0), label0), 0);
    const RECT rightOfSpoke = {cx + 2, label0.top, cx + 80, label0.bottom};
    EXPECT_EQ(0, pixels.CountColour(RGB(0, 0, 0), rightOfSpoke));
}
