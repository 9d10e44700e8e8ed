#include "app/CTextPrint.h"

#include "framework/CPrintDialog.h"

#include <cstring>

namespace
{
const char kProductName[] = "KELVORO";
const char kColumnHeading[] = "DATE        TIME   TEMP   ALARM DATA";
const int kRuleChars = 48;
// The time stands this many characters before the end of the header's line.
const int kTimeFromEnd = 32;
// The lines are code page 949 text ("℃" is two bytes). An ANSI font would read those bytes as
// code page 1252; the Korean character set maps "Courier New" to a fixed-pitch Korean face whose
// double-byte characters are two cells wide, so columns counted in bytes stay aligned.
const BYTE kTextCharSet = HANGUL_CHARSET;
}  // namespace

CTextPrint::CTextPrint()
{
    std::memset(m_szHeader, 0, sizeof(m_szHeader));
}

CTextPrint::~CTextPrint()
{
    m_fontHeader.DeleteObject();
    m_fontBody.DeleteObject();
    m_dc.DeleteDC();
}

void CTextPrint::AppendRowLines(CObList& lines, const CString& date, const CString& time,
                                const CString& temp, const CString& alarm)
{
    int start = 0;
    bool first = true;
    for (;;)
    {
        const int comma = alarm.Find(',', start);
        TextPrintLine* line = new TextPrintLine;
        if (first)
        {
            line->strDate = date;
            line->strTime = time;
            line->strTemp = temp;
            first = false;
        }
        line->strAlarm = comma < 0 ? alarm.Mid(start) : alarm.Mid(start, comma - start);
        line->strAlarm.Trim();
        lines.AddTail(line);
        if (comma < 0)
            break;
        start = comma + 1;
    }
}

void CTextPrint::FreeLines(CObList& lines)
{
    while (!lines.IsEmpty())
        delete lines.RemoveHead();
}

void CTextPrint::PrintDoc(CObList* pLines)
{
    if (!Setup())
        return;

    DOCINFOA doc = {};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = kProductName;
    m_dc.StartDoc(&doc);
    const int count = pLines->GetCount();
    for (int copy = 0; copy < m_nCopies; ++copy)
    {
        // Every copy is the whole page sequence, numbered from 1 again.
        int next = 0;
        int page = 1;
        int first = 0;
        do
        {
            first = next;
            next = PrintPage(pLines, first, page);
            ++page;
        } while (next < count && next > first);
    }
    m_dc.EndDoc();
    if (m_pOldFont != nullptr)
        m_dc.SelectObject(m_pOldFont);
}

bool CTextPrint::Setup()
{
    m_nLineChars = 100;
    CPrintDialog dialog(FALSE, PD_PAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE);
    dialog.m_pd.nFromPage = 0;
    dialog.m_pd.nToPage = 0;
    dialog.m_pd.nMinPage = 0;
    dialog.m_pd.nMaxPage = 0;
    if (dialog.DoModal() != IDOK)
        return false;

    // The page range that comes back is not used: every page prints.
    m_names.strDevice = dialog.GetDeviceName();
    m_names.strDriver = dialog.GetDriverName();
    m_names.strPort = dialog.GetPortName();
    m_nCopies = dialog.GetCopies();
    if (!CreatePrinterDC(m_dc, m_names))
        return false;

    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_s(&local, &now);
    FillHeader(local);
    return true;
}

bool CTextPrint::CreatePrinterDC(CDC& dc, const PrinterNames& names)
{
    // No DEVMODE: the printer's own defaults apply, including one copy per page, since the
    // copies are printed by repeating the document's pages.
    HDC printer = CreateDCA(names.strDriver, names.strDevice, names.strPort, nullptr);
    if (printer == nullptr)
        return false;
    dc.Attach(printer);
    return MeasurePage(dc);
}

