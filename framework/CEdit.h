// An edit control.
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    // Selects characters first..last (last -1: to the end); the caret goes to last.
    void SetSel(int first, int last, BOOL noScroll = FALSE);
};
