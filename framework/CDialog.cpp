#include "framework/CDialog.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() : m_nIDTemplate(0), m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

HWND CDialog::GetSafeOwner(CWnd* pParentWnd)
{
    if (pParentWnd != nullptr && pParentWnd->GetSafeHwnd() != nullptr)
        return pParentWnd->GetSafeHwnd();
    CWinApp* app = AfxGetApp();
    HWND main = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
    return main != nullptr ? ::GetLastActivePopup(main) : nullptr;
}

const DLGTEMPLATE* CDialog::LockTemplate() const
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

// The system requires a dialog procedure; everything is handled in the message maps, so it
// only lets the system's dialog processing run.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    const DLGTEMPLATE* dialogTemplate = LockTemplate();
    if (dialogTemplate == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate, GetSafeOwner(pParentWnd),
                                             &CDialog::DialogProc, 0);
    // A window that was made and then failed (a control that could not be created) has been
    // through WM_NCDESTROY and PostNcDestroy, and the object may be gone: touch nothing of it.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    const DLGTEMPLATE* dialogTemplate = LockTemplate();
    if (dialogTemplate == nullptr)
        return -1;
    AfxHookWindowCreate(this);
    INT_PTR result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate,
                                               GetSafeOwner(m_pParentWnd), &CDialog::DialogProc, 0);
    AfxUnhookWindowCreate();
    return result;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

// The system's own initialisation runs first; the returned value tells the system whether
// to put the focus on the first tab stop.
LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    AfxUnhookWindowCreate();  // the dialog and its controls exist now
    Default();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// A modeless dialog gets the dialog keys (Tab, Enter, Esc) only through this.
BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd != nullptr &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}
