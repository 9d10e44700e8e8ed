// The "DOC" page: the searched records as a four-column report list, with an alarm-only filter.
#pragma once

#include "app/CTabCtrlChildWnd.h"
#include "framework/CButton.h"
#include "framework/CListView.h"
#include "framework/CObList.h"

class CTempDegreeContainer;
class TempRecord;

// One column of the table: heading, alignment and width in units of 12 pixels.
struct SGridColumn
{
    const char* pszHeading;  // null ends the table
    int nFormat;
    int nUnits;
};

extern const SGridColumn g_gridColumns[];

const int GRID_UNIT_PIXELS = 12;
const UINT IDC_GRID_LIST = 100;
const UINT IDC_GRID_ALARM_ONLY = 101;

class CTemperatureGridWnd : public CTabCtrlChildWnd
{
    DECLARE_DYNAMIC(CTemperatureGridWnd)

public:
    CTemperatureGridWnd();
    ~CTemperatureGridWnd() override;

    // Refills the list from borrowed TempRecord pointers; null only empties it.
    void SetRecords(CObList* pRecords);
    // Prints the rows as text pages (the text printer's unit).
    void PrintText();

    CTempDegreeContainer* m_pContainer = nullptr;  // the view that owns the page
    CButton m_chkAlarmOnly;
    CListView* m_pListView;  // deletes itself with its window
    bool m_bAlarmOnly;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnAlarmOnlyClicked();

    DECLARE_MESSAGE_MAP()

private:
    void AppendRow(const TempRecord& record);
};
