// The about box has no handlers of its own: "OK" ends it through the dialog base.
#include "app/CAboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT)
{
}
