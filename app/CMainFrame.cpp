// The main frame: creates the view and the status bar, opens the splash box, and hands
// commands to the view before its own routing.
#include "app/CMainFrame.h"

#include "app/CKelvoroApp.h"
#include "app/CSplashDlg.h"
#include "app/CTemperatureGridWnd.h"
#include "framework/CCmdUI.h"
#include "res/resource.h"

#include <commctrl.h>
#include <objidl.h>

#include <cstring>

namespace {

const UINT kIndicators[] = {
    ID_SEPARATOR,  // message pane: "Ready" when idle
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

// Copies a resource's bytes into a movable memory block, because a stream over the block is
// what the decoder reads; every step that fails skips the rest and leaves the image empty.
void LoadResourceImage(CImage& image, UINT id, const char* type)
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (resource == nullptr)
        return;
    DWORD size = ::SizeofResource(module, resource);
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (size == 0 || bytes == nullptr)
        return;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return;
    void* target = ::GlobalLock(block);
    if (target != nullptr) {
        std::memcpy(target, bytes, size);
        IStream* stream = nullptr;
        if (SUCCEEDED(::CreateStreamOnHGlobal(block, FALSE, &stream))) {
            image.Load(stream);
            stream->Release();
        }
        ::GlobalUnlock(block);
    }
    ::GlobalFree(block);
}

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_UPDATE_COMMAND_UI(ID_PRINT_DATA, OnUpdateFilePrint)
    ON_COMMAND(ID_PRINT_DATA, OnFilePrint)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
}

// GDI+ goes down before the members, so the view's pages are deleted after it.
CMainFrame::~CMainFrame()
{
    Gdiplus::GdiplusShutdown(g_gdiplusToken);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                          AFX_IDW_PANE_FIRST, nullptr))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]);
    OpenSplash();
    ShowWindow(SW_SHOW);
    return 0;
}

// With no parent given the dialog is owned by the main frame and goes with it; the frame is
// not visible yet, so the box is centred on the work area.
void CMainFrame::OpenSplash()
{
    CSplashDlg* splash = new CSplashDlg;
    LoadResourceImage(splash->m_picture.m_image, IDB_SPLASH, RT_SPLASH_IMAGE);
    // A box that fails to open has deleted itself (PostNcDestroy).
    if (!splash->Create(IDD_SPLASH))
        return;
    splash->CenterWindow();
    splash->ShowWindow(SW_SHOW);
}

void CMainFrame::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_wndView.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Enabled while the table holds rows, which can differ from the view's "Print" button.
void CMainFrame::OnUpdateFilePrint(CCmdUI* pCmdUI)
{
    CTemperatureGridWnd* grid = m_wndView.m_pGridWnd;
    bool hasRows = grid != nullptr && grid->m_pListView != nullptr && grid->m_pListView->GetSafeHwnd() != nullptr &&
                   grid->m_pListView->SendMessage(LVM_GETITEMCOUNT, 0, 0) > 0;
    pCmdUI->Enable(hasRows);
}

void CMainFrame::OnFilePrint()
{
    m_wndView.Print();
}
