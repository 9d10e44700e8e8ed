// The day and week search's walk over the records: from the picked moment and the Day/Week
// choice to the pages' three lists, the minute stamps, the kind's range and the radar slots.
// Free of any window; the view's Search reads its controls, runs this and hands out the result.
#pragma once

#include "app/DeviceKind.h"
#include "framework/CObList.h"
#include "framework/COleDateTime.h"
#include "framework/CString.h"
#include "framework/CTime.h"

struct _SYSTEMTIME;

struct SearchWalk
{
    CString strSearchStart;     // picked local day, "%Y-%m-%d"
    CString strWeekLastDay;     // six days later
    CString strSearchEnd;       // strWeekLastDay with "Week", else strSearchStart
    COleDateTime startMidnight; // picked day at 00:00:00
    COleDateTime firstTime;     // first record taken by the walk; 0.0 when none
    // Borrowed record pointers in file order; they die with this object.
    CObList tableList{10};      // window records dated up to strSearchEnd
    CObList graphList{10};      // window records of the start day
    CObList radarList{10};      // every window record
    const DeviceKindInfo* pKind = nullptr;  // caption and the graph's range of the device kind
    CString strRadarTitle;      // "Duration:   start  ~  week's last day", whatever Day/Week says
    bool bPrintEnabled = false; // the start day has records
};

// Runs the walk for a picker value: a year before 1900 means the moment 0; a moment the runtime
// cannot convert (years 1900-1969, or past its range) throws CInvalidArgException before
// anything has changed. Stamps nMinuteIndex of the window's records; walk must be fresh.
void RunSearchWalk(const _SYSTEMTIME& picked, bool bWeek, CObList& records, int nDeviceKind, SearchWalk& walk);
void RunSearchWalk(CTime picked, bool bWeek, CObList& records, int nDeviceKind, SearchWalk& walk);

// Rewrites the radar's RADAR_MINUTES values and angles: every value to RADAR_NO_VALUE, the angles
// running clockwise from one slot past 12 o'clock, then each radar record's temperature at its
// minute slot (a later record of the same minute wins). The radar's slot count is RADAR_MINUTES.
void FillRadarSlots(const CObList& radarList, float* pValues, double* pAngles);
