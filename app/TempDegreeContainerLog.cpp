// The log's parse, the alarm text and the product line; the view's ParseLog and ClearRecords
// are thin members over them.
#include "app/TempDegreeContainerLog.h"

#include "app/TempRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr size_t kHeaderSize = 13;
constexpr size_t kDataSize = 10;

// atoi applied to a two-byte field alone.
int ReadField2(const char* p)
{
    const char sz[3] = {p[0], p[1], '\0'};
    return std::atoi(sz);
}

// A hexadecimal digit's value; any other byte counts as 0.
int HexNibble(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return 0;
}

unsigned char ReadHexByte(const char* p)
{
    return static_cast<unsigned char>(HexNibble(p[0]) * 16 + HexNibble(p[1]));
}

// The texts of a record repeat far more often than they change: a year of one-minute records holds
// a few hundred distinct temperatures, 1440 times of day and one date per day. Each text is made
// once and copied, which keeps the parse clear of per-record formatting.
class TextCache
{
public:
    TextCache() : m_times(24 * 60), m_temps(kTempSlots) {}

    const CString& DateText(const std::tm& tm)
    {
        const int nKey = tm.tm_year * 10000 + tm.tm_mon * 100 + tm.tm_mday;
        if (!m_bHaveDate || nKey != m_nDateKey) {
            char sz[32];
            std::snprintf(sz, sizeof sz, "%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
            m_strDate = sz;
            m_nDateKey = nKey;
            m_bHaveDate = true;
        }
        return m_strDate;
    }

    const CString& TimeText(int nHour, int nMinute)
    {
        CString& str = m_times[static_cast<size_t>(nHour * 60 + nMinute)];
        if (str.IsEmpty()) {
            char sz[16];
            std::snprintf(sz, sizeof sz, "%02d:%02d", nHour, nMinute);
            str = sz;
        }
        return str;
    }

    // "%.1f" of the six-byte field read by atof and narrowed to float.
    const CString& TempText(const char* pField)
    {
        uint64_t nKey = 0;
        std::memcpy(&nKey, pField, 6);
        nKey |= uint64_t{1} << 56;  // a filled slot never has key 0
        TempSlot& slot = m_temps[(nKey * 0x9E3779B97F4A7C15ull) >> (64 - kTempBits)];
        if (slot.nKey != nKey) {
            const char sz[7] = {pField[0], pField[1], pField[2], pField[3], pField[4], pField[5], '\0'};
            const float fTemp = static_cast<float>(std::atof(sz));
            char szText[64];
            std::snprintf(szText, sizeof szText, "%.1f", static_cast<double>(fTemp));
            slot.strText = szText;
            slot.nKey = nKey;
        }
        return slot.strText;
    }

    // Only "byte 1 is not zero" and the low five bits of byte 2 reach the text.
    const CString& AlarmText(unsigned char byAlarm1, unsigned char byAlarm2)
    {
        const int nKey = (byAlarm1 != 0 ? 0x20 : 0) | (byAlarm2 & 0x1F);
        if (!m_bAlarmMade[nKey]) {
            FormatAlarmText(byAlarm1, byAlarm2, m_alarms[nKey]);
            m_bAlarmMade[nKey] = true;
        }
        return m_alarms[nKey];
    }

private:
    static constexpr int kTempBits = 12;
    static constexpr size_t kTempSlots = size_t{1} << kTempBits;
    struct TempSlot
    {
        uint64_t nKey = 0;
        CString strText;
    };

    bool m_bHaveDate = false;
    int m_nDateKey = 0;
    CString m_strDate;
    std::vector<CString> m_times;
    std::vector<TempSlot> m_temps;
    CString m_alarms[64];
    bool m_bAlarmMade[64] = {};
};

// Local time of the running clock through the runtime; false when it cannot convert.
bool LocalTimeOf(__time64_t tClock, std::tm& tm)
{
    return _localtime64_s(&tm, &tClock) == 0;
}

class LogParser
{
public:
    LogParser(const char* pData, size_t nSize, CObList& records, int& nInterval)
        : m_pData(pData), m_nSize(nSize), m_records(records), m_nInterval(nInterval)
    {
    }

