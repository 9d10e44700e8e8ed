// Start-up: common controls, the main frame with its view, the global fonts and GDI+.
#include "app/CKelvoroApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "res/resource.h"

#include <commctrl.h>

// Constructed in this order, after the framework's globals; destroyed in reverse at exit.
CKelvoroApp theApp;
CFont g_fontControl;
CFont g_fontList;

// Version 1, no debug callback, GDI+'s background thread and external codecs left on.
Gdiplus::GdiplusStartupInput g_gdiplusStartupInput(nullptr, FALSE, FALSE);
ULONG_PTR g_gdiplusToken = 0;

namespace {

LOGFONTA ProgramFont(LONG height)
{
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWeight = 500;
    font.lfCharSet = HANGUL_CHARSET;
    lstrcpyA(font.lfFaceName, "Arial");
    return font;
}

void CreateGlobalFonts()
{
    LOGFONTA control = ProgramFont(-12);
    if (!g_fontControl.Attach(::CreateFontIndirectA(&control)))
        return;
    LOGFONTA list = ProgramFont(-14);
    g_fontList.Attach(::CreateFontIndirectA(&list));
}

}  // namespace

BEGIN_MESSAGE_MAP(CKelvoroApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CKelvoroApp::CKelvoroApp()
{
}

BOOL CKelvoroApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();

    CMainFrame* frame = new CMainFrame;
    CreateGlobalFonts();
    Gdiplus::GdiplusStartup(&g_gdiplusToken, &g_gdiplusStartupInput, nullptr);

    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        return FALSE;
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}

void CKelvoroApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}
