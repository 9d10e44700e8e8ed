#include "e2e/E2eSupport.h"

#include "app/CMainFrame.h"
#include "app/CKelvoroApp.h"

#include <commctrl.h>


CTempDegreeContainer& TheView()
{
    return static_cast<CMainFrame*>(theApp.m_pMainWnd)->m_wndView;
}

void PickDate(AppHarness& app, int year, int month, int day)
{
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    date.wHour = 12;
    ::SendMessageA(app.ViewItem(100), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}

HWND TableList(AppHarness& app)
{
    HWND tabs = app.ViewItem(200);
    HWND page = ::GetDlgItem(tabs, 100);
    return ::GetDlgItem(page, 100);
}

int TableRowCount(AppHarness& app)
{
    return static_cast<int>(::SendMessageA(TableList(app), LVM_GETITEMCOUNT, 0, 0));
}

std::string TableCell(AppHarness& app, int row, int column)
{
    char text[256] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(TableList(app), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void LoadThroughFileButton(AppHarness& app, const std::string& path, int kindRadioId,
                           std::vector<std::string>* messages, int expectedMessages)
{
    app.Expect("Select USB Data File", [path, kindRadioId](HWND dialog) {
        SetItemText(dialog, 1000, path);
        ClickItem(dialog, kindRadioId);
        ClickItem(dialog, IDOK);
    });
    if (messages != nullptr) {
        messages->assign(expectedMessages, std::string());
        for (int i = 0; i < expectedMessages; ++i)
            app.ExpectMessageBox(&(*messages)[i]);
    }
    app.Click(app.ViewItem(113));
}

void SelectTab(AppHarness& app, int index)
{
    // Setting the selection does not notify: send the notification a click would.
    HWND tabs = app.ViewItem(200);
    ::SendMessageA(tabs, TCM_SETCURSEL, index, 0);
    NMHDR header = {tabs, 200, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(app.View(), WM_NOTIFY, 200, reinterpret_cast<LPARAM>(&header));
    app.Pump(50);
}
