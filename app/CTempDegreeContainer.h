// The program's one view: the controls band (date picker, Day/Week, Print, Search, File) over the
// tab control with its three pages; owns the parsed log and the range of the last search.
#pragma once

#include "app/CUserTabCtrl.h"
#include "app/TempDegreeContainerLog.h"
#include "framework/CButton.h"
#include "framework/CDateTimeCtrl.h"
#include "framework/CObList.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <cstddef>

class CTemperatureGridWnd;
class CTemperatureChartWnd;
class CRadarChartWnd;
struct SearchWalk;
class CDC;

class CTempDegreeContainer : public CWnd
{
public:
    CTempDegreeContainer();
    ~CTempDegreeContainer() override;

    // Log (TempDegreeContainerLog.cpp). The caller empties m_records first and keeps the bytes
    // alive during the call; a failed result names the offset of the invalid header.
    LogParseResult ParseLog(const char* pData, size_t nSize);
    void ClearRecords();

    // Day and week search over m_records into the three pages.
    void Search();

    // Prints the page that is showing.
    void Print();

    // The controls band's painted part (background, product line, "Date") for a client size.
    void DrawBand(CDC& dc, const CRect& client);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnPrintButton();
    void OnSearchButton();
    void OnFileButton();

    DECLARE_MESSAGE_MAP()

private:
    void CreatePages();
    void FeedRadar(const SearchWalk& walk);

public:
    CDateTimeCtrl m_dateCtrl;        // id 100: search start day
    CButton m_btnDay;                // id 101
    CButton m_btnWeek;               // id 102
    CButton m_btnPrint;              // id 111
    CButton m_btnSearch;             // id 112
    CButton m_btnFile;               // id 113
    CUserTabCtrl m_tabCtrl;          // id 200
    CTemperatureGridWnd* m_pGridWnd = nullptr;    // page 0 "DOC", owned
    CTemperatureChartWnd* m_pChartWnd = nullptr;  // page 1 "GRAPH", owned
    CRadarChartWnd* m_pRadarWnd = nullptr;        // page 2 "Radar Chart", owned
    int m_nDeviceKind = 0;           // DeviceKind of the loaded file; set by the first load
    CString m_strTitle;              // product line, painted after "Product  "
    CObList m_records{10};           // TempRecord pointers in file order, owning
    CString m_strSearchStart;        // "%Y-%m-%d" of the last search's start day
    CString m_strSearchEnd;          // "%Y-%m-%d" of the last day the table shows
    // Minutes between records, from the last header read; kept from one load to the next. Until a
    // header has ever been read it is 0: records with no header before them have no known time,
    // so they all keep the clock's start rather than being spread over invented times.
    int m_nInterval = 0;
};
