// The view as a user meets it: the controls band, its enabled states, and the tab pages.
#include "ViewLogs.h"

#include "app/CRadarChartWnd.h"
#include "app/CTemperatureChartWnd.h"
#include "app/CTemperatureGridWnd.h"

#include <gtest/gtest.h>

namespace
{
RECT ChildRect(HWND child)
{
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

std::string WindowText(HWND hWnd)
{
    char text[64] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

bool Enabled(const CWnd& wnd) { return ::IsWindowEnabled(wnd.m_hWnd) != FALSE; }
bool Visible(const CWnd* wnd) { return ::IsWindowVisible(wnd->m_hWnd) != FALSE; }
}  // namespace

TEST(ViewWindow, BandControlsHaveTheirCaptionsPlacesAndStyles)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    const struct { const CWnd* control; const char* caption; RECT rect; DWORD style; int id; } cases[] = {
        {&view.m_btnDay, "Day", {190, 35, 240, 55}, 0x50020009, 101},
        {&view.m_btnWeek, "Week", {260, 35, 320, 55}, 0x50000009, 102},
        {&view.m_btnPrint, "Print", {380, 35, 450, 55}, 0x50020000, 111},
        {&view.m_btnSearch, "Search", {460, 35, 530, 55}, 0x50020000, 112},
        {&view.m_btnFile, "File", {540, 35, 610, 55}, 0x50000000, 113},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.caption, WindowText(c.control->m_hWnd));
        ExpectRect(c.rect, ChildRect(c.control->m_hWnd), c.caption);
        // Disabling adds WS_DISABLED, and checking a radio button gives it WS_TABSTOP.
        EXPECT_EQ(c.style, ::GetWindowLongA(c.control->m_hWnd, GWL_STYLE) & ~(WS_DISABLED | WS_TABSTOP)) << c.caption;
        EXPECT_EQ(c.id, ::GetDlgCtrlID(c.control->m_hWnd)) << c.caption;
    }
    ExpectRect({50, 35, 150, 55}, ChildRect(view.m_dateCtrl.m_hWnd), "picker");
    EXPECT_EQ(100, ::GetDlgCtrlID(view.m_dateCtrl.m_hWnd));
    EXPECT_EQ(200, ::GetDlgCtrlID(view.m_tabCtrl.m_hWnd));
    EXPECT_TRUE(::GetWindowLongA(view.m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(::GetWindowLongA(view.m_hWnd, GWL_STYLE) & WS_BORDER);
}

TEST(ViewWindow, BeforeAnyFileSearchAndPrintAreGreyedDayIsCheckedAndThePickerShowsToday)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    EXPECT_FALSE(Enabled(view.m_btnPrint));
    EXPECT_FALSE(Enabled(view.m_btnSearch));
    EXPECT_TRUE(Enabled(view.m_btnFile));
    EXPECT_EQ(BST_CHECKED, view.m_btnDay.GetCheck());
    EXPECT_EQ(BST_UNCHECKED, view.m_btnWeek.GetCheck());
    SYSTEMTIME picked = {};
    SYSTEMTIME today = {};
    ASSERT_EQ(static_cast<DWORD>(GDT_VALID), view.m_dateCtrl.GetTime(&picked));
    ::GetLocalTime(&today);
    EXPECT_EQ(today.wYear, picked.wYear);
    EXPECT_EQ(today.wMonth, picked.wMonth);
    EXPECT_EQ(today.wDay, picked.wDay);
    EXPECT_TRUE(Visible(view.m_pGridWnd));
    EXPECT_FALSE(Visible(view.m_pChartWnd));
    EXPECT_FALSE(Visible(view.m_pRadarWnd));
    EXPECT_EQ(0, view.m_tabCtrl.GetCurSel());
}

TEST(ViewWindow, DayAndWeekExcludeEachOther)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    host.ChooseWeek(true);
    EXPECT_EQ(BST_UNCHECKED, view.m_btnDay.GetCheck());
    EXPECT_EQ(BST_CHECKED, view.m_btnWeek.GetCheck());
    host.ChooseWeek(false);
    EXPECT_EQ(BST_CHECKED, view.m_btnDay.GetCheck());
    EXPECT_EQ(BST_UNCHECKED, view.m_btnWeek.GetCheck());
}

