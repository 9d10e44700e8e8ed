// Child window ids of the view and its tab control; each id is local to its parent window.
#pragma once

#include <windows.h>

// Controls band and tab control, children of the view.
const UINT IDC_VIEW_DATE = 100;
const UINT IDC_VIEW_DAY = 101;
const UINT IDC_VIEW_WEEK = 102;
const UINT IDC_VIEW_PRINT = 111;
const UINT IDC_VIEW_SEARCH = 112;
const UINT IDC_VIEW_FILE = 113;
const UINT IDC_VIEW_TABS = 200;

// Pages, children of the tab control.
const UINT IDC_PAGE_GRID = 100;
const UINT IDC_PAGE_CHART = 101;
const UINT IDC_PAGE_RADAR = 102;