bool CTextPrint::MeasurePage(CDC& dc)
{
    const int horzRes = dc.GetDeviceCaps(HORZRES);
    const int vertRes = dc.GetDeviceCaps(VERTRES);
    const int width = horzRes / (m_nLineChars + 8);
    m_nCharWidth = width;
    m_nLineHeight = 2 * width;

    m_fontHeader.DeleteObject();
    m_fontBody.DeleteObject();
    m_fontHeader.CreateFont(2 * width, width, 0, 0, FW_NORMAL, TRUE, TRUE, FALSE, kTextCharSet,
                            OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, FIXED_PITCH, "Courier New");
    m_fontBody.CreateFont(2 * width, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, kTextCharSet,
                          OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, FIXED_PITCH, "Courier New");

    dc.SetMapMode(MM_TEXT);
    CFont* previous = dc.SelectObject(&m_fontBody);
    if (m_pOldFont == nullptr)
        m_pOldFont = previous;
    TEXTMETRICA metrics = {};
    const bool measured = dc.GetTextMetrics(&metrics) != FALSE;
    dc.SelectObject(m_pOldFont);
    if (!measured)
        return SetPageMetrics(horzRes, vertRes, 0, 0);
    return SetPageMetrics(horzRes, vertRes, metrics.tmHeight + metrics.tmExternalLeading, metrics.tmAveCharWidth);
}

bool CTextPrint::SetPageMetrics(int horzRes, int vertRes, int lineHeight, int charWidth)
{
    m_nLineHeight = lineHeight;
    m_nCharWidth = charWidth;
    const int lines = lineHeight > 0 ? vertRes / lineHeight : 0;
    if (lines <= 0 || charWidth <= 0)
    {
        // Not one line fits: nothing can be laid out, and a page holds no row.
        m_nLinesPerPage = 0;
        m_nTopMargin = 0;
        m_nLeftMargin = 0;
        return false;
    }
    m_nLinesPerPage = lines - 6;
    m_nTopMargin = 3 * lineHeight + (vertRes % lines) / 2;
    m_nLeftMargin = (horzRes % (charWidth + 8)) / 2 + 4 * charWidth;
    return RowsPerColumn() > 0;
}

void CTextPrint::FillHeader(const std::tm& now)
{
    std::memset(m_szHeader, ' ', m_nLineChars);
    m_szHeader[m_nLineChars] = '\0';
    std::memcpy(m_szHeader + 1, kProductName, sizeof(kProductName) - 1);
    char* timeText = m_szHeader + m_nLineChars - kTimeFromEnd;
    if (std::strftime(timeText, kTimeFromEnd + 1, "%y.%m.%d %I:%M %p", &now) == 0)
        *timeText = '\0';
}

int CTextPrint::PrintPage(CObList* pLines, int first, int page)
{
    m_dc.StartPage();
    m_dc.SelectObject(&m_fontHeader);
    CString header;
    header.Format("%s, Page: %4d", m_szHeader, page);
    m_dc.TextOut(m_nLeftMargin, m_nTopMargin, header, header.GetLength());

    int next = PrintColumn(pLines, first, 0, m_nLinesPerPage);
    // A second column that would be empty is not drawn at all.
    if (next < pLines->GetCount())
        next = PrintColumn(pLines, next, kSecondColumn, m_nLinesPerPage);
    m_dc.EndPage();
    return next;
}

int CTextPrint::PrintColumn(CObList* pLines, int first, int column, int linesPerPage)
{
    const int x = m_nLeftMargin + column * m_nCharWidth;
    const int rows = linesPerPage - kColumnFrame;
    PrintRule(x, 2);
    PrintBodyText(x, 3, kColumnHeading);
    PrintRule(x, 4);

    int printed = 0;
    POSITION position = pLines->FindIndex(first);
    while (position != nullptr && printed < rows)
    {
        const TextPrintLine* line = static_cast<const TextPrintLine*>(pLines->GetNext(position));
        CString text;
        text.Format("%10s  %5s %6s  %s", line->strDate.GetString(), line->strTime.GetString(),
                    line->strTemp.GetString(), line->strAlarm.GetString());
        PrintBodyText(x, 5 + printed, text);
        ++printed;
    }
    PrintRule(x, 5 + printed);
    return first + printed;
}

void CTextPrint::PrintRule(int x, int line)
{
    static const CString rule('-', kRuleChars);
    PrintBodyText(x, line, rule);
}

void CTextPrint::PrintBodyText(int x, int line, const char* text)
{
    m_dc.SelectObject(&m_fontBody);
    m_dc.TextOut(x, m_nTopMargin + line * m_nLineHeight, text, static_cast<int>(std::strlen(text)));
}
