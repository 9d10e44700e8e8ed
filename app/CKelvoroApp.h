// The application object, the program's two global fonts and the GDI+ start-up data.
#pragma once

#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"

#include <windows.h>
#include <gdiplus.h>

class CKelvoroApp : public CWinApp
{
public:
    CKelvoroApp();

    BOOL InitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

extern CKelvoroApp theApp;

// Arial 12 px for the controls band, the tab control and the radar chart's title and labels.
extern CFont g_fontControl;
// Arial 14 px for the table page.
extern CFont g_fontList;

extern Gdiplus::GdiplusStartupInput g_gdiplusStartupInput;
extern ULONG_PTR g_gdiplusToken;
