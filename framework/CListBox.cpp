#include "framework/CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

int CListBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(LB_GETCURSEL));
}

int CListBox::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

void CListBox::GetText(int index, CString& text) const
{
    text.Empty();
    int length = static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    if (length <= 0)
        return;
    char* buffer = text.GetBuffer(length);
    int copied = static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied > 0 ? copied : 0);
}

void CListBox::ResetContent()
{
    SendMessage(LB_RESETCONTENT);
}
