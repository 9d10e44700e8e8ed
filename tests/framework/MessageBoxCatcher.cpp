#include "MessageBoxCatcher.h"

namespace {

struct Caught
{
    int count = 0;
    std::string caption;
    std::string text;
};

Caught g_caught;

std::string TextOf(HWND hWnd)
{
    char buffer[1024] = {};
    ::GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK CloseIfMessageBox(HWND hWnd, LPARAM)
{
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (std::string(className) != "#32770" || !::IsWindowVisible(hWnd))
        return TRUE;
    ++g_caught.count;
    g_caught.caption = TextOf(hWnd);
    g_caught.text = TextOf(::GetDlgItem(hWnd, 0xFFFF));  // the message box's text control
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CloseIfMessageBox, 0);
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() : m_timer(::SetTimer(nullptr, 0, 30, Poll))
{
    g_caught = Caught();
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    ::KillTimer(nullptr, m_timer);
}

int MessageBoxCatcher::Count() const
{
    return g_caught.count;
}

std::string MessageBoxCatcher::Caption() const
{
    return g_caught.caption;
}

std::string MessageBoxCatcher::Text() const
{
    return g_caught.text;
}
