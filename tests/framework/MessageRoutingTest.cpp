#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Exceptions.h"

#include "MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kBaseCommand = 101;
constexpr UINT kRangeFirst = 300;
constexpr UINT kRangeLast = 310;
constexpr UINT kUpdatedCommand = 400;
constexpr UINT kUnhandledCommand = 401;
constexpr UINT kPlainButton = 200;
constexpr UINT kReflectingButton = 201;
constexpr UINT kNotifier = 203;
constexpr UINT WM_CUSTOM = WM_APP + 1;
constexpr UINT WM_THROW = WM_APP + 2;
constexpr UINT WM_THROW_STD = WM_APP + 3;

std::vector<std::string> g_log;

class BaseWnd : public CWnd
{
public:
    BOOL CreateTopLevel()
    {
        return CreateEx(0, nullptr, "routing", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
    }

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        g_log.push_back("Base.OnCreate");
        return CWnd::OnCreate(cs);
    }
    void OnSize(UINT, int, int) { g_log.push_back("Base.OnSize"); }
    void OnTimer(UINT_PTR id) { g_log.push_back("Base.OnTimer " + std::to_string(id)); }
    void OnBaseCommand() { g_log.push_back("Base.OnBaseCommand"); }
    void OnPlainClicked() { g_log.push_back("Base.OnPlainClicked"); }
    void OnReflectingClicked() { g_log.push_back("Base.OnReflectingClicked"); }
    LRESULT OnCustom(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_COMMAND(kBaseCommand, OnBaseCommand)
    ON_BN_CLICKED(kPlainButton, OnPlainClicked)
    ON_BN_CLICKED(kReflectingButton, OnReflectingClicked)
    ON_MESSAGE(WM_CUSTOM, OnCustom)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd
{
public:
    BOOL m_bEnableUpdated = FALSE;
    bool m_bThrowInCreate = false;

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (m_bThrowInCreate)
            AfxThrowResourceException();
        return BaseWnd::OnCreate(cs);
    }
    void OnSize(UINT, int cx, int cy) { g_log.push_back("Derived.OnSize " + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnRange(UINT id) { g_log.push_back("Derived.OnRange " + std::to_string(id)); }
    void OnUpdateCommand(CCmdUI* cmdUI) { cmdUI->Enable(m_bEnableUpdated); }
    void OnSelChange(NMHDR* header, LRESULT* result)
    {
        g_log.push_back("Derived.OnSelChange " + std::to_string(header->idFrom));
        *result = 7;
    }
    LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowInvalidArgException(); }
    LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("standard failure"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND_RANGE(kRangeFirst, kRangeLast, OnRange)
    ON_UPDATE_COMMAND_UI(kUpdatedCommand, OnUpdateCommand)
    ON_NOTIFY(TCN_SELCHANGE, kNotifier, OnSelChange)
    ON_MESSAGE(WM_THROW, OnThrow)
    ON_MESSAGE(WM_THROW_STD, OnThrowStd)
END_MESSAGE_MAP()

// A push button that answers its own click and selection notifications (reflection) and
// draws itself (owner-draw reflection).
class ReflectingButton : public CWnd
{
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem) { g_log.push_back("Button.DrawItem " + std::to_string(drawItem->CtlID)); }

protected:
    void OnReflectedClick() { g_log.push_back("Button.OnReflectedClick"); }
    void OnReflectedSelChange(NMHDR*, LRESULT* result)
    {
        g_log.push_back("Button.OnReflectedSelChange");
        *result = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnReflectedSelChange)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

class SelfDeletingWnd : public CWnd
{
public:
    static int s_deleted;
    ~SelfDeletingWnd() override { ++s_deleted; }

protected:
    void PostNcDestroy() override { delete this; }
};

int SelfDeletingWnd::s_deleted = 0;

class MessageRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(m_wnd.CreateTopLevel());
        g_log.clear();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    DerivedWnd m_wnd;
};

NMHDR Notification(HWND from, UINT id, UINT code)
{
    NMHDR header = {};
    header.hwndFrom = from;
    header.idFrom = id;
    header.code = code;
    return header;
}

}  // namespace

TEST(MessageRoutingCreation, WindowIsRoutedFromItsFirstMessageOn)
{
    g_log.clear();
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    ASSERT_FALSE(g_log.empty());
    EXPECT_EQ("Base.OnCreate", g_log.front());
    const HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(MessageRouting, DerivedHandlerWinsOverTheBaseOne)
{
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    EXPECT_EQ(std::vector<std::string>{"Derived.OnSize 120x80"}, g_log);
}

TEST_F(MessageRouting, BaseMapIsReachedForMessagesTheDerivedClassLeaves)
{
    m_wnd.SendMessage(WM_TIMER, 42);
    EXPECT_EQ(84, m_wnd.SendMessage(WM_CUSTOM, 42));
    EXPECT_EQ(std::vector<std::string>{"Base.OnTimer 42"}, g_log);
}

TEST_F(MessageRouting, UnhandledMessagesGetTheDefaultProcessing)
{
    m_wnd.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("set by default"));
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_EQ("set by default", text);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(MessageRouting, CommandsReachTheirHandlersByIdAndRange)
{
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kBaseCommand, 0));
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kRangeFirst, 0));
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kRangeLast, 1));  // accelerator
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kRangeLast + 1, 0));
    EXPECT_EQ((std::vector<std::string>{"Base.OnBaseCommand", "Derived.OnRange 300", "Derived.OnRange 310"}), g_log);
}

