// Command, window and string ids that the framework itself answers to or reads.
// Plain #defines so resource scripts can include this file too.
#pragma once

#define ID_SEPARATOR 0

#define ID_APP_ABOUT 0xE140  // 57664
#define ID_APP_EXIT 0xE141   // 57665

#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703

#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

#define AFX_IDS_APP_TITLE 0xE000     // 57344: the application title, every message box's caption
#define AFX_IDS_IDLEMESSAGE 0xE001   // 57345: the status bar's idle text
