// Prints the table's lines as monospaced text pages in two columns under a page header.
#pragma once

#include "framework/CDC.h"
#include "framework/CObList.h"
#include "framework/CString.h"

#include <ctime>

// One printed line: a row's date, time and temperature with one alarm item, or a continuation
// line that carries only its alarm item.
struct TextPrintLine : public CObject
{
    CString strDate;
    CString strTime;
    CString strTemp;
    CString strAlarm;
};

struct PrinterNames
{
    CString strDevice;
    CString strDriver;
    CString strPort;
};

class CTextPrint
{
public:
    static const int kSecondColumn = 50;  // characters from the left margin
    static const int kColumnFrame = 7;    // lines of a page's line count that hold no row

    CTextPrint();
    virtual ~CTextPrint();
    CTextPrint(const CTextPrint&) = delete;
    CTextPrint& operator=(const CTextPrint&) = delete;

    // The whole print: dialog, then every page of every copy as the document "KELVORO".
    void PrintDoc(CObList* pLines);
    // The print dialog and the page header; false when cancelled or when no row fits on a page.
    bool Setup();
    // Makes the printer DC and measures the page; false when there is no DC or no row fits.
    bool CreatePrinterDC(CDC& dc, const PrinterNames& names);
    // Prints one column of one page; returns the index of the first line not printed.
    int PrintColumn(CObList* pLines, int first, int column, int linesPerPage);

    // Fonts, metrics and margins for the given DC; false when no row fits on a page.
    bool MeasurePage(CDC& dc);
    // Line pitch, character pitch, lines per page and margins for a page of horzRes x vertRes
    // device units and a body font cell; false (and nothing printable) when no row fits.
    bool SetPageMetrics(int horzRes, int vertRes, int lineHeight, int charWidth);
    // The header text: the product name and the given local time.
    void FillHeader(const std::tm& now);
    // One page between StartPage and EndPage; returns the index of the first line not printed.
    int PrintPage(CObList* pLines, int first, int page);

    // Appends the print lines of one table row: one per ','-separated alarm item, the row's
    // date, time and temperature on the first only.
    static void AppendRowLines(CObList& lines, const CString& date, const CString& time,
                               const CString& temp, const CString& alarm);
    // Deletes every line of the list and empties it.
    static void FreeLines(CObList& lines);

    CDC& GetDC() { return m_dc; }
    const char* GetHeader() const { return m_szHeader; }
    int GetCopies() const { return m_nCopies; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetCharWidth() const { return m_nCharWidth; }
    int GetLinesPerPage() const { return m_nLinesPerPage; }
    int GetLeftMargin() const { return m_nLeftMargin; }
    int GetTopMargin() const { return m_nTopMargin; }
    int RowsPerColumn() const { return m_nLinesPerPage - kColumnFrame; }

private:
    void PrintBodyText(int x, int line, const char* text);
    void PrintRule(int x, int line);

    PrinterNames m_names;
    int m_nCopies = 0;
    CDC m_dc;
    CFont m_fontHeader;
    CFont m_fontBody;
    CFont* m_pOldFont = nullptr;
    char m_szHeader[128];
    int m_nLineHeight = 0;
    int m_nCharWidth = 0;
    int m_nLineChars = 100;
    int m_nLinesPerPage = 0;
    int m_nLeftMargin = 0;
    int m_nTopMargin = 0;
};
