// Resource ids of the program: resources in KELVORO.rc and the controls of its windows.
#pragma once

#include "../framework/AfxRes.h"

// Main frame: menu, accelerators, icon and title string.
#define IDR_MAINFRAME               128

// Menu commands.
#define ID_PRINT_DATA               32773

// Dialog templates.
#define IDD_ABOUT                   100
#define IDD_FILE_SELECT             310
#define IDD_SPLASH                  311

// Splash picture: a Windows bitmap file in the custom resource type "Image".
#define IDB_SPLASH                  320
#define RT_SPLASH_IMAGE             "Image"

// Controls of IDD_FILE_SELECT.
#define IDC_FILE_BROWSE             3
#define IDC_FILE_PATH               1000
#define IDC_FILE_LIST               1001
#define IDC_KIND_ULT_FREEZER        1002
#define IDC_KIND_FREEZER            1003
#define IDC_KIND_REFRIGERATOR       1004

// Controls of IDD_SPLASH.
#define IDC_SPLASH_PICTURE          1004

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif
