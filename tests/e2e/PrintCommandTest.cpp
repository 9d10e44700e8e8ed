// The view's "Print" on each tab page, as a user prints: the button, the print dialog answered,
// and the PDF the test printer made of the job read back.
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartWnd.h"
#include "app/CTemperatureChartWnd.h"
#include "app/CTextPrint.h"
#include "chart/ChartLineSerie.h"
#include "support/PrintTestSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace
{
int CountOf(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// Two days of records with the three alarm items of one row, and a day after a gap.
std::string PrintLog()
{
    return LogHeader(2023, 5, 15, 8, 0, 10) + LogData("-085.0", 0, 0) + LogData("-084.5", 1, 0x05) +
           LogData("-012.5", 0, 0) + LogHeader(2023, 5, 16, 0, 0, 30) + LogData("-080.0", 0, 0x01) +
           LogData("-079.0", 0, 0) + LogHeader(2023, 5, 19, 6, 0, 60) + LogData("-070.0", 0, 0);
}

// The width of the printed table's character cell on the test printer, in points.
double PrintedCellPoints()
{
    char name[256] = {};
    DWORD size = sizeof(name);
    if (!::GetDefaultPrinterA(name, &size))
        return 0;
    CTextPrint print;
    print.GetDC().Attach(::CreateDCA("WINSPOOL", name, nullptr, nullptr));
    print.MeasurePage(print.GetDC());
    return print.GetCharWidth() * 72.0 / print.GetDC().GetDeviceCaps(LOGPIXELSX);
}

// The first page's text column from its first rule to its closing rule, read on the printer's
// character grid, without the left margin and trailing blanks.
std::vector<std::string> ColumnOnGrid(const std::string& pdf)
{
    const std::vector<std::vector<std::string>> pages = SplitPages(ReadPdfOnGrid(pdf, PrintedCellPoints()));
    const std::string rule(48, '-');
    std::vector<std::string> column;
    size_t margin = std::string::npos;
    for (const std::string& line : pages.empty() ? std::vector<std::string>() : pages[0])
    {
        if (margin == std::string::npos)
            margin = line.find(rule);
        if (margin == std::string::npos)
            continue;
        std::string cells = line.size() > margin ? line.substr(margin) : std::string();
        cells.erase(cells.find_last_not_of(' ') + 1);
        column.push_back(cells);
        if (column.size() > 3 && cells == rule)
            break;
    }
    return column;
}

class PrintCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDefaultPrinter())
            GTEST_SKIP() << "no printer: tools/printer.sh installs the test printer";
        host.Load(PrintLog());
    }

    void Search(int day, bool week)
    {
        host.PickDate(2023, 5, day);
        host.ChooseWeek(week);
        host.ClickSearch();
    }

    // Clicks "Print" with the dialog answered; returns how many print dialogs opened.
    int ClickPrint(CPrintDialogAnswer::Button button, int copies = 0)
    {
        CPrintDialogAnswer answer(button, copies);
        ::SendMessageA(host.View().m_btnPrint.m_hWnd, BM_CLICK, 0, 0);
        host.Pump();
        return answer.DialogsAnswered();
    }

    ViewHost host;
};

TEST_F(PrintCommand, TablePrintsItsRowsWithAlarmItemsOnLinesOfTheirOwn)
{
    Search(15, true);
    host.SelectTab(0);
    ASSERT_EQ(6, host.RowCount());
    CPdfCapture capture("KELVORO");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Ok));
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    RenderPdfPages(pdf, "/tmp/kelvoro-print-table");

    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ("KELVORO", facts.title);
    EXPECT_EQ(1, facts.pages);
    EXPECT_EQ(0, facts.rotation);
    const std::vector<std::vector<std::string>> pages = SplitPages(facts.layoutText);
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(std::regex_match(pages[0].front(),
                                 std::regex(R"( *KELVORO +\d\d\.\d\d\.\d\d \d\d:\d\d [AP]M, Page: +1 *)")))
        << pages[0].front();

    // Read on the printer's character grid, the column is laid out cell for cell: each
    // temperature with its unit, whose two cells read as "℃" and a blank, and a seven-byte
    // temperature pushing its alarm item one cell right.
    const std::string rule(48, '-');
    const std::vector<std::string> expected = {
        rule,
        "DATE        TIME   TEMP   ALARM DATA",
        rule,
        u8"2023-05-15  08:00 -85.0℃",
        u8"2023-05-15  08:10 -84.5℃   SENSOR ALARM",
        std::string(26, ' ') + "HIGH TEMP ALARM",
        std::string(26, ' ') + "COMP ERROR",
        u8"2023-05-15  08:20 -12.5℃",
        u8"2023-05-16  00:00 -80.0℃   HIGH TEMP ALARM",
        u8"2023-05-16  00:30 -79.0℃",
        u8"2023-05-19  06:00 -70.0℃",
        rule,
    };
    const std::vector<std::string> column = ColumnOnGrid(pdf);
    ASSERT_EQ(expected.size(), column.size()) << ReadPdfOnGrid(pdf, PrintedCellPoints());
    for (size_t line = 0; line < expected.size(); ++line)
        EXPECT_EQ(expected[line], column[line]) << "line " << line;
}

TEST_F(PrintCommand, TableWithTheAlarmFilterOnPrintsOnlyTheRowsShown)
{
    Search(15, true);
    host.ClickAlarmOnly();
    host.Pump();
    ASSERT_EQ(2, host.RowCount());
    CPdfCapture capture("KELVORO");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Ok));
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const std::string text = ReadPdf(pdf).layoutText;
    EXPECT_EQ(2, CountOf(text, "2023-05-1")) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("\n2023-05-15 +08:10 .*SENSOR ALARM"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("\n2023-05-16 +00:00 .*HIGH TEMP ALARM"))) << text;
}

