// A top-level frame window loaded from resources (title, menu, accelerators, icon), laying
// out its first pane above its status bar and routing commands: itself, then the application.
// Menu items and accelerators are enabled through ON_UPDATE_COMMAND_UI handlers; a command
// whose handler disables it is not run.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

// Frame style bit: the caption shows the title (kept out of the window style itself).
#define FWS_ADDTOTITLE 0x00008000L

struct CCreateContext;

class CFrameWnd : public CWnd
{
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the window at the system's default place and size from the resources with id
    // nIDResource: the title string, the menu, the accelerator table and the icon.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // Status bar (AFX_IDW_STATUS_BAR) along the bottom, first pane (AFX_IDW_PANE_FIRST) over the rest.
    virtual void RecalcLayout();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    const CString& GetTitle() const { return m_strTitle; }

protected:
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);

    HACCEL m_hAccelTable = nullptr;
    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    CString m_strTitle;

    DECLARE_MESSAGE_MAP()

private:
    // Whether the command's update handler (if any) leaves it enabled.
    bool IsCommandEnabled(UINT nID);
    void UpdateIndicators();
    void LoadIcons(UINT nIDResource);
};
