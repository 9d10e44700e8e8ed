// Times the view's heavy paths under real windows: filling the table after a Day and a Week
// search over a year of one-minute records, and one paint of a full week's radar chart.
// Usage: ViewBench.exe [repeats]
#include "app/CKelvoroApp.h"
#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartWnd.h"
#include "app/CTempDegreeContainer.h"
#include "app/CTemperatureGridWnd.h"
#include "app/TempDegreeContainerSearch.h"
#include "framework/CDC.h"
#include "tools/loggen/LogGenerator.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double Milliseconds(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Stats
{
    double best;
    double median;
};

Stats Measure(int repeats, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(Milliseconds(work));
    std::sort(times.begin(), times.end());
    return Stats{times.front(), times[times.size() / 2]};
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

HWND CreateHost(int width, int height)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KelvoroViewBench";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "KELVORO", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height,
                             nullptr, nullptr, wc.hInstance, nullptr);
}

void PickDate(CTempDegreeContainer& view, int year, int month, int day)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = 12;
    ::SendMessageA(view.m_dateCtrl.m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

void ChooseWeek(CTempDegreeContainer& view, bool week)
{
    view.m_btnDay.SetCheck(week ? BST_UNCHECKED : BST_CHECKED);
    view.m_btnWeek.SetCheck(week ? BST_CHECKED : BST_UNCHECKED);
}

void Report(const char* what, const Stats& stats, int rows, double target)
{
    std::printf("%-44s rows %6d  best %8.2f ms  median %8.2f ms%s\n", what, rows, stats.best, stats.median,
                target > 0 ? (stats.median <= target ? "  (target met)" : "  (TARGET MISSED)") : "");
}
}  // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    g_fontControl.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    g_fontList.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");

    loggen::LogOptions options;
    options.start = {2023, 1, 1, 0, 0};
    options.nDays = 365;
    options.nInterval = 1;
    options.bKeepRecords = false;
    options.bEvents = false;     // every minute of the year has its reading
    options.bBlackouts = false;
    const loggen::GeneratedLog log = loggen::GenerateLog(options);

    HWND host = CreateHost(1024, 768);
    CTempDegreeContainer* view = new CTempDegreeContainer;
    RECT client;
    ::GetClientRect(host, &client);
    view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, client, CWnd::FromHandle(host), 0xE900);
    view->m_nDeviceKind = 1;
    const double parseMs = Milliseconds([&] { view->ParseLog(log.bytes.data(), log.bytes.size()); });
    std::printf("log: %d records (%zu bytes), parsed in %.1f ms; %d repeats each\n", view->m_records.GetCount(),
                log.bytes.size(), parseMs, repeats);
    Pump();

    PickDate(*view, 2023, 6, 12);
    for (bool week : {false, true})
    {
        ChooseWeek(*view, week);
        SearchWalk walk;
        SYSTEMTIME picked = {};
        view->m_dateCtrl.GetTime(&picked);
        RunSearchWalk(picked, week, view->m_records, view->m_nDeviceKind, walk);
        const Stats fill = Measure(repeats, [&] { view->m_pGridWnd->SetRecords(&walk.tableList); });
        const int rows = view->m_pGridWnd->m_pListView->GetItemCount();
        Report(week ? "table fill, Week search" : "table fill, Day search", fill, rows, week ? 250.0 : 0.0);
        const Stats search = Measure(repeats, [&] { view->Search(); });
        Report(week ? "whole Search (walk + 3 pages), Week" : "whole Search (walk + 3 pages), Day", search, rows,
               0.0);
    }

    // One paint of the full week at 960 x 720, straight onto the window as the paint handler does.
    CRadarChartGraphWnd* graph = view->m_pRadarWnd->m_pGraphWnd;
    graph->ModifyStyle(WS_CHILD, WS_POPUP);
    graph->SetParent(nullptr);
    graph->SetWindowPos(nullptr, 0, 0, 960 + 2, 720 + 2, SWP_NOZORDER | SWP_SHOWWINDOW);
    Pump();
    CRect graphClient;
    graph->GetClientRect(&graphClient);
    int valued = 0;
    for (int s = 0; s < RADAR_MINUTES; ++s)
        valued += graph->m_pValues[s] != RADAR_NO_VALUE ? 1 : 0;
    const Stats paint = Measure(repeats * 4, [&] {
        graph->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    std::printf("radar client %d x %d, %d valued slots\n", graphClient.Width(), graphClient.Height(), valued);
    Report("radar paint, full week", paint, valued, 30.0);
    const int count = graph->m_nCount;
    graph->m_nCount = 0;
    const Stats grid = Measure(repeats * 4, [&] {
        graph->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    graph->m_nCount = count;
    Report("radar paint, rings/spokes/labels only", grid, 0, 0.0);

    graph->ModifyStyle(WS_POPUP, WS_CHILD);
    graph->SetParent(view->m_pRadarWnd);
    ::DestroyWindow(host);
    delete view;
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return 0;
}
