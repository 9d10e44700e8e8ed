// The tab control's page rectangle, its add and select rules, and title shortening.
#include "app/CUserTabCtrl.h"

#include "framework/CDC.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <vector>

namespace
{
class TabFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&icc);
        m_hHost = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                    nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_OWNERDRAWFIXED, CRect(0, 60, 500, 360),
                                  CWnd::FromHandle(m_hHost), 200));
    }

    void TearDown() override
    {
        m_tabs.DestroyWindow();
        ::DestroyWindow(m_hHost);
    }

    CTabCtrlChildWnd* NewPage(DWORD style)
    {
        m_pages.push_back(std::make_unique<CTabCtrlChildWnd>());
        m_pages.back()->Create(nullptr, "", WS_CHILD | style, CRect(0, 0, 0, 0), &m_tabs, 100);
        return m_pages.back().get();
    }

    static bool Visible(const CWnd* page) { return ::IsWindowVisible(page->m_hWnd) != FALSE; }

    HWND m_hHost = nullptr;
    CUserTabCtrl m_tabs;
    std::vector<std::unique_ptr<CTabCtrlChildWnd>> m_pages;
};

RECT PlacedRect(const CWnd* page)
{
    RECT rect;
    ::GetWindowRect(page->m_hWnd, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(page->m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
}  // namespace

TEST(UserTabCtrlPageRect, PageIsTheClientInsetByTenAndThirtyAtTheTop)
{
    const struct { RECT client, page; } cases[] = {
        {{0, 0, 500, 300}, {10, 30, 490, 290}},
        {{0, 0, 1264, 640}, {10, 30, 1254, 630}},
        {{0, 0, 15, 20}, {10, 30, 5, 10}},  // smaller than the insets: an empty page
    };
    for (const auto& c : cases)
    {
        const RECT page = CUserTabCtrl::PageRect(c.client);
        EXPECT_EQ(c.page.left, page.left);
        EXPECT_EQ(c.page.top, page.top);
        EXPECT_EQ(c.page.right, page.right);
        EXPECT_EQ(c.page.bottom, page.bottom);
    }
}

TEST_F(TabFixture, CreationMakesZeroCurrentWithoutAnyPage)
{
    EXPECT_EQ(0, m_tabs.m_nCurPage);
    EXPECT_EQ(static_cast<COLORREF>(0xFFFFFFFF), m_tabs.m_crInactive);
}

TEST_F(TabFixture, AnEleventhPageIsRefusedAndAddsNoTab)
{
    for (int i = 0; i < TAB_MAX_PAGES; ++i)
        EXPECT_TRUE(m_tabs.AddPage("page", NewPage(0)));
    EXPECT_FALSE(m_tabs.AddPage("one too many", NewPage(0)));
    EXPECT_EQ(TAB_MAX_PAGES, m_tabs.GetItemCount());
}

TEST_F(TabFixture, AddingNeitherMovesNorShowsThePage)
{
    CTabCtrlChildWnd* hidden = NewPage(0);
    m_tabs.AddPage("A", hidden);
    EXPECT_FALSE(Visible(hidden));
    EXPECT_EQ(0, PlacedRect(hidden).right);
}

TEST_F(TabFixture, SelectingShowsTheNewPageInPlaceAndHidesTheOld)
{
    CTabCtrlChildWnd* first = NewPage(WS_VISIBLE);
    CTabCtrlChildWnd* second = NewPage(0);
    m_tabs.AddPage("first", first);
    m_tabs.AddPage("second", second);
    EXPECT_TRUE(m_tabs.SelectPage(0));  // already current: nothing happens
    EXPECT_EQ(0, PlacedRect(first).right);

    EXPECT_TRUE(m_tabs.SelectPage(1));
    EXPECT_TRUE(Visible(second));
    EXPECT_FALSE(Visible(first));
    EXPECT_EQ(1, m_tabs.GetCurSel());
    RECT client;
    m_tabs.GetClientRect(&client);
    const RECT expected = CUserTabCtrl::PageRect(client);
    const RECT placed = PlacedRect(second);
    EXPECT_EQ(expected.left, placed.left);
    EXPECT_EQ(expected.top, placed.top);
    EXPECT_EQ(expected.right, placed.right);
    EXPECT_EQ(expected.bottom, placed.bottom);
}

TEST_F(TabFixture, IndexesPastTheSlotsAreRefusedAndChangeNothing)
{
    m_tabs.AddPage("first", NewPage(WS_VISIBLE));
    for (UINT index : {10u, 11u, static_cast<UINT>(-1)})
    {
        EXPECT_FALSE(m_tabs.SelectPage(index));
        EXPECT_EQ(0, m_tabs.m_nCurPage);
    }
}

TEST_F(TabFixture, AnEmptySlotStillBecomesCurrentAndHidesTheShowingPage)
{
    CTabCtrlChildWnd* first = NewPage(WS_VISIBLE);
    m_tabs.AddPage("first", first);
    EXPECT_TRUE(m_tabs.SelectPage(5));
    EXPECT_EQ(5, m_tabs.m_nCurPage);
    EXPECT_FALSE(Visible(first));
}

TEST_F(TabFixture, ResizingPlacesEveryPageShownOrHidden)
{
    CTabCtrlChildWnd* first = NewPage(WS_VISIBLE);
    CTabCtrlChildWnd* second = NewPage(0);
    m_tabs.AddPage("first", first);
    m_tabs.AddPage("second", second);
    m_tabs.MoveWindow(0, 60, 420, 250);
    for (const CWnd* page : {static_cast<const CWnd*>(first), static_cast<const CWnd*>(second)})
    {
        const RECT placed = PlacedRect(page);
        EXPECT_EQ(10, placed.left);
        EXPECT_EQ(30, placed.top);
        EXPECT_EQ(410, placed.right);
        EXPECT_EQ(240, placed.bottom);
    }
}

TEST(FitTextToWidth, TextThatFitsIsKeptAndWiderTextEndsInAnEllipsis)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HFONT font = ::CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ old = ::SelectObject(dc.m_hDC, font);

    CString fits("DOC");
    const SIZE fitsSize = FitTextToWidth(fits, &dc, 200);
    EXPECT_STREQ("DOC", fits.GetString());
    EXPECT_GT(fitsSize.cx, 0);

    CString wide("Radar Chart of the whole week");
    const SIZE wideSize = FitTextToWidth(wide, &dc, 60);
    EXPECT_LT(wide.GetLength(), 29);
    ASSERT_GE(wide.GetLength(), 3);
    EXPECT_STREQ("...", wide.Mid(wide.GetLength() - 3).GetString());
    EXPECT_LE(wideSize.cx, 60);

    ::SelectObject(dc.m_hDC, old);
    ::DeleteObject(font);
}
