// Helpers of the log and search tests: a time zone for the duration of a test, a parsed log
// that owns its records, and records made by hand.
#pragma once

#include "app/TempDegreeContainerLog.h"
#include "app/TempRecord.h"
#include "framework/CObList.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

// Sets the runtime's TZ for the scope and restores what was there. An empty zone means the
// platform's own time zone (the only way to daylight saving under Wine's runtime).
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* pszZone)
    {
        const char* pszOld = std::getenv("TZ");
        m_bHadZone = pszOld != nullptr;
        if (m_bHadZone)
            m_strOld = pszOld;
        _putenv_s("TZ", pszZone);
        _tzset();
    }
    ~ScopedTimeZone()
    {
        _putenv_s("TZ", m_bHadZone ? m_strOld.c_str() : "");
        _tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_bHadZone = false;
    std::string m_strOld;
};

// Records owned for the length of a test.
class RecordList
{
public:
    RecordList() = default;
    ~RecordList() { DeleteTempRecords(list); }
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;

    std::vector<TempRecord*> Items() const
    {
        std::vector<TempRecord*> items;
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr)
            items.push_back(static_cast<TempRecord*>(list.GetNext(pos)));
        return items;
    }

    TempRecord* Add(const char* pszDate, const char* pszTime, const char* pszTemp = "0.0")
    {
        TempRecord* pRecord = new TempRecord;
        pRecord->strDate = pszDate;
        pRecord->strTime = pszTime;
        pRecord->strTemp = pszTemp;
        pRecord->nMinuteIndex = -12345;
        list.AddTail(pRecord);
        return pRecord;
    }

    CObList list{10};
};

struct ParsedLog
{
    LogParseResult result;
    RecordList records;
    int nInterval = 0;
};

inline void ParseInto(const std::string& bytes, ParsedLog& parsed)
{
    parsed.result = ParseTempLog(bytes.data(), bytes.size(), parsed.records.list, parsed.nInterval);
}
