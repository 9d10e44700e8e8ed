// The "DOC" page: the searched records as a four-column report list, with an alarm-only filter.
#include "app/CTemperatureGridWnd.h"

#include "app/CKelvoroApp.h"
#include "app/CTempDegreeContainer.h"
#include "app/RecordRange.h"
#include "app/TempRecord.h"
#include "framework/CWaitCursor.h"

IMPLEMENT_DYNAMIC(CTemperatureGridWnd, CTabCtrlChildWnd)

BEGIN_MESSAGE_MAP(CTemperatureGridWnd, CTabCtrlChildWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_GRID_ALARM_ONLY, OnAlarmOnlyClicked)
END_MESSAGE_MAP()

const SGridColumn g_gridColumns[] = {
    {"DATE", LVCFMT_CENTER, 12},
    {"TIME", LVCFMT_CENTER, 8},
    {"TEMPERATURE", LVCFMT_CENTER, 12},
    {"ALARM DATA", LVCFMT_LEFT, 30},
    {nullptr, 0, 0},
};

namespace
{
const int kListTop = 25;
}

CTemperatureGridWnd::CTemperatureGridWnd() : m_pListView(nullptr), m_bAlarmOnly(false)
{
}

CTemperatureGridWnd::~CTemperatureGridWnd()
{
    m_chkAlarmOnly.DestroyWindow();
}

int CTemperatureGridWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabCtrlChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    m_chkAlarmOnly.Create("Alaram Data", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 2, 200, 20), this,
                          IDC_GRID_ALARM_ONLY);
    m_chkAlarmOnly.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(g_fontList.GetSafeHandle()), TRUE);

    m_pListView = new CListView;
    m_pListView->Create(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
                        CRect(0, 0, 0, 0), this, IDC_GRID_LIST);
    m_pListView->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; g_gridColumns[i].pszHeading != nullptr; ++i)
        m_pListView->InsertColumn(i, g_gridColumns[i].pszHeading, g_gridColumns[i].nFormat,
                                  g_gridColumns[i].nUnits * GRID_UNIT_PIXELS);
    m_pListView->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(g_fontList.GetSafeHandle()), TRUE);
    return 0;
}

void CTemperatureGridWnd::OnSize(UINT nType, int cx, int cy)
{
    CTabCtrlChildWnd::OnSize(nType, cx, cy);
    if (m_pListView == nullptr || m_pListView->GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    m_pListView->MoveWindow(client.left, kListTop, client.Width(), client.bottom - kListTop, TRUE);
}

void CTemperatureGridWnd::SetRecords(CObList* pRecords)
{
    if (m_pListView == nullptr || m_pListView->GetSafeHwnd() == nullptr)
        return;
    // A week holds ten thousand rows: the list repaints once at the end, not once per row.
    m_pListView->SendMessage(WM_SETREDRAW, FALSE);
    m_pListView->DeleteAllItems();
    if (pRecords != nullptr)
    {
        m_pListView->SendMessage(LVM_SETITEMCOUNT, pRecords->GetCount());
        for (POSITION pos = pRecords->GetHeadPosition(); pos != nullptr;)
        {
            const TempRecord* record = static_cast<const TempRecord*>(pRecords->GetNext(pos));
            if (m_bAlarmOnly && record->strAlarm.IsEmpty())
                continue;
            AppendRow(*record);
        }
    }
    m_pListView->SendMessage(WM_SETREDRAW, TRUE);
    m_pListView->Invalidate();
}

void CTemperatureGridWnd::AppendRow(const TempRecord& record)
{
    const int row = m_pListView->InsertItem(m_pListView->GetItemCount(), record.strDate);
    if (row < 0)
        return;
    CString temperature;
    temperature.Format("%s℃", record.strTemp.GetString());
    m_pListView->SetItemText(row, 1, record.strTime);
    m_pListView->SetItemText(row, 2, temperature);
    m_pListView->SetItemText(row, 3, record.strAlarm);
}

void CTemperatureGridWnd::OnAlarmOnlyClicked()
{
    m_bAlarmOnly = m_chkAlarmOnly.GetCheck() != BST_UNCHECKED;
    CWaitCursor wait;
    // Before any search the choice waits for the next one.
    if (m_pContainer == nullptr || m_pContainer->m_strSearchStart.IsEmpty())
        return;
    CObList range(10);
    CollectRecordsInRange(m_pContainer->m_records, m_pContainer->m_strSearchStart, m_pContainer->m_strSearchEnd,
                          range);
    m_pContainer->m_pGridWnd->SetRecords(&range);
}
