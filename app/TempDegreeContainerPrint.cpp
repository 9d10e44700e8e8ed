// The view's print command: prints whichever tab page is showing.
#include "app/CTempDegreeContainer.h"

#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartWnd.h"
#include "app/CTemperatureChartWnd.h"
#include "app/CTemperatureGridWnd.h"
#include "app/ChartPrintJob.h"
#include "app/RecordRange.h"
#include "framework/CWaitCursor.h"

namespace
{
enum PageTab
{
    kTableTab = 0,
    kGraphTab = 1,
    kRadarTab = 2,
};

void PrintGraphPages(CTemperatureChartWnd& chartWnd, const CObList& records, const CString& first,
                     const CString& last)
{
    // The list borrows the view's records; the pages come from the whole range, whatever day
    // the screen chart shows.
    CObList range(10);
    CollectRecordsInRange(records, first, last, range);
    if (chartWnd.m_pChart == nullptr)
        return;  // no search has built a chart yet
    PrintChartDocument(DMORIENT_LANDSCAPE,
                       [&](CDC& dc, const CPrintDialog&) { chartWnd.PrintDays(&range, &dc); });
}

void PrintRadarPage(CRadarChartGraphWnd& graphWnd)
{
    PrintChartDocument(DMORIENT_PORTRAIT, [&](CDC& dc, const CPrintDialog& dialog) {
        // Without settings there is no print quality, and the DC's own resolution decides.
        const CDevMode settings = dialog.GetDevMode();
        graphWnd.PrintPage(&dc, RadarPageScale(settings.IsEmpty() ? DEVMODEA() : *settings.Get(), dc));
    });
}
}  // namespace

void CTempDegreeContainer::Print()
{
    CWaitCursor wait;
    switch (m_tabCtrl.GetCurSel())
    {
    case kTableTab:
        if (m_pGridWnd != nullptr)
            m_pGridWnd->PrintText();
        break;
    case kGraphTab:
        if (m_pChartWnd != nullptr)
            PrintGraphPages(*m_pChartWnd, m_records, m_strSearchStart, m_strSearchEnd);
        break;
    case kRadarTab:
        if (m_pRadarWnd != nullptr && m_pRadarWnd->m_pGraphWnd != nullptr)
            PrintRadarPage(*m_pRadarWnd->m_pGraphWnd);
        break;
    default:
        break;  // no page selected: nothing to print
    }
}