TEST_F(MessageRouting, ButtonClickReachesTheParentsHandler)
{
    CWnd button;
    ASSERT_TRUE(button.Create("BUTTON", "plain", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 20), &m_wnd, kPlainButton));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(std::vector<std::string>{"Base.OnPlainClicked"}, g_log);
}

TEST_F(MessageRouting, SubclassedControlKeepsItsOwnBehaviour)
{
    CWnd check;
    ASSERT_TRUE(check.Create("BUTTON", "check", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 60, 20), &m_wnd, 250));
    EXPECT_NE(nullptr, check.m_pfnSuper);
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));
}

TEST_F(MessageRouting, NotificationsAreReflectedToTheControlFirst)
{
    ReflectingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "own", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 20), &m_wnd, kReflectingButton));
    g_log.clear();

    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kReflectingButton, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd));

    NMHDR header = Notification(button.m_hWnd, kReflectingButton, TCN_SELCHANGE);
    EXPECT_EQ(5, m_wnd.SendMessage(WM_NOTIFY, kReflectingButton, reinterpret_cast<LPARAM>(&header)));

    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kReflectingButton;
    draw.hwndItem = button.m_hWnd;
    draw.hDC = ::GetDC(button.m_hWnd);
    EXPECT_EQ(TRUE, m_wnd.SendMessage(WM_DRAWITEM, kReflectingButton, reinterpret_cast<LPARAM>(&draw)));
    ::ReleaseDC(button.m_hWnd, draw.hDC);

    EXPECT_EQ((std::vector<std::string>{"Button.OnReflectedClick", "Button.OnReflectedSelChange",
                                        "Button.DrawItem 201"}),
              g_log);
}

