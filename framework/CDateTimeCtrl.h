// Date-time picker control.
#pragma once

#include "framework/CTime.h"
#include "framework/CWnd.h"

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // GDT_VALID when the picker holds a date, GDT_NONE when its check box is clear, GDT_ERROR otherwise.
    DWORD GetTime(SYSTEMTIME* pTime) const;
    // The picker's moment in local time; the platform decides daylight saving.
    DWORD GetTime(CTime& time) const;
    BOOL SetTime(const SYSTEMTIME* pTime);
    BOOL SetTime(const CTime& time);
};
