// The framework classes the chart control builds on (window, device context, GDI objects,
// geometry, scroll bar, print records).
#pragma once

#include <windows.h>

#include "framework/CWnd.h"
#include "framework/CDC.h"
#include "framework/CScrollBar.h"
#include "framework/CPrintInfo.h"
