// TEMPORARY: view members whose own units are still being written elsewhere; each definition
// goes as soon as its unit is merged.
#include "app/CTempDegreeContainer.h"
#include "app/CTemperatureGridWnd.h"

void CTempDegreeContainer::Print()
{
}

void CTemperatureGridWnd::PrintText()
{
}
