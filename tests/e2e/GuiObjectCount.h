// Counts of the process's live GDI objects and windows, for leak checks. Wine answers 0 to
// GetGuiResources, so there the GDI count comes from the process's GDI handle table and the USER
// count from the windows of this thread.
#pragma once

#include <windows.h>

DWORD LiveGdiObjects();
DWORD LiveUserObjects();
