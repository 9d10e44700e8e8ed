// Moves values between a dialog's controls and its members; DDX_Control binds a control
// object to the dialog's control window of the same id.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The window of control id in the dialog; a missing control is a broken template and
    // throws the framework's not-supported exception.
    HWND PrepareCtrl(int nIDC);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Routes the dialog's control nIDC through rControl, once; later exchanges leave it bound.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