TEST(ViewWindow, PrintFollowsWhetherTheStartDayHasRecords)
{
    const struct { int day; bool week; bool printEnabled; } cases[] = {
        {15, false, true},   // records on the start day
        {16, false, false},  // none on the start day
        {16, true, false},   // a week with records, but none on its first day
        {17, true, true},
    };
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    EXPECT_TRUE(Enabled(host.View().m_btnSearch));
    for (const auto& c : cases)
    {
        host.PickDate(2023, 5, c.day);
        host.ChooseWeek(c.week);
        host.ClickSearch();
        EXPECT_EQ(c.printEnabled, Enabled(host.View().m_btnPrint)) << "day " << c.day << " week " << c.week;
    }
}

TEST(ViewWindow, TabsAreDocGraphAndRadarChart)
{
    ViewHost host;
    CUserTabCtrl& tabs = host.View().m_tabCtrl;
    ASSERT_EQ(3, tabs.GetItemCount());
    const char* titles[] = {"DOC", "GRAPH", "Radar Chart"};
    for (int i = 0; i < 3; ++i)
    {
        char text[32] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        tabs.GetItem(i, &item);
        EXPECT_STREQ(titles[i], item.pszText);
    }
    EXPECT_TRUE(tabs.GetStyle() & TCS_OWNERDRAWFIXED);

    // The pages are children of the tab control; the graph and radar pages are framed.
    CTempDegreeContainer& view = host.View();
    const struct { const CWnd* page; int id; DWORD border; } pages[] = {
        {view.m_pGridWnd, 100, 0}, {view.m_pChartWnd, 101, WS_BORDER}, {view.m_pRadarWnd, 102, WS_BORDER}};
    for (const auto& p : pages)
    {
        EXPECT_EQ(tabs.m_hWnd, ::GetParent(p.page->m_hWnd));
        EXPECT_EQ(p.id, ::GetDlgCtrlID(p.page->m_hWnd));
        EXPECT_EQ(p.border, ::GetWindowLongA(p.page->m_hWnd, GWL_STYLE) & WS_BORDER);
        EXPECT_EQ(p.page, tabs.m_pPages[p.id - 100]);
    }
    EXPECT_EQ(&view, view.m_pGridWnd->m_pContainer);
}

TEST(ViewWindow, ClickingATabShowsItsPageInThePageRectangleAndHidesTheOthers)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    const CWnd* pages[] = {view.m_pGridWnd, view.m_pChartWnd, view.m_pRadarWnd};
    const int order[] = {1, 1, 2, 0};
    for (int index : order)
    {
        host.SelectTab(index);
        EXPECT_EQ(index, view.m_tabCtrl.m_nCurPage);
        for (int p = 0; p < 3; ++p)
            EXPECT_EQ(p == index, Visible(pages[p])) << "tab " << index << " page " << p;
        RECT client;
        ::GetClientRect(view.m_tabCtrl.m_hWnd, &client);
        ExpectRect(CUserTabCtrl::PageRect(client), ChildRect(pages[index]->m_hWnd), "page");
    }
}

TEST(ViewWindow, ResizingPlacesTheTabControlAndEveryPageHiddenOrNot)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    const struct { int width, height; } sizes[] = {{800, 600}, {1200, 760}, {640, 480}};
    for (const auto& size : sizes)
    {
        host.Resize(size.width, size.height);
        RECT viewClient;
        ::GetClientRect(view.m_hWnd, &viewClient);
        ExpectRect({0, 60, viewClient.right, viewClient.bottom}, ChildRect(view.m_tabCtrl.m_hWnd), "tabs");
        RECT tabClient;
        ::GetClientRect(view.m_tabCtrl.m_hWnd, &tabClient);
        const RECT page = CUserTabCtrl::PageRect(tabClient);
        ExpectRect(page, ChildRect(view.m_pGridWnd->m_hWnd), "grid");
        ExpectRect(page, ChildRect(view.m_pChartWnd->m_hWnd), "chart");
        ExpectRect(page, ChildRect(view.m_pRadarWnd->m_hWnd), "radar");
        // The band's controls never move.
        ExpectRect({460, 35, 530, 55}, ChildRect(view.m_btnSearch.m_hWnd), "search");
    }
}