TEST_F(PrintCommand, TableEmptiedByTheAlarmFilterPrintsNothing)
{
    Search(19, false);
    host.ClickAlarmOnly();
    host.Pump();
    ASSERT_EQ(0, host.RowCount());
    ASSERT_TRUE(::IsWindowEnabled(host.View().m_btnPrint.m_hWnd));
    CPdfCapture capture("KELVORO");
    EXPECT_EQ(0, ClickPrint(CPrintDialogAnswer::Button::Ok));
    EXPECT_TRUE(capture.NothingPrinted());
}

TEST_F(PrintCommand, GraphPrintsOneLandscapePagePerDayOfTheSearchedWeek)
{
    Search(15, true);
    host.SelectTab(1);
    CPdfCapture capture("KelvoroChart");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Ok));
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    RenderPdfPages(pdf, "/tmp/kelvoro-print-graph");

    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ("KelvoroChart", facts.title);
    EXPECT_EQ(3, facts.pages);
    EXPECT_EQ(90, facts.rotation);
    const std::vector<std::vector<std::string>> pages = SplitPages(facts.layoutText);
    ASSERT_EQ(3u, pages.size());
    const char* headings[] = {"ULT-FREEZER (2023-05-15)", "ULT-FREEZER (2023-05-16)", "ULT-FREEZER (2023-05-19)"};
    for (int page = 0; page < 3; ++page)
    {
        std::string pageText;
        for (const std::string& line : pages[page])
            pageText += line + "\n";
        EXPECT_EQ(1, CountOf(pageText, headings[page])) << pageText;
        EXPECT_NE(std::string::npos, pageText.find("20:00")) << pageText;
    }
}

// The pages come from the records of the last searched range: the table's filter does not
// thin them, and a week whose start day has no records still prints the chart of its other days.
TEST_F(PrintCommand, GraphPrintsTheWholeRangeWhateverTheTableShows)
{
    Search(15, false);  // builds the chart
    Search(14, true);   // no records on the 14th: the chart stays
    host.ClickAlarmOnly();
    host.Pump();
    host.SelectTab(1);
    CPdfCapture capture("KelvoroChart");
    CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok);
    host.View().Print();
    EXPECT_EQ(1, answer.DialogsAnswered());
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ(3, facts.pages);
    EXPECT_EQ(1, CountOf(facts.layoutText, "ULT-FREEZER (2023-05-19)"));
}

TEST_F(PrintCommand, GraphCopiesRepeatThePagesInOneDocument)
{
    Search(15, false);
    host.SelectTab(1);
    CPdfCapture capture("KelvoroChart");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Ok, 3));
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ(3, facts.pages);
    EXPECT_EQ(3, CountOf(facts.layoutText, "ULT-FREEZER (2023-05-15)"));
}

TEST_F(PrintCommand, CancelledGraphPrintPrintsNothingAndKeepsTheChart)
{
    Search(15, false);
    host.SelectTab(1);
    CTemperatureChartWnd& graph = *host.View().m_pChartWnd;
    CChartCtrl* chart = graph.m_pChart;
    ASSERT_NE(nullptr, chart);
    CPdfCapture capture("KelvoroChart");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Cancel));
    EXPECT_TRUE(capture.NothingPrinted());
    EXPECT_EQ(chart, graph.m_pChart);
    EXPECT_EQ(3u, graph.m_pSerie->PointCount());
}

TEST_F(PrintCommand, GraphBeforeAnyChartShowsNoDialog)
{
    // The week from the 14th has rows for the table but none on its start day: no chart yet.
    Search(14, true);
    ASSERT_GT(host.RowCount(), 0);
    ASSERT_EQ(nullptr, host.View().m_pChartWnd->m_pChart);
    host.SelectTab(1);
    CPdfCapture capture("KelvoroChart");
    CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok);
    host.View().Print();  // as the menu command does: the button is disabled here
    EXPECT_EQ(0, answer.DialogsAnswered());
    EXPECT_TRUE(capture.NothingPrinted());
}

TEST_F(PrintCommand, RadarPrintsOnePortraitPageWithTitleDatesAndStartMarker)
{
    Search(15, false);
    host.SelectTab(2);
    CPdfCapture capture("KelvoroChart");
    EXPECT_EQ(1, ClickPrint(CPrintDialogAnswer::Button::Ok));
    const std::string pdf = capture.WaitForPdf();
    ASSERT_FALSE(pdf.empty());
    RenderPdfPages(pdf, "/tmp/kelvoro-print-radar");

    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ(1, facts.pages);
    EXPECT_EQ(0, facts.rotation);
    EXPECT_NE(std::string::npos, facts.layoutText.find("ULT-FREEZER")) << facts.layoutText;
    EXPECT_NE(std::string::npos, facts.layoutText.find("2023-05-15 ~ 2023-05-21")) << facts.layoutText;
    EXPECT_EQ(2, CountOf(facts.layoutText, "2023-05-15")) << facts.layoutText;
    EXPECT_NE(std::string::npos, facts.layoutText.find("-100")) << facts.layoutText;
}

TEST_F(PrintCommand, NoSelectedTabPrintsNothing)
{
    Search(15, false);
    ::SendMessageA(host.View().m_tabCtrl.m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
    CPdfCapture capture("KelvoroChart");
    CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok);
    host.View().Print();
    EXPECT_EQ(0, answer.DialogsAnswered());
    EXPECT_TRUE(capture.NothingPrinted(300));
}
}  // namespace
