// Common base of the tab control's page windows.
#pragma once

#include "framework/CWnd.h"

class CTabCtrlChildWnd : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrlChildWnd)

protected:
    DECLARE_MESSAGE_MAP()
};
