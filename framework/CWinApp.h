// The application object: one per program, found by the entry point through AfxGetApp.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CWnd;

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name the title is taken from the string table (AFX_IDS_APP_TITLE), else from the
    // executable's file name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; returns ExitInstance's result.
    virtual int Run();
    // Offers a queued message to the windows from its target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Idle time: sends WM_IDLEUPDATECMDUI to the visible main window and its routed descendants,
    // then frees temporary wrappers. Returns whether more idle time is wanted.
    virtual BOOL OnIdle(LONG count);
    // Pumps one message; false on WM_QUIT.
    BOOL PumpMessage();
    // Whether a message should start idle processing again once the queue is empty (a mouse
    // move that did not move, a paint or the caret's blink timer do not).
    virtual BOOL IsIdleMessage(const MSG* msg);

    void OnAppExit();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    int m_nExitCode = 0;

    // Fills in instance, command line and title; called by the entry point.
    void SetStartup(HINSTANCE instance, LPSTR commandLine, int cmdShow);

    DECLARE_MESSAGE_MAP()

private:
    void LoadTitle();
    MSG m_msgCur = {};
    POINT m_lastMousePoint = {-1, -1};
    UINT m_lastMouseMessage = 0;
    CString m_strAppName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application's title: the caption of every message box.
const char* AfxGetAppName();
// The entry point's work: start-up, message loop, exit.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int cmdShow);
