#include "framework/CWinApp.h"

#include "framework/AfxRes.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWnd.h"
#include "framework/Exceptions.h"

#include <exception>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_app = nullptr;

void ReportEscapedException()
{
    try {
        throw;
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    } catch (...) {
        CException().ReportError();
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName)
{
    g_app = this;
    m_hInstance = ::GetModuleHandleA(nullptr);
    if (appName != nullptr) {
        m_strAppName = appName;
        m_pszAppName = m_strAppName.GetString();
    }
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetStartup(HINSTANCE instance, LPSTR commandLine, int cmdShow)
{
    m_hInstance = instance;
    m_lpCmdLine = commandLine;
    m_nCmdShow = cmdShow;
    if (m_pszAppName == nullptr)
        LoadTitle();
}

void CWinApp::LoadTitle()
{
    if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE)) {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        CString name(path);
        name = name.Mid(name.ReverseFind('\\') + 1);
        const int dot = name.ReverseFind('.');
        m_strAppName = dot > 0 ? name.Left(dot) : name;
    }
    m_pszAppName = m_strAppName.GetString();
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND hWnd = msg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hWnd == main)
            return FALSE;
    }
    CWnd* mainWnd = CWnd::FromHandlePermanent(main);
    return mainWnd != nullptr && mainWnd->PreTranslateMessage(msg);
}

BOOL CWinApp::OnIdle(LONG count)
{
    CWnd* main = m_pMainWnd;
    if (count == 0 && main != nullptr && main->m_hWnd != nullptr && main->IsWindowVisible()) {
        main->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        main->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    return FALSE;
}

BOOL CWinApp::PumpMessage()
{
    if (::GetMessageA(&m_msgCur, nullptr, 0, 0) <= 0) {
        m_nExitCode = static_cast<int>(m_msgCur.wParam);
        return FALSE;
    }
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::IsIdleMessage(const MSG* msg)
{
    constexpr UINT kCaretBlinkTimer = 0x0118;
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        const bool same = msg->message == m_lastMouseMessage && msg->pt.x == m_lastMousePoint.x &&
                          msg->pt.y == m_lastMousePoint.y;
        m_lastMousePoint = msg->pt;
        m_lastMouseMessage = msg->message;
        return !same;
    }
    return msg->message != WM_PAINT && msg->message != kCaretBlinkTimer;
}

int CWinApp::Run()
{
    bool idle = true;
    LONG idleCount = 0;
    for (;;) {
        try {
            MSG peek = {};
            while (idle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
                if (!OnIdle(idleCount++))
                    idle = false;
            }
            do {
                if (!PumpMessage())
                    return ExitInstance();
                if (IsIdleMessage(&m_msgCur)) {
                    idle = true;
                    idleCount = 0;
                }
            } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
        } catch (...) {
            ReportEscapedException();
        }
    }
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app != nullptr ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

const char* AfxGetAppName()
{
    return g_app != nullptr && g_app->m_pszAppName != nullptr ? g_app->m_pszAppName : "";
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int cmdShow)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->SetStartup(instance, commandLine, cmdShow);
    try {
        if (!app->InitApplication() || !app->InitInstance()) {
            if (app->m_pMainWnd != nullptr)
                app->m_pMainWnd->DestroyWindow();
            return app->ExitInstance();
        }
    } catch (...) {
        ReportEscapedException();
        return app->ExitInstance();
    }
    return app->Run();
}
