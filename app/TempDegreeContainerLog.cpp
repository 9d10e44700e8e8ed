// The log's parse, the alarm text and the product line; the view's ParseLog and ClearRecords
// are thin members over them.
#include "app/TempDegreeContainerLog.h"

#include "app/CTempDegreeContainer.h"
#include "app/TempRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
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

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// The texts of a record repeat far more often than they change: a year of one-minute records holds
// a few hundred distinct temperatures, 1440 times of day and one date per day. Each text is made
// once and copied, which keeps the parse clear of per-record formatting.
class TextCache
{
public:
    TextCache() : m_times(24 * 60), m_temps(kTempSlots) {}

    // Date text of a day counted from 1970-01-01; also says whether it differs from the last one.
    const CString& DateText(int64_t nDay, bool& bNewDay)
    {
        bNewDay = !m_bHaveDate || nDay != m_nDay;
        if (bNewDay) {
            int nYear, nMonth, nDayOfMonth;
            CivilFromDays(nDay, nYear, nMonth, nDayOfMonth);
            char sz[32];
            std::snprintf(sz, sizeof sz, "%04d-%02d-%02d", nYear, nMonth, nDayOfMonth);
            m_strDate = sz;
            m_nDay = nDay;
            m_bHaveDate = true;
        }
        return m_strDate;
    }

    const CString& TimeText(int nMinuteOfDay)
    {
        CString& str = m_times[static_cast<size_t>(nMinuteOfDay)];
        if (str.IsEmpty()) {
            char sz[16];
            std::snprintf(sz, sizeof sz, "%02d:%02d", nMinuteOfDay / 60, nMinuteOfDay % 60);
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
    int64_t m_nDay = 0;
    CString m_strDate;
    std::vector<CString> m_times;
    std::vector<TempSlot> m_temps;
    CString m_alarms[64];
    bool m_bAlarmMade[64] = {};
};

// Local time of the running clock, as the runtime's localtime_s gives it. Asking the runtime for
// every record would cost as much as the rest of the parse, and the clock stays for months within
// one UTC offset: the runtime is asked at the edges of a span of constant offset (a daylight-saving
// change is found to the second), the calendar inside it is plain arithmetic. Two changes of the
// offset never fall within one day.
class LocalClock
{
public:
    // Local calendar time of t as seconds since 1970-01-01 00:00 local; false when the runtime
    // cannot convert t.
    bool LocalSeconds(__time64_t t, int64_t& nLocal)
    {
        if (t < m_tLow || t >= m_tHigh) {
            int64_t nOffset = 0;
            if (!OffsetAt(t, nOffset))
                return false;
            m_nOffset = nOffset;
            m_tLow = SpanEdge(t, -kProbe);
            m_tHigh = SpanEdge(t, kProbe) + 1;
        }
        nLocal = t + m_nOffset;
        return true;
    }

private:
    static constexpr int64_t kProbe = 86400;

    // Local time minus UTC at t, in seconds; false when the runtime cannot convert t.
    static bool OffsetAt(__time64_t t, int64_t& nOffset)
    {
        std::tm tm;
        if (_localtime64_s(&tm, &t) != 0)
            return false;
        const int64_t nLocal = (DaysFromCivil(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) * 24 + tm.tm_hour) * 3600 +
                               tm.tm_min * 60 + tm.tm_sec;
        nOffset = nLocal - t;
        return true;
    }

    bool SameOffset(__time64_t t) const
    {
        int64_t nOffset = 0;
        return OffsetAt(t, nOffset) && nOffset == m_nOffset;
    }

    // The farthest moment from t, up to nStep seconds away, with t's offset and everything between.
    __time64_t SpanEdge(__time64_t t, int64_t nStep) const
    {
        if (SameOffset(t + nStep))
            return t + nStep;
        __time64_t tSame = t, tOther = t + nStep;
        while (tOther - tSame > 1 || tSame - tOther > 1) {
            const __time64_t tMiddle = tSame + (tOther - tSame) / 2;
            (SameOffset(tMiddle) ? tSame : tOther) = tMiddle;
        }
        return tSame;
    }

    __time64_t m_tLow = 1;   // [m_tLow, m_tHigh): moments known to have m_nOffset
    __time64_t m_tHigh = 0;
    int64_t m_nOffset = 0;
};

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
        std::unique_ptr<TempRecord> pRecord(new TempRecord);
        int64_t nLocal = 0;
        bool bNewDay = true;
        if (m_localClock.LocalSeconds(m_tClock, nLocal)) {
            const int64_t nDay = FloorDiv(nLocal, 86400);
            pRecord->strDate = m_texts.DateText(nDay, bNewDay);
            pRecord->strTime = m_texts.TimeText(static_cast<int>((nLocal - nDay * 86400) / 60));
        } else {
            pRecord->strDate = "0000-00-00";
            pRecord->strTime = "-1:-1";
        }
        // A record of the same day as the one before cannot move the earliest or latest date.
        if (bNewDay) {
            if (std::strcmp(pRecord->strDate, result.strEarliest) < 0)
                result.strEarliest = pRecord->strDate;
            if (std::strcmp(pRecord->strDate, result.strLatest) > 0)
                result.strLatest = pRecord->strDate;
        }
        pRecord->strTemp = m_texts.TempText(p);
        pRecord->byAlarm1 = ReadHexByte(p + 6);
        pRecord->byAlarm2 = ReadHexByte(p + 8);
        const CString& strAlarm = m_texts.AlarmText(pRecord->byAlarm1, pRecord->byAlarm2);
        if (!strAlarm.IsEmpty())  // most records carry no alarm and keep the empty text they were made with
            pRecord->strAlarm = strAlarm;
        m_records.AddTail(pRecord.get());
        pRecord.release();
        m_tClock += static_cast<__time64_t>(m_nInterval) * 60;
    }

    const char* m_pData;
    size_t m_nSize;
    CObList& m_records;
    int& m_nInterval;
    __time64_t m_tClock = 0;  // restarts at 1970-01-01 00:00:00 UTC for every load
    LocalClock m_localClock;
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

LogParseResult CTempDegreeContainer::ParseLog(const char* pData, size_t nSize)
{
    return ParseTempLog(pData, nSize, m_records, m_nInterval);
}

void CTempDegreeContainer::ClearRecords()
{
    DeleteTempRecords(m_records);
}
