// Common base of the tab control's page windows.
#include "app/CTabCtrlChildWnd.h"

IMPLEMENT_DYNAMIC(CTabCtrlChildWnd, CWnd)

BEGIN_MESSAGE_MAP(CTabCtrlChildWnd, CWnd)
END_MESSAGE_MAP()
