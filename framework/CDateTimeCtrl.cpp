// Date-time picker control.
#include "framework/CDateTimeCtrl.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The picker's class is not among the Windows 95 controls that a program usually registers
    // at start-up, and Windows only registers a common control's class on request.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* pTime) const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTime)));
}

DWORD CDateTimeCtrl::GetTime(CTime& time) const
{
    SYSTEMTIME st = {};
    const DWORD result = GetTime(&st);
    if (result == GDT_VALID)
        time = CTime(st);
    return result;
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTime)
{
    const WPARAM flag = pTime ? GDT_VALID : GDT_NONE;
    return ::SendMessageA(m_hWnd, DTM_SETSYSTEMTIME, flag, reinterpret_cast<LPARAM>(pTime)) != 0;
}

BOOL CDateTimeCtrl::SetTime(const CTime& time)
{
    SYSTEMTIME st = {};
    if (!time.GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}