TEST_F(MessageRouting, NotificationFromAPlainChildReachesTheParentsMap)
{
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 10, 10), &m_wnd, kNotifier));
    NMHDR header = Notification(child.m_hWnd, kNotifier, TCN_SELCHANGE);
    EXPECT_EQ(7, m_wnd.SendMessage(WM_NOTIFY, kNotifier, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(std::vector<std::string>{"Derived.OnSelChange 203"}, g_log);
}

TEST_F(MessageRouting, UpdateHandlersSetTheStateOfMenuItems)
{
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, kUpdatedCommand, "updated");
    ::AppendMenuA(menu, MF_STRING, kUnhandledCommand, "unhandled");
    ::AppendMenuA(menu, MF_STRING, kBaseCommand, "handled");
    const struct {
        UINT id;
        UINT index;
        BOOL enableUpdated;
        bool grayed;
    } cases[] = {
        {kUpdatedCommand, 0, FALSE, true},
        {kUpdatedCommand, 0, TRUE, false},
        {kUnhandledCommand, 1, TRUE, true},
        {kBaseCommand, 2, TRUE, false},
    };
    for (const auto& c : cases) {
        m_wnd.m_bEnableUpdated = c.enableUpdated;
        CCmdUI state;
        state.m_nID = c.id;
        state.m_nIndex = c.index;
        state.m_hMenu = menu;
        state.DoUpdate(&m_wnd, TRUE);
        const bool grayed = (::GetMenuState(menu, c.index, MF_BYPOSITION) & MF_GRAYED) != 0;
        EXPECT_EQ(c.grayed, grayed) << c.id << " " << c.enableUpdated;
    }
    ::DestroyMenu(menu);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(MessageRouting, ExceptionInAHandlerIsReportedAndTheWindowLivesOn)
{
    const struct {
        UINT message;
        const char* text;
    } cases[] = {
        {WM_THROW, "An argument was not valid."},
        {WM_THROW_STD, "standard failure"},
    };
    for (const auto& c : cases) {
        MessageBoxCatcher catcher;
        EXPECT_EQ(0, m_wnd.SendMessage(c.message));
        EXPECT_EQ(1, catcher.Count());
        EXPECT_EQ(c.text, catcher.Text());
        EXPECT_EQ("KELVORO", catcher.Caption());
    }
    EXPECT_TRUE(::IsWindow(m_wnd.m_hWnd));
    EXPECT_EQ(84, m_wnd.SendMessage(WM_CUSTOM, 42));
}

TEST(MessageRoutingCreation, ExceptionInTheCreationHandlerFailsTheCreation)
{
    MessageBoxCatcher catcher;
    DerivedWnd wnd;
    wnd.m_bThrowInCreate = true;
    EXPECT_FALSE(wnd.CreateTopLevel());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, catcher.Count());
    EXPECT_EQ("A system resource could not be obtained.", catcher.Text());
}

TEST(MessageRoutingCreation, HeapWindowDeletesItselfAfterItsLastMessage)
{
    SelfDeletingWnd::s_deleted = 0;
    auto* wnd = new SelfDeletingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd->DestroyWindow();
    EXPECT_EQ(1, SelfDeletingWnd::s_deleted);
}

TEST(MessageRoutingCreation, ForeignWindowsGetATemporaryWrapperUntilIdle)
{
    HWND foreign = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, foreign);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    CWnd* wrapper = CWnd::FromHandle(foreign);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(foreign, wrapper->m_hWnd);
    EXPECT_EQ(wrapper, CWnd::FromHandle(foreign));
    CWnd::DeleteTempMap();
    // The wrapper never owned the window.
    EXPECT_TRUE(::IsWindow(foreign));
    ::DestroyWindow(foreign);
}

TEST(MessageRoutingCreation, DestroyingTheMainWindowEndsTheMessageLoop)
{
    CWinApp app("routing test");
    auto* wnd = new DerivedWnd;
    ASSERT_TRUE(wnd->CreateTopLevel());
    app.m_pMainWnd = wnd;
    wnd->DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg = {};
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    delete wnd;
}

namespace {

class IdleCountingWnd : public DerivedWnd
{
public:
    int m_idleUpdates = 0;

protected:
    LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++m_idleUpdates;
        PostMessage(WM_CLOSE);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IdleCountingWnd, DerivedWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

}  // namespace

TEST(MessageRoutingCreation, MessageLoopUpdatesWhenIdleAndEndsWithTheMainWindow)
{
    CWinApp app("loop test");
    IdleCountingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.ShowWindow(SW_SHOWNOACTIVATE);
    app.m_pMainWnd = &wnd;
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_GE(wnd.m_idleUpdates, 1);
}

TEST(WindowGeometry, CenterWindowUsesTheWorkAreaWithoutAVisibleOwnerAndTheParentForChildren)
{
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    popup.CenterWindow();
    CRect rect;
    popup.GetWindowRect(&rect);
    EXPECT_EQ((work.left + work.right) / 2 - 100, rect.left);
    EXPECT_EQ((work.top + work.bottom) / 2 - 50, rect.top);

    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 40, 20), &popup, 1));
    child.CenterWindow();
    CRect client;
    popup.GetClientRect(&client);
    child.GetWindowRect(&rect);
    popup.ScreenToClient(&rect);
    EXPECT_EQ(client.Width() / 2 - 20, rect.left);
    EXPECT_EQ(client.Height() / 2 - 10, rect.top);
    popup.DestroyWindow();
}
