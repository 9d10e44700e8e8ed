// The "GRAPH" tab after a search, as the user sees it: the day's line in red over the time axis.
#include "ViewLogs.h"

#include "app/CTemperatureChartWnd.h"
#include "chart/ChartCtrl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{
// A day at 10 minutes: cold at night, warmer at noon.
std::string DayAtTenMinutes()
{
    std::string log = LogHeader(2023, 5, 15, 0, 0, 10);
    for (int slot = 0; slot < 144; ++slot)
    {
        char temperature[8];
        std::snprintf(temperature, sizeof(temperature), "%06.1f", -80.0 + (slot < 72 ? slot : 143 - slot) * 0.5);
        log += LogData(temperature, 0, 0);
    }
    return log;
}

// Pixels of a colour in the chart's off-screen picture (what its WM_PAINT copies to the screen).
int CountInPicture(CChartCtrl& chart, COLORREF colour, RECT* extent)
{
    RECT client;
    ::GetClientRect(chart.GetSafeHwnd(), &client);
    HDC picture = chart.dcBuffer.GetSafeHdc();
    int count = 0;
    ::SetRect(extent, client.right, client.bottom, 0, 0);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (::GetPixel(picture, x, y) == colour)
            {
                ++count;
                extent->left = std::min<LONG>(extent->left, x);
                extent->right = std::max<LONG>(extent->right, x);
                extent->top = std::min<LONG>(extent->top, y);
                extent->bottom = std::max<LONG>(extent->bottom, y);
            }
    return count;
}
}  // namespace

TEST(GraphTab, ShowsTheDaysLineInRedAcrossThePlot)
{
    ViewHost host;
    host.Load(DayAtTenMinutes());
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    host.SelectTab(1);
    CChartCtrl* chart = host.View().m_pChartWnd->m_pChart;
    ASSERT_NE(nullptr, chart);
    ASSERT_NE(nullptr, chart->dcBuffer.GetSafeHdc());
    RECT client;
    ::GetClientRect(chart->GetSafeHwnd(), &client);
    RECT line;
    EXPECT_GT(CountInPicture(*chart, RGB(255, 0, 0), &line), 144);
    // The line spans most of the day's width and rises from the bottom half to the middle.
    EXPECT_GT(line.right - line.left, client.right * 2 / 3);
    EXPECT_GT(line.bottom, client.bottom / 2);
    // The line stays inside the picture's plot, clear of the axes' labels.
    EXPECT_GT(line.left, 20);
}
