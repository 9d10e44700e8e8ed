#include "support/app/AppHarness.h"

#include "app/CKelvoroApp.h"
#include "framework/AfxRes.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <algorithm>

AppHarness* AppHarness::s_current = nullptr;

namespace {

// A dialog left unanswered this long with nothing queued for it counts as unexpected.
const DWORD kStrayDialogMs = 3000;
const UINT kAnswerTimerMs = 25;
const char kAnyCaption[] = "*";

bool IsDialogClass(HWND window)
{
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM param)
{
    if (IsDialogClass(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// The dialog the user could act on now: visible, enabled and captioned (the splash box has
// no caption and is never answered).
HWND ActiveDialog()
{
    for (HWND dialog : ThreadDialogs()) {
        if (::IsWindowVisible(dialog) && ::IsWindowEnabled(dialog) && !WindowText(dialog).empty())
            return dialog;
    }
    return nullptr;
}

HMENU FindMenuHolding(HMENU menu, UINT id, int* position)
{
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (::GetMenuItemID(menu, i) == id) {
            *position = i;
            return menu;
        }
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            if (HMENU found = FindMenuHolding(sub, id, position))
                return found;
        }
    }
    return nullptr;
}

}  // namespace

AppHarness::AppHarness()
{
    s_current = this;
    CWinApp* app = AfxGetApp();
    m_started = app != nullptr && app->InitInstance() && MainWindow() != nullptr;
    Pump(50);
}

AppHarness::~AppHarness()
{
    if (HWND main = MainWindow()) {
        ChooseMenu(ID_APP_EXIT);
        PumpUntil([&] { return !::IsWindow(main); }, 5000);
    }
    // What the program's exit does after its message loop: the fonts go with their globals.
    g_fontList.DeleteObject();
    g_fontControl.DeleteObject();
    s_current = nullptr;
}

HWND AppHarness::MainWindow() const
{
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

HWND AppHarness::View() const
{
    return ::GetDlgItem(MainWindow(), AFX_IDW_PANE_FIRST);
}

HWND AppHarness::ViewItem(int id) const
{
    return ::GetDlgItem(View(), id);
}

HWND AppHarness::StatusBar() const
{
    return ::GetDlgItem(MainWindow(), AFX_IDW_STATUS_BAR);
}

HWND AppHarness::Splash() const
{
    for (HWND dialog : ThreadDialogs())
        if (::GetWindow(dialog, GW_OWNER) == MainWindow() && WindowText(dialog).empty())
            return dialog;
    return nullptr;
}

void AppHarness::Pump(DWORD ms)
{
    DWORD start = ::GetTickCount();
    PumpUntil([&] { return ::GetTickCount() - start >= ms; }, ms + 1000);
}

bool AppHarness::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                m_quit = true;
                continue;
            }
            CWinApp* app = AfxGetApp();
            if (app == nullptr || !app->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void AppHarness::Expect(const std::string& caption, std::function<void(HWND)> action)
{
    m_expected.push_back({caption, std::move(action)});
}

void AppHarness::ExpectMessageBox(std::string* text)
{
    Expect("KELVORO", [text](HWND box) {
        if (text != nullptr)
            *text = MessageBoxText(box);
        ClickItem(box, IDOK);
    });
}

void AppHarness::BeginAnswering()
{
    if (m_answeringDepth++ == 0)
        m_timer = ::SetTimer(nullptr, 0, kAnswerTimerMs, &AppHarness::OnAnswerTimer);
}

void AppHarness::EndAnswering()
{
    if (--m_answeringDepth == 0 && m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        m_timer = 0;
    }
}

void CALLBACK AppHarness::OnAnswerTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_current != nullptr)
        s_current->AnswerDialogs();
}

// The action runs inside the dialog's own message loop; a dialog it opens in turn is answered
// by this timer again from that dialog's loop.
void AppHarness::AnswerDialogs()
{
    HWND dialog = ActiveDialog();
    if (dialog == nullptr)
        return;
    if (!m_expected.empty() && (m_expected.front().caption == kAnyCaption || WindowText(dialog) == m_expected.front().caption)) {
        Expectation next = std::move(m_expected.front());
        m_expected.pop_front();
        m_strayDialog = nullptr;
        next.action(dialog);
        return;
    }
    if (dialog != m_strayDialog) {
        m_strayDialog = dialog;
        m_strayDialogSince = ::GetTickCount();
        return;
    }
    if (::GetTickCount() - m_strayDialogSince < kStrayDialogMs)
        return;
    std::string text = MessageBoxText(dialog);
    m_unexpected.push_back(ToUtf8(WindowText(dialog)) + (text.empty() ? "" : ": " + ToUtf8(text)));
    m_strayDialog = nullptr;
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void AppHarness::Click(HWND button)
{
    if (button == nullptr || !::IsWindowVisible(button) || !::IsWindowEnabled(button)) {
        m_unexpected.push_back("click on a control the user cannot click: " + ToUtf8(WindowText(button)));
        return;
    }
    BeginAnswering();
    ::SendMessageA(button, BM_CLICK, 0, 0);
    EndAnswering();
    Pump(20);
}

void AppHarness::ChooseMenu(UINT id)
{
    HWND main = MainWindow();
    if (main == nullptr)
        return;
    // Opening the menu brings its items up to date; a greyed item cannot be chosen.
    if (!IsMenuItemEnabled(id)) {
        m_unexpected.push_back("menu command chosen while greyed: " + std::to_string(id));
        return;
    }
    BeginAnswering();
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EndAnswering();
    Pump(20);
}

bool AppHarness::IsMenuItemEnabled(UINT id)
{
    HWND main = MainWindow();
    HMENU bar = ::GetMenu(main);
    int position = -1;
    HMENU popup = bar != nullptr ? FindMenuHolding(bar, id, &position) : nullptr;
    if (popup == nullptr)
        return false;
    ::SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    return (::GetMenuState(popup, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string ToUtf8(const std::string& ansi)
{
    if (ansi.empty())
        return ansi;
    int wideLength = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], wideLength);
    int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

std::string WindowText(HWND window)
{
    int length = ::GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    int copied = ::GetWindowTextA(window, &text[0], length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(::GetDlgItem(dialog, id));
}

// The system's message box shows its text in a static control with this id.
std::string MessageBoxText(HWND box)
{
    return ItemText(box, 0xFFFF);
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

void ClickItem(HWND dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool IsChecked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::vector<std::string> ListBoxLines(HWND listBox)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(::SendMessageA(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(::SendMessageA(listBox, LB_GETTEXTLEN, i, 0));
        std::string line(length + 1, '\0');
        ::SendMessageA(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
        line.resize(length);
        lines.push_back(line);
    }
    return lines;
}

void DoubleClickListLine(HWND dialog, int listId, int index)
{
    HWND list = ::GetDlgItem(dialog, listId);
    RECT item = {};
    ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(list, WM_LBUTTONUP, 0, point);
    ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    ::SendMessageA(list, WM_LBUTTONUP, 0, point);
}

std::vector<HWND> ThreadDialogs()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

bool SaveWindowPng(HWND window, const std::string& path)
{
    namespace gdip = Gdiplus::DllExports;
    RECT area = {};
    ::GetWindowRect(window, &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    // The PNG encoder of GDI+.
    const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    Gdiplus::GpBitmap* image = nullptr;
    bool ok = gdip::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok;
    if (ok) {
        std::wstring widePath(path.begin(), path.end());
        ok = gdip::GdipSaveImageToFile(image, widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
        gdip::GdipDisposeImage(image);
    }
    ::DeleteObject(bitmap);
    return ok;
}
