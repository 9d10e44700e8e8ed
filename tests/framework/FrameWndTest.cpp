// The frame's command gating, menu state and layout, on a frame built without resources.
#include "framework/AfxRes.h"
#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"

#include <gtest/gtest.h>
#include <commctrl.h>

namespace {

const UINT kHandled = 100;    // has a command and an update handler
const UINT kUnhandled = 101;  // has neither

class TestFrame : public CFrameWnd
{
public:
    bool m_bEnabled = false;
    int m_nRuns = 0;

protected:
    void OnDoIt() { ++m_nRuns; }
    void OnUpdateDoIt(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnabled); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_COMMAND(kHandled, OnDoIt)
    ON_UPDATE_COMMAND_UI(kHandled, OnUpdateDoIt)
END_MESSAGE_MAP()

class FrameWnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_popup = ::CreatePopupMenu();
        ::AppendMenuA(m_popup, MF_STRING, kHandled, "Handled");
        ::AppendMenuA(m_popup, MF_STRING, kUnhandled, "Unhandled");
        HMENU bar = ::CreateMenu();
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(m_popup), "Menu");
        m_frame = new TestFrame;  // deletes itself with its window
        ASSERT_TRUE(m_frame->CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, bar));
        m_hWnd = m_frame->m_hWnd;
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }

    bool Greyed(UINT id) { return (::GetMenuState(m_popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

    TestFrame* m_frame = nullptr;
    HWND m_hWnd = nullptr;
    HMENU m_popup = nullptr;
};

TEST_F(FrameWnd, MenuAndAcceleratorCommandsRunOnlyWhileTheirUpdateHandlerEnablesThem)
{
    const struct { bool enabled; WORD source; int runs; } cases[] = {
        {true, 0, 1},   // menu
        {true, 1, 1},   // accelerator
        {false, 0, 0},
        {false, 1, 0},
    };
    for (const auto& c : cases) {
        m_frame->m_bEnabled = c.enabled;
        m_frame->m_nRuns = 0;
        ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(kHandled, c.source), 0);
        EXPECT_EQ(c.runs, m_frame->m_nRuns) << "enabled " << c.enabled << ", source " << c.source;
    }
}

TEST_F(FrameWnd, OpeningAMenuGreysItemsThatAreDisabledOrHaveNoHandler)
{
    for (bool enabled : {true, false}) {
        m_frame->m_bEnabled = enabled;
        ::SendMessageA(m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_popup), 0);
        EXPECT_EQ(!enabled, Greyed(kHandled));
        EXPECT_TRUE(Greyed(kUnhandled));
    }
}

TEST_F(FrameWnd, FirstPaneFillsTheClientAreaAboveTheStatusBar)
{
    CWnd pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_frame, AFX_IDW_PANE_FIRST));
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(m_frame));
    const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    bar.SetIndicators(panes, 3);
    m_frame->RecalcLayout();
    for (SIZE size : {SIZE{400, 300}, SIZE{640, 200}}) {
        ::MoveWindow(m_hWnd, 0, 0, size.cx, size.cy, TRUE);
        CRect client, paneRect, barRect;
        ::GetClientRect(m_hWnd, &client);
        pane.GetWindowRect(&paneRect);
        bar.GetWindowRect(&barRect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&paneRect), 2);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&barRect), 2);
        EXPECT_EQ(CRect(0, 0, client.right, barRect.top), paneRect);
        EXPECT_EQ(client.bottom, barRect.bottom);
        EXPECT_EQ(client.right, barRect.right);
        EXPECT_EQ(3, bar.SendMessage(SB_GETPARTS, 0, 0));
    }
    bar.DestroyWindow();
    pane.DestroyWindow();
}

}  // namespace
