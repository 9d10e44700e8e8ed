// The splash box cannot be dismissed from the keyboard; its timer hides it, and it deletes
// itself when its window goes with the frame that owns it.
#include "app/CSplashDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSplashDlg, CDialog)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_BN_CLICKED(IDCANCEL, OnOK)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSplashDlg::CSplashDlg() : CDialog(IDD_SPLASH)
{
}

void CSplashDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPLASH_PICTURE, m_picture);
}

BOOL CSplashDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(TIMER_SPLASH, SPLASH_MILLISECONDS, nullptr);
    return TRUE;
}

void CSplashDlg::OnOK()
{
}

// Ending a modeless dialog only hides it; the window lives on until the frame goes.
void CSplashDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_SPLASH) {
        KillTimer(TIMER_SPLASH);
        EndDialog(IDCANCEL);
    }
    CDialog::OnTimer(nIDEvent);
}

void CSplashDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    delete this;
}
