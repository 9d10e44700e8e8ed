// The program as it starts: splash box, main window, menu, status bar, about box and exit.
#include "e2e/E2eSupport.h"
#include "framework/AfxRes.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdlib>
#include <iterator>

// ---- Objects deleted twice
// While a DoubleDeleteWatch lives, memory that the program deletes on its thread is held back
// from the heap (so nothing else can be given it), and a second delete of it is counted instead
// of damaging the heap.

namespace {

struct DeleteWatchState
{
    DWORD thread = 0;  // the watched thread; 0 when nothing is watched
    void* held[4096] = {};
    size_t next = 0;
    int twice = 0;
};

DeleteWatchState g_deleteWatch;

class DoubleDeleteWatch
{
public:
    DoubleDeleteWatch()
    {
        g_deleteWatch = DeleteWatchState();
        g_deleteWatch.thread = ::GetCurrentThreadId();
    }
    ~DoubleDeleteWatch()
    {
        g_deleteWatch.thread = 0;
        for (void* memory : g_deleteWatch.held)
            std::free(memory);
    }
    DoubleDeleteWatch(const DoubleDeleteWatch&) = delete;
    DoubleDeleteWatch& operator=(const DoubleDeleteWatch&) = delete;

    int DeletedTwice() const { return g_deleteWatch.twice; }
};

}  // namespace

void operator delete(void* memory) noexcept
{
    if (memory != nullptr && g_deleteWatch.thread == ::GetCurrentThreadId()) {
        for (void* held : g_deleteWatch.held) {
            if (held == memory) {
                ++g_deleteWatch.twice;
                return;
            }
        }
        void*& slot = g_deleteWatch.held[g_deleteWatch.next++ % std::size(g_deleteWatch.held)];
        std::free(slot);
        slot = memory;
        return;
    }
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    ::operator delete(memory);
}

namespace {

std::string StatusText(HWND bar, int pane)
{
    char text[64] = {};
    ::SendMessageA(bar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(Startup, SplashIsTopmostCentredDeafToEnterAndEscAndHidesAfterThreeSeconds)
{
    DWORD started = ::GetTickCount();
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND splash = app.Splash();
    ASSERT_NE(nullptr, splash);
    EXPECT_TRUE(::IsWindowVisible(splash));
    EXPECT_TRUE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT box = {}, work = {};
    ::GetWindowRect(splash, &box);
    bool aboveMain = false;
    for (HWND above = ::GetWindow(app.MainWindow(), GW_HWNDPREV); above != nullptr; above = ::GetWindow(above, GW_HWNDPREV))
        aboveMain = aboveMain || above == splash;
    EXPECT_TRUE(aboveMain) << "the splash box shows over the main window";
    POINT centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    EXPECT_EQ(splash, ::GetAncestor(::WindowFromPoint(centre), GA_ROOT)) << "the splash box is what the user sees";

    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (box.left + box.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (box.top + box.bottom) / 2, 1);

    // Its picture control shows the splash picture at the control's top-left corner.
    HWND picture = ::GetDlgItem(splash, 1004);
    ASSERT_NE(nullptr, picture);

    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::SetFocus(splash);
        ::PostMessageA(picture, WM_KEYDOWN, key, 0);
        ::PostMessageA(picture, WM_KEYUP, key, 0xC0000001);
        app.Pump(100);
        EXPECT_TRUE(::IsWindowVisible(splash)) << "key " << key;
    }
    ::SendMessageA(splash, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(::IsWindowVisible(splash));

    ASSERT_TRUE(app.PumpUntil([&] { return !::IsWindowVisible(splash); }, 6000));
    DWORD shown = ::GetTickCount() - started;
    EXPECT_GE(shown, 2900u);
    EXPECT_LE(shown, 4500u);
    EXPECT_TRUE(::IsWindow(splash)) << "the hidden splash lives on until the frame goes";
    EXPECT_TRUE(::IsWindowVisible(app.MainWindow()));
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(Startup, SplashPictureFillsThePictureControlFromItsTopLeftCorner)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND picture = ::GetDlgItem(app.Splash(), 1004);
    ASSERT_NE(nullptr, picture);
    app.Pump(100);
    // The splash picture's corner is its dark blue background, not the dialog's grey.
    HDC dc = ::GetDC(picture);
    COLORREF corner = ::GetPixel(dc, 2, 2);
    ::ReleaseDC(picture, dc);
    EXPECT_LT(GetRValue(corner), 60);
    EXPECT_GT(GetBValue(corner), GetRValue(corner));
}

// Refuses to make the splash box's picture control, as a system short of resources would: the
// box then fails after its window was made and handed to its object.
class RefuseSplashPicture
{
public:
    RefuseSplashPicture() { m_hook = ::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId()); }
    ~RefuseSplashPicture() { ::UnhookWindowsHookEx(m_hook); }
    RefuseSplashPicture(const RefuseSplashPicture&) = delete;
    RefuseSplashPicture& operator=(const RefuseSplashPicture&) = delete;

    static int Refused() { return s_refused; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTA* cs = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
            char parentClass[16] = {};
            ::GetClassNameA(cs->hwndParent, parentClass, sizeof parentClass);
            if ((cs->style & WS_CHILD) && reinterpret_cast<UINT_PTR>(cs->hMenu) == IDC_SPLASH_PICTURE &&
                lstrcmpA(parentClass, "#32770") == 0) {
                ++s_refused;
                return 1;
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
    static int s_refused;
};

int RefuseSplashPicture::s_refused = 0;

TEST(Startup, SplashBoxThatFailsToOpenIsDeletedOnceAndTheProgramRunsOn)
{
    DoubleDeleteWatch watch;
    RefuseSplashPicture refuse;
    AppHarness app;
    ASSERT_TRUE(app.Started());
    ASSERT_EQ(1, RefuseSplashPicture::Refused());
    EXPECT_EQ(0, watch.DeletedTwice()) << "the splash box object was deleted twice";
    EXPECT_EQ(nullptr, app.Splash());
    EXPECT_TRUE(::IsWindowVisible(app.MainWindow()));
}

TEST(Startup, MainWindowHasTitleMenuEmptyViewAndStatusBar)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND main = app.MainWindow();
    EXPECT_EQ("KELVORO", WindowText(main));
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_NE(nullptr, ::GetMenu(main));
    EXPECT_NE(0, ::SendMessageA(main, WM_GETICON, ICON_SMALL, 0) | ::SendMessageA(main, WM_GETICON, ICON_BIG, 0));

    HWND bar = app.StatusBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(4, ::SendMessageA(bar, SB_GETPARTS, 0, 0));
    EXPECT_EQ("Ready", StatusText(bar, 0));

    // The view fills the client area above the status bar.
    RECT client = {}, view = {}, status = {};
    ::GetClientRect(main, &client);
    ::GetWindowRect(app.View(), &view);
    ::GetWindowRect(bar, &status);
    ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&view), 2);
    ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&status), 2);
    EXPECT_EQ(0, view.left);
    EXPECT_EQ(0, view.top);
    EXPECT_EQ(client.right, view.right);
    EXPECT_EQ(status.top, view.bottom);
    EXPECT_EQ(client.bottom, status.bottom);
}

