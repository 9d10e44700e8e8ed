// Reading "TEMPDATA.txt": the parse of its records, the alarm text of a record and the
// product line that names a loaded file. Free of any window, so tests and tools can run it.
#pragma once

#include "framework/CObList.h"
#include "framework/CString.h"

#include <cstddef>

struct LogParseResult
{
    bool bOk = true;                // false: stopped at a header with a field out of range
    size_t nBadHeaderOffset = 0;    // byte offset of that header in the buffer
    CString strEarliest = "9999";   // lowest record date; stays "9999" when no data record was read
    CString strLatest = "0000";     // highest record date
};

// Appends one heap TempRecord per data record of the nSize bytes at pData to records (owning,
// in file order) and sets nInterval at every header. Records before the first header advance by
// the nInterval the caller passes in, which is why the view keeps it from one load to the next.
LogParseResult ParseTempLog(const char* pData, size_t nSize, CObList& records, int& nInterval);

// Deletes every TempRecord of records and empties the list.
void DeleteTempRecords(CObList& records);

// Empties strText, then writes the alarm items of the two bytes, joined by ", ".
void FormatAlarmText(unsigned char byAlarm1, unsigned char byAlarm2, CString& strText);

// "caption", "caption (date)" or "caption (earliest ~ latest)" from the dates of a parse.
CString FormatProductLine(const char* pszCaption, const CString& strEarliest, const CString& strLatest);
