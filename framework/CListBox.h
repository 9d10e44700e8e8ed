// A list box of text lines.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    // Adds a line (in sorted place with LBS_SORT); returns its index, or LB_ERR / LB_ERRSPACE.
    int AddString(const char* text);
    int GetCount() const;
    // Index of the selected line, LB_ERR (-1) when none.
    int GetCurSel() const;
    int SetCurSel(int index);
    // Text of line index; empty when there is no such line.
    void GetText(int index, CString& text) const;
    void ResetContent();
};