TEST(Startup, KeyIndicatorsShowTheirTextWhileTheirKeyIsOn)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND bar = app.StatusBar();
    const struct { int pane; int key; const char* text; } indicators[] = {
        {1, VK_CAPITAL, "CAP"}, {2, VK_NUMLOCK, "NUM"}, {3, VK_SCROLL, "SCRL"}};
    for (const auto& indicator : indicators) {
        bool on = (::GetKeyState(indicator.key) & 1) != 0;
        EXPECT_EQ(on ? indicator.text : "", StatusText(bar, indicator.pane)) << indicator.text;
        RECT pane = {};
        ::SendMessageA(bar, SB_GETRECT, indicator.pane, reinterpret_cast<LPARAM>(&pane));
        EXPECT_GT(pane.right - pane.left, 10) << indicator.text;
    }
}

TEST(Startup, PrintMenuItemIsGreyedBeforeAnyFile)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    EXPECT_FALSE(app.IsMenuItemEnabled(ID_PRINT_DATA));
    EXPECT_TRUE(app.IsMenuItemEnabled(ID_APP_EXIT));
    EXPECT_TRUE(app.IsMenuItemEnabled(ID_APP_ABOUT));
}

TEST(Startup, AboutBoxShowsIconProductAndVersionAndOkClosesIt)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    std::vector<std::string> texts;
    bool hadIcon = false;
    bool ownerDisabled = false;
    app.Expect("KELVORO", [&](HWND about) {
        for (HWND child = ::GetWindow(about, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                hadIcon = ::SendMessageA(child, STM_GETICON, 0, 0) != 0;
            texts.push_back(WindowText(child));
        }
        ownerDisabled = !::IsWindowEnabled(::GetWindow(about, GW_OWNER));
        ClickItem(about, IDOK);
    });
    app.ChooseMenu(ID_APP_ABOUT);
    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_TRUE(hadIcon);
    EXPECT_TRUE(ownerDisabled) << "the about box is modal";
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "VANTORI FREEZER & REFRIGERATOR"));
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "KELVORO ver 2.0"));
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "OK"));
    EXPECT_TRUE(::IsWindowEnabled(app.MainWindow()));
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(Startup, ExitClosesTheMainWindowAndEndsTheProgram)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND main = app.MainWindow();
    HWND splash = app.Splash();
    app.ChooseMenu(ID_APP_EXIT);
    ASSERT_TRUE(app.PumpUntil([&] { return !::IsWindow(main); }, 5000));
    EXPECT_FALSE(::IsWindow(splash)) << "the splash box goes with its owner";
    EXPECT_TRUE(app.PumpUntil([&] { return app.Quit(); }, 2000));
    EXPECT_EQ(nullptr, app.MainWindow());
}

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

TEST(Startup, CapsLockIndicatorFollowsTheKey)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    ASSERT_TRUE(app.PumpUntil([&] { return !::IsWindowVisible(app.Splash()); }, 6000));
    ::SetForegroundWindow(app.MainWindow());
    ::SetFocus(app.View());
    HWND bar = app.StatusBar();
    bool before = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    PressKey(VK_CAPITAL);
    app.Pump(200);
    bool after = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(after ? "CAP" : "", StatusText(bar, 1));
    PressKey(VK_CAPITAL);
    app.Pump(200);
    EXPECT_EQ(((::GetKeyState(VK_CAPITAL) & 1) != 0) ? "CAP" : "", StatusText(bar, 1));
    EXPECT_NE(before, after) << "the key press did not reach the program";
}

}  // namespace
