#include "framework/CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

void CEdit::SetSel(int first, int last, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}
