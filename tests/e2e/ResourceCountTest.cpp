// Loading and searching again and again must give back every GDI and USER object it takes.
#include "ViewLogs.h"

#include <gtest/gtest.h>

TEST(ViewResources, TwoHundredLoadAndSearchCyclesLeaveObjectCountsAtBaseline)
{
    ViewHost host;
    const std::string log = WeekWithAlarmsLog();
    auto cycle = [&](int i) {
        host.Load(log, 1 + i % 3);
        host.PickDate(2023, 5, 15);
        host.ChooseWeek(i % 2 == 0);
        host.ClickSearch();
        host.SelectTab(i % 3);
    };
    for (int i = 0; i < 3; ++i)
        cycle(i);
    HANDLE process = ::GetCurrentProcess();
    const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i)
        cycle(i);
    host.SelectTab(0);
    EXPECT_EQ(gdiBefore, ::GetGuiResources(process, GR_GDIOBJECTS));
    EXPECT_EQ(userBefore, ::GetGuiResources(process, GR_USEROBJECTS));
}
