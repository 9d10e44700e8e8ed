// Stand-ins for view commands whose units are not part of this test program yet; weak, so the
// real ones win as soon as the application library provides them.
#include "app/CTempDegreeContainer.h"
#include "app/CTemperatureGridWnd.h"

__attribute__((weak)) void CTempDegreeContainer::Print() {}
__attribute__((weak)) void CTempDegreeContainer::OnFileButton() {}
__attribute__((weak)) void CTemperatureGridWnd::PrintText() {}
