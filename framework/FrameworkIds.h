// Command, string, window and indicator ids that the framework's frame, status bar and
// application object know by number. Plain #defines only: resource scripts include this.
#pragma once

// Commands.
#define ID_APP_ABOUT            0xE140  // 57664
#define ID_APP_EXIT             0xE141  // 57665

// Strings.
#define AFX_IDS_APP_TITLE       0xE000  // 57344: application title, caption of every message box
#define AFX_IDS_IDLEMESSAGE     0xE001  // 57345: the status bar's idle text

// Status bar indicators; each id is also the string id of the indicator's text.
#define ID_SEPARATOR            0
#define ID_INDICATOR_CAP        0xE701
#define ID_INDICATOR_NUM        0xE702
#define ID_INDICATOR_SCRL       0xE703

// Child window ids the frame's layout knows.
#define AFX_IDW_STATUS_BAR      0xE801
#define AFX_IDW_PANE_FIRST      0xE900
