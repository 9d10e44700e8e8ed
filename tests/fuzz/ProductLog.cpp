#include "ProductLog.h"

#include "app/TempDegreeContainerLog.h"
#include "app/TempRecord.h"

RefOutcome RunProductParse(const unsigned char* data, size_t size, int interval)
{
    CObList records;
    int nInterval = interval;
    LogParseResult result = ParseTempLog(reinterpret_cast<const char*>(data), size, records, nInterval);
    RefOutcome out;
    out.stoppedAtBadHeader = !result.bOk;
    out.badHeaderOffset = result.bOk ? 0 : result.nBadHeaderOffset;
    out.interval = nInterval;
    out.earliest = result.strEarliest.GetString();
    out.latest = result.strLatest.GetString();
    for (POSITION pos = records.GetHeadPosition(); pos;) {
        const TempRecord* record = static_cast<const TempRecord*>(records.GetNext(pos));
        RefRecord copy;
        copy.date = record->strDate.GetString();
        copy.time = record->strTime.GetString();
        copy.temp = record->strTemp.GetString();
        copy.alarm1 = record->byAlarm1;
        copy.alarm2 = record->byAlarm2;
        copy.alarmText = record->strAlarm.GetString();
        out.records.push_back(copy);
    }
    DeleteTempRecords(records);
    return out;
}

std::string ProductAlarmText(unsigned char alarm1, unsigned char alarm2)
{
    CString text = "left over";
    FormatAlarmText(alarm1, alarm2, text);
    return text.GetString();
}

std::string ProductTitle(const std::string& caption, const std::string& earliest, const std::string& latest)
{
    return FormatProductLine(caption.c_str(), earliest.c_str(), latest.c_str()).GetString();
}