    LogParseResult Run()
    {
        LogParseResult result;
        size_t nPos = 0;
        while (nPos < m_nSize) {
            const size_t nRemaining = m_nSize - nPos;
            if (m_pData[nPos] == 'T') {
                if (nRemaining < kHeaderSize)
                    break;
                if (!ReadHeader(m_pData + nPos)) {
                    result.bOk = false;
                    result.nBadHeaderOffset = nPos;
                    break;
                }
                nPos += kHeaderSize;
            } else {
                if (nRemaining < kDataSize)
                    break;
                ReadData(m_pData + nPos, result);
                nPos += kDataSize;
            }
        }
        return result;
    }

private:
    bool ReadHeader(const char* p)
    {
        const int nYear = ReadField2(p + 1) + 2000;
        const int nMonth = ReadField2(p + 3);
        const int nDay = ReadField2(p + 5);
        const int nHour = ReadField2(p + 7);
        const int nMinute = ReadField2(p + 9);
        m_nInterval = ReadField2(p + 11);  // taken before the checks: a bad header still sets it
        if (nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 || nMinute < 0 ||
            nMinute > 59)
            return false;
        std::tm tm = {};
        tm.tm_year = nYear - 1900;
        tm.tm_mon = nMonth - 1;
        tm.tm_mday = nDay;  // past the month's end mktime rolls into the next month
        tm.tm_hour = nHour;
        tm.tm_min = nMinute;
        tm.tm_isdst = -1;
        const __time64_t tHeader = _mktime64(&tm);
        if (tHeader == -1)
            return false;
        m_tClock = tHeader;
        return true;
    }

    void ReadData(const char* p, LogParseResult& result)
    {
        TempRecord* pRecord = new TempRecord;
        std::tm tm;
        if (LocalTimeOf(m_tClock, tm)) {
            pRecord->strDate = m_texts.DateText(tm);
            pRecord->strTime = m_texts.TimeText(tm.tm_hour, tm.tm_min);
        } else {
            pRecord->strDate = "0000-00-00";
            pRecord->strTime = "-1:-1";
        }
        if (std::strcmp(pRecord->strDate, result.strEarliest) < 0)
            result.strEarliest = pRecord->strDate;
        if (std::strcmp(pRecord->strDate, result.strLatest) > 0)
            result.strLatest = pRecord->strDate;
        pRecord->strTemp = m_texts.TempText(p);
        pRecord->byAlarm1 = ReadHexByte(p + 6);
        pRecord->byAlarm2 = ReadHexByte(p + 8);
        pRecord->strAlarm = m_texts.AlarmText(pRecord->byAlarm1, pRecord->byAlarm2);
        m_records.AddTail(pRecord);
        m_tClock += static_cast<__time64_t>(m_nInterval) * 60;
    }

    const char* m_pData;
    size_t m_nSize;
    CObList& m_records;
    int& m_nInterval;
    __time64_t m_tClock = 0;  // restarts at 1970-01-01 00:00:00 UTC for every load
    TextCache m_texts;
};

}  // namespace

LogParseResult ParseTempLog(const char* pData, size_t nSize, CObList& records, int& nInterval)
{
    return LogParser(pData, nSize, records, nInterval).Run();
}

void DeleteTempRecords(CObList& records)
{
    POSITION pos = records.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<TempRecord*>(records.GetNext(pos));
    records.RemoveAll();
}

void FormatAlarmText(unsigned char byAlarm1, unsigned char byAlarm2, CString& strText)
{
    strText.Empty();
    auto append = [&strText](const char* pszItem) {
        if (!strText.IsEmpty())
            strText += ", ";
        strText += pszItem;
    };
    if (byAlarm1 != 0)
        append("SENSOR ALARM");
    if (byAlarm2 & 0x01)
        append("HIGH TEMP ALARM");
    if (byAlarm2 & 0x02)
        append("LOW TEMP ALARM");
    if (byAlarm2 & (0x04 | 0x08))
        append("COMP ERROR");
    if (byAlarm2 & 0x10)
        append("BLACKOUT ALARM");
}

CString FormatProductLine(const char* pszCaption, const CString& strEarliest, const CString& strLatest)
{
    if (pszCaption == nullptr)
        pszCaption = "";
    CString strLine;
    if (strEarliest == "9999")
        strLine = pszCaption;
    else if (strEarliest == strLatest)
        strLine.Format("%s (%s)", pszCaption, strEarliest.GetString());
    else
        strLine.Format("%s (%s ~ %s)", pszCaption, strEarliest.GetString(), strLatest.GetString());
    return strLine;
}
