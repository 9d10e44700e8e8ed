// The walk of the day and week search.
#include "app/TempDegreeContainerSearch.h"

#include "app/RadarConstants.h"
#include "app/TempRecord.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr double kSixDays = 6.0;
constexpr double kHalfSecondInDays = 1.0 / 172800;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// atoi of nCount characters of text from nFirst on (fewer when the text is shorter).
int AtoiOfSlice(const CString& text, int nFirst, int nCount)
{
    char sz[8] = {};
    for (int i = 0; i < nCount && nFirst + i < text.GetLength(); ++i)
        sz[i] = text.GetString()[nFirst + i];
    return std::atoi(sz);
}

// The record's date and time texts read back as a moment, seconds 0.
COleDateTime MomentOf(const TempRecord& record)
{
    return COleDateTime(AtoiOfSlice(record.strDate, 0, 4), AtoiOfSlice(record.strDate, 5, 2),
                        AtoiOfSlice(record.strDate, 8, 2), AtoiOfSlice(record.strTime, 0, 2),
                        AtoiOfSlice(record.strTime, 3, 2), 0);
}

// Whole minutes from the start midnight, moved half a second away from zero so that a moment
// stored a hair below a whole minute still counts as that minute.
int MinuteIndexOf(const COleDateTime& moment, const COleDateTime& startMidnight)
{
    double dDays = (moment - startMidnight).GetTotalDays();
    dDays += dDays >= 0 ? kHalfSecondInDays : -kHalfSecondInDays;
    return static_cast<int>(dDays * 1440);
}

void MakeRange(CTime picked, bool bWeek, SearchWalk& walk)
{
    const std::tm local = picked.GetLocalTm();
    CString strStart = picked.Format("%Y-%m-%d");
    walk.startMidnight = COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0, 0, 0);
    // Six calendar days on, not six times 86400 seconds: across a daylight-saving change the
    // seconds would end the week a day early or late, depending on the picked time of day.
    CString strLast = (walk.startMidnight + COleDateTimeSpan(kSixDays)).Format("%Y-%m-%d");
    walk.strSearchEnd = bWeek ? strLast : strStart;
    walk.strSearchStart = strStart;
    walk.strWeekLastDay = strLast;
    walk.strRadarTitle.Format("Duration:   %s  ~  %s", strStart.GetString(), strLast.GetString());
}

// One pass in file order; relies on the dates ascending, so the first record past the window ends it.
void WalkRecords(CObList& records, SearchWalk& walk)
{
    bool bFirst = true;
    POSITION pos = records.GetHeadPosition();
    while (pos != nullptr) {
        TempRecord* pRecord = static_cast<TempRecord*>(records.GetNext(pos));
        const char* pszDate = pRecord->strDate;
        if (std::strcmp(pszDate, walk.strSearchStart) < 0)
            continue;
        if (std::strcmp(pszDate, walk.strWeekLastDay) > 0)
            break;
        if (std::strcmp(pszDate, walk.strSearchEnd) <= 0)
            walk.tableList.AddTail(pRecord);
        if (std::strcmp(pszDate, walk.strSearchStart) <= 0)
            walk.graphList.AddTail(pRecord);
        walk.radarList.AddTail(pRecord);
        const COleDateTime moment = MomentOf(*pRecord);
        if (bFirst) {
            walk.firstTime = moment;
            bFirst = false;
        }
        pRecord->nMinuteIndex = MinuteIndexOf(moment, walk.startMidnight);
    }
}

}  // namespace

void RunSearchWalk(const _SYSTEMTIME& picked, bool bWeek, CObList& records, int nDeviceKind, SearchWalk& walk)
{
    RunSearchWalk(CTime(picked), bWeek, records, nDeviceKind, walk);
}

void RunSearchWalk(CTime picked, bool bWeek, CObList& records, int nDeviceKind, SearchWalk& walk)
{
    MakeRange(picked, bWeek, walk);
    walk.firstTime = COleDateTime(0.0);
    WalkRecords(records, walk);
    walk.pKind = &GetDeviceKindInfo(nDeviceKind);
    walk.bPrintEnabled = !walk.graphList.IsEmpty();
}

void FillRadarSlots(const CObList& radarList, float* pValues, double* pAngles)
{
    const int nCount = RADAR_MINUTES;
    for (int i = 0; i < RADAR_MINUTES; ++i)
        pValues[i] = RADAR_NO_VALUE;
    for (int i = 0; i < nCount; ++i)
        pAngles[nCount - 1 - i] = (360.0 * i / nCount + 90.0) * kRadiansPerDegree;
    POSITION pos = radarList.GetHeadPosition();
    while (pos != nullptr) {
        const TempRecord* pRecord = static_cast<const TempRecord*>(radarList.GetNext(pos));
        if (pRecord->nMinuteIndex >= 0 && pRecord->nMinuteIndex < nCount)
            pValues[pRecord->nMinuteIndex] = static_cast<float>(std::atof(pRecord->strTemp));
    }
}
