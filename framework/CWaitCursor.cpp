#include "framework/CWaitCursor.h"

#include <windows.h>

namespace {

int g_waitDepth = 0;
HCURSOR g_cursorBeforeWait = nullptr;

HCURSOR WaitCursor()
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
}

}  // namespace

CWaitCursor::CWaitCursor()
{
    Begin();
}

CWaitCursor::~CWaitCursor()
{
    End();
}

void CWaitCursor::Restore()
{
    if (g_waitDepth > 0)
        ::SetCursor(WaitCursor());
}

void CWaitCursor::Begin()
{
    HCURSOR previous = ::SetCursor(WaitCursor());
    if (g_waitDepth++ == 0)
        g_cursorBeforeWait = previous;
}

void CWaitCursor::End()
{
    if (g_waitDepth == 0)
        return;
    if (--g_waitDepth == 0) {
        ::SetCursor(g_cursorBeforeWait != nullptr ? g_cursorBeforeWait : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        g_cursorBeforeWait = nullptr;
    }
}

int CWaitCursor::Depth()
{
    return g_waitDepth;
}
