// A top-level test window holding the program's view, with a log loaded straight from bytes.
#include "ViewHost.h"

#include "app/CKelvoroApp.h"
#include "app/CTemperatureGridWnd.h"
#include "app/ViewControlIds.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <cstdio>

namespace
{
const char kHostClass[] = "KelvoroViewTestHost";

void RegisterHostClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
}

HFONT ArialFont(int height)
{
    return ::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}
}  // namespace

void EnsureViewPrerequisites()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    if (g_fontControl.GetSafeHandle() == nullptr)
        g_fontControl.Attach(ArialFont(12));
    if (g_fontList.GetSafeHandle() == nullptr)
        g_fontList.Attach(ArialFont(14));
    RegisterHostClass();
}

std::string LogHeader(int year, int month, int day, int hour, int minute, int interval)
{
    char text[16];
    std::snprintf(text, sizeof(text), "T%02d%02d%02d%02d%02d%02d", year % 100, month, day, hour, minute, interval);
    return text;
}

std::string LogData(const char* temperature, int alarm1, int alarm2)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%6.6s%02X%02X", temperature, alarm1, alarm2);
    return text;
}

ViewHost::ViewHost(int width, int height)
{
    EnsureViewPrerequisites();
    // Shown without activation, so tests running beside this one keep their focus.
    m_hFrame = ::CreateWindowExA(0, kHostClass, "KELVORO", WS_OVERLAPPEDWINDOW, 0, 0, width, height, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::ShowWindow(m_hFrame, SW_SHOWNOACTIVATE);
    m_pView = new CTempDegreeContainer;
    RECT client;
    ::GetClientRect(m_hFrame, &client);
    m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, client, CWnd::FromHandle(m_hFrame),
                    0xE900);
    Pump();
}

ViewHost::~ViewHost()
{
    ::DestroyWindow(m_hFrame);
    delete m_pView;
    Pump();
}

void ViewHost::Load(const std::string& bytes, int deviceKind)
{
    m_pView->ClearRecords();
    m_pView->ParseLog(bytes.data(), bytes.size());
    m_pView->m_nDeviceKind = deviceKind;
    m_pView->m_btnSearch.EnableWindow(!m_pView->m_records.IsEmpty());
}

void ViewHost::PickDate(int year, int month, int day)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = 12;
    ::SendMessageA(m_pView->m_dateCtrl.m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

void ViewHost::ChooseWeek(bool week)
{
    ::SendMessageA(week ? m_pView->m_btnWeek.m_hWnd : m_pView->m_btnDay.m_hWnd, BM_CLICK, 0, 0);
}

void ViewHost::ClickSearch()
{
    ::SendMessageA(m_pView->m_btnSearch.m_hWnd, BM_CLICK, 0, 0);
    Pump();
}

void ViewHost::ClickAlarmOnly()
{
    ::SendMessageA(m_pView->m_pGridWnd->m_chkAlarmOnly.m_hWnd, BM_CLICK, 0, 0);
}

void ViewHost::SelectTab(int index)
{
    // Setting the selection does not notify: send the notification a click would.
    HWND tab = m_pView->m_tabCtrl.m_hWnd;
    ::SendMessageA(tab, TCM_SETCURSEL, index, 0);
    NMHDR nmhdr = {tab, IDC_VIEW_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(m_pView->m_hWnd, WM_NOTIFY, IDC_VIEW_TABS, reinterpret_cast<LPARAM>(&nmhdr));
    Pump();
}

void ViewHost::Resize(int width, int height)
{
    ::MoveWindow(m_hFrame, 0, 0, width, height, TRUE);
    RECT client;
    ::GetClientRect(m_hFrame, &client);
    m_pView->MoveWindow(&client, TRUE);
    Pump();
}

void ViewHost::Pump()
{
    ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

int ViewHost::RowCount() const
{
    return static_cast<int>(::SendMessageA(m_pView->m_pGridWnd->m_pListView->m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

std::string ViewHost::Cell(int row, int column) const
{
    return m_pView->m_pGridWnd->m_pListView->GetItemText(row, column).GetString();
}

DibPixels::DibPixels(int width, int height) : m_width(width), m_height(height)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    m_dc.CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(m_dc.m_hDC, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
}

DibPixels::~DibPixels()
{
    ::SelectObject(m_dc.m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
}

COLORREF DibPixels::At(int x, int y) const
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const DWORD bgrx = static_cast<const DWORD*>(m_pBits)[y * m_width + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

int DibPixels::CountColour(COLORREF colour, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += At(x, y) == colour ? 1 : 0;
    return count;
}
