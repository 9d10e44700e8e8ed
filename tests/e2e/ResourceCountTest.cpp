// Loading and searching again and again must give back every GDI and USER object it takes.
#include "GuiObjectCount.h"
#include "ViewLogs.h"

#include <gtest/gtest.h>

TEST(ViewResources, TwoHundredLoadAndSearchCyclesLeaveObjectCountsAtBaseline)
{
    ViewHost host;
    const std::string log = WeekWithAlarmsLog();
    auto cycle = [&](int i) {
        host.Load(log, 1 + i % 3);
        host.PickDate(2023, 5, 15 + i % 3);
        host.ChooseWeek(i % 2 == 0);
        host.ClickSearch();
        host.SelectTab(i % 3);
    };
    for (int i = 0; i < 3; ++i)
        cycle(i);
    host.SelectTab(0);
    const DWORD gdiBefore = LiveGdiObjects();
    const DWORD userBefore = LiveUserObjects();
    ASSERT_GT(gdiBefore, 0u);
    ASSERT_GT(userBefore, 0u);
    for (int i = 0; i < 200; ++i)
        cycle(i);
    host.SelectTab(0);
    EXPECT_EQ(gdiBefore, LiveGdiObjects());
    EXPECT_EQ(userBefore, LiveUserObjects());
}

TEST(ViewResources, CountersSeeAGdiObjectAndAWindowComeAndGo)
{
    const DWORD gdi = LiveGdiObjects();
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_EQ(gdi + 1, LiveGdiObjects());
    ::DeleteObject(pen);
    EXPECT_EQ(gdi, LiveGdiObjects());

    const DWORD user = LiveUserObjects();
    HWND wnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_GT(LiveUserObjects(), user);
    ::DestroyWindow(wnd);
    EXPECT_EQ(user, LiveUserObjects());
}
