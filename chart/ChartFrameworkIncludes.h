// The framework classes the chart control builds on: window, device contexts, GDI objects,
// geometry, scroll bar and the print records.
#pragma once

#include <windows.h>

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CScrollBar.h"
#include "framework/CWnd.h"
#include "framework/Geometry.h"
#include "framework/CPrintDialog.h"
#include "framework/CPrintInfo.h"
