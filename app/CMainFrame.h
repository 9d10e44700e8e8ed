// The main window: menu, status bar and the one view, which gets every command first.
#pragma once

#include "app/CTempDegreeContainer.h"
#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CStatusBar m_wndStatusBar;
    CTempDegreeContainer m_wndView;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    void OnUpdateFilePrint(CCmdUI* pCmdUI);
    void OnFilePrint();

    DECLARE_MESSAGE_MAP()

private:
    void OpenSplash();
};
