// The table page's print: the rows the list shows, as text pages.
#include "app/CTemperatureGridWnd.h"

#include "app/CTextPrint.h"

void CTemperatureGridWnd::PrintText()
{
    if (m_pListView == nullptr || m_pListView->GetItemCount() <= 0)
        return;

    // The rows as shown, filtered or not; an alarm text gives one line per item.
    CObList lines(10);
    for (int row = 0; row < m_pListView->GetItemCount(); ++row)
    {
        CTextPrint::AppendRowLines(lines, m_pListView->GetItemText(row, 0), m_pListView->GetItemText(row, 1),
                                   m_pListView->GetItemText(row, 2), m_pListView->GetItemText(row, 3));
    }
    CTextPrint print;
    print.PrintDoc(&lines);
    CTextPrint::FreeLines(lines);
}
