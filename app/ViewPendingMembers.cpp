// TEMPORARY: view members whose own units are still being written elsewhere; each definition
// goes as soon as its unit is merged.
#include "app/CTempDegreeContainer.h"
#include "app/CTemperatureGridWnd.h"

LogParseResult CTempDegreeContainer::ParseLog(const char* pData, size_t nSize)
{
    return ParseTempLog(pData, nSize, m_records, m_nInterval);
}

void CTempDegreeContainer::ClearRecords()
{
    DeleteTempRecords(m_records);
}

void CTempDegreeContainer::Print()
{
}

void CTemperatureGridWnd::PrintText()
{
}
