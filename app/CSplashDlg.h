// The splash box: a modeless, topmost picture box shown at start-up and hidden by a timer.
#pragma once

#include "app/CImageStatic.h"
#include "framework/CDialog.h"

class CSplashDlg : public CDialog
{
public:
    enum { TIMER_SPLASH = 100, SPLASH_MILLISECONDS = 3000 };

    CSplashDlg();

    CImageStatic m_picture;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void PostNcDestroy() override;
    void OnOK() override;
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()
};
