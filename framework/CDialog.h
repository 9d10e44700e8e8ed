// Dialog boxes from templates in the program's resources, modal (DoModal) or modeless
// (Create). The dialog window runs through the framework's window procedure from its first
// message; the system's dialog procedure stays behind it as the default processing.
#pragma once

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    // With no parent the dialog is owned by the main window (or its active popup).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: creates the window (hidden unless the template says WS_VISIBLE). When it fails,
    // PostNcDestroy has run, as when a window ends: a dialog that deletes itself there is gone.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Modal: runs the dialog and returns the value given to EndDialog, or -1 if it could not run.
    virtual INT_PTR DoModal();
    // Ends a modal dialog; a modeless one is only hidden.
    void EndDialog(int nResult);

    // Runs DoDataExchange: controls to members (TRUE) or members to controls (FALSE).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The owner a dialog gets when none is given.
    static HWND GetSafeOwner(CWnd* pParentWnd);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* LockTemplate() const;
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
