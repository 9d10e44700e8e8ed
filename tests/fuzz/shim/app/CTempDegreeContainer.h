// Native test build only: the view's record members as the log's source file needs them,
// without the window class (its header needs the whole windowing framework).
#pragma once

#include "app/TempDegreeContainerLog.h"
#include "framework/CObList.h"

class CTempDegreeContainer
{
public:
    LogParseResult ParseLog(const char* pData, size_t nSize);
    void ClearRecords();

    CObList m_records{10};
    int m_nInterval = 0;
};
