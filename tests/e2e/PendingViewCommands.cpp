// Stand-ins for view members whose units are not part of this test program yet; weak, so the
// real ones win as soon as the application library provides them.
#include "app/CTempDegreeContainer.h"
#include "app/CTemperatureGridWnd.h"

__attribute__((weak)) LogParseResult CTempDegreeContainer::ParseLog(const char* pData, size_t nSize)
{
    return ParseTempLog(pData, nSize, m_records, m_nInterval);
}
__attribute__((weak)) void CTempDegreeContainer::ClearRecords() { DeleteTempRecords(m_records); }
__attribute__((weak)) void CTempDegreeContainer::Print() {}
__attribute__((weak)) void CTempDegreeContainer::OnFileButton() {}
__attribute__((weak)) void CTemperatureGridWnd::PrintText() {}
