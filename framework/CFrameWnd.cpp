#include "framework/CFrameWnd.h"

#include "framework/AfxRes.h"
#include "framework/CCmdUI.h"
#include "framework/CStatusBar.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()

namespace {

// Collects the state an update handler sets without touching any window.
class CCommandState : public CCmdUI
{
public:
    void Enable(BOOL on) override
    {
        m_bEnabled = on;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(const char*) override {}

    BOOL m_bEnabled = TRUE;
};

}  // namespace

CFrameWnd::CFrameWnd()
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    if (m_hSmallIcon != nullptr)
        ::DestroyIcon(m_hSmallIcon);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

void CFrameWnd::LoadIcons(UINT nIDResource)
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    m_hIcon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(nIDResource), IMAGE_ICON,
                                              ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0));
    m_hSmallIcon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(nIDResource), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext*)
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    m_strTitle.LoadString(nIDResource);
    HMENU menu = ::LoadMenuA(module, MAKEINTRESOURCEA(nIDResource));
    m_hAccelTable = ::LoadAcceleratorsA(module, MAKEINTRESOURCEA(nIDResource));
    LoadIcons(nIDResource);

    DWORD style = dwDefaultStyle & ~FWS_ADDTOTITLE;
    HWND parent = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!CreateEx(0, nullptr, m_strTitle, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                  menu)) {
        if (menu != nullptr)
            ::DestroyMenu(menu);
        return FALSE;
    }
    // The window class carries no icon, so the frame sets its own.
    if (m_hIcon != nullptr)
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    if (m_hSmallIcon != nullptr)
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    RecalcLayout();
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CWnd::OnCreate(lpCreateStruct);
}

void CFrameWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    int bottom = client.bottom;
    CWnd* statusBar = GetDlgItem(AFX_IDW_STATUS_BAR);
    if (statusBar != nullptr && (statusBar->GetStyle() & WS_VISIBLE) != 0) {
        // The status control places itself along the parent's bottom when told the size.
        statusBar->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
        CRect bar;
        statusBar->GetWindowRect(&bar);
        bottom -= bar.Height();
    }
    CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pane != nullptr)
        pane->MoveWindow(client.left, client.top, client.Width(), bottom > client.top ? bottom - client.top : 0, TRUE);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

// Frames live on the heap and go with their window (the program's end follows from the
// main window's destruction in the window procedure).
void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

bool CFrameWnd::IsCommandEnabled(UINT nID)
{
    CCommandState state;
    state.m_nID = nID;
    state.DoUpdate(this, FALSE);
    return state.m_bEnabled != FALSE;
}

// Menu items and accelerators (no control window in lParam) run only while enabled: an
// accelerator must not reach a command whose menu item would be greyed.
BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && HIWORD(wParam) <= 1 && !IsCommandEnabled(LOWORD(wParam)))
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(lParam))  // the window menu
        return Default();
    HMENU menu = reinterpret_cast<HMENU>(wParam);
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))  // separator or submenu
            continue;
        CCmdUI state;
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_hMenu = menu;
        state.DoUpdate(this, TRUE);
    }
    return 0;
}

void CFrameWnd::UpdateIndicators()
{
    auto* statusBar = dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR)));
    if (statusBar != nullptr)
        statusBar->UpdateIndicators();
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        if (m_hAccelTable != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
        if (pMsg->message == WM_KEYUP || pMsg->message == WM_KEYDOWN)
            UpdateIndicators();
    }
    return FALSE;
}
