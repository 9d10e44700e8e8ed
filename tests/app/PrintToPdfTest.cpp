// The text printer and the chart print job on the test printer: the dialog answered as a person
// would, the PDF read back.
#include "app/CTextPrint.h"
#include "app/ChartPrintJob.h"
#include "support/PrintTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class PrintToPdf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDefaultPrinter())
            GTEST_SKIP() << "no printer: tools/printer.sh installs the test printer";
    }
};

int CountOf(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

void AddRows(CObList& lines, int count)
{
    for (int row = 0; row < count; ++row)
    {
        char time[8];
        wsprintfA(time, "%02d:%02d", row / 60 % 24, row % 60);
        CTextPrint::AppendRowLines(lines, "2021-03-05", time, "-20.5℃", row % 10 == 0 ? "SENSOR ALARM, COMP ERROR" : "");
    }
}

TEST_F(PrintToPdf, TwoCopiesPrintThePageSequenceTwiceEachNumberedFromOne)
{
    CObList lines;
    AddRows(lines, 250);
    CPdfCapture capture("KELVORO");
    {
        CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok, 2);
        CTextPrint print;
        print.PrintDoc(&lines);
    }
    const std::string pdf = capture.WaitForPdf();
    CTextPrint::FreeLines(lines);
    ASSERT_FALSE(pdf.empty());
    const PdfFacts facts = ReadPdf(pdf);
    ASSERT_EQ(0, facts.pages % 2);
    ASSERT_GT(facts.pages, 2);
    const std::vector<std::vector<std::string>> pages = SplitPages(facts.layoutText);
    ASSERT_EQ(static_cast<size_t>(facts.pages), pages.size());
    const int perCopy = facts.pages / 2;
    for (int page = 0; page < facts.pages; ++page)
    {
        EXPECT_EQ(page % perCopy + 1, PageNumberIn(pages[page].front())) << pages[page].front();
    }
    EXPECT_EQ(2 * 275, CountOf(facts.layoutText, "2021-03-05") + CountOf(facts.layoutText, "COMP ERROR"));
}

TEST_F(PrintToPdf, CancelledTextPrintPrintsNothing)
{
    CObList lines;
    AddRows(lines, 5);
    CPdfCapture capture("KELVORO");
    {
        CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Cancel);
        CTextPrint print;
        print.PrintDoc(&lines);
        EXPECT_EQ(1, answer.DialogsAnswered());
    }
    CTextPrint::FreeLines(lines);
    EXPECT_TRUE(capture.NothingPrinted());
}

struct ChartJobCase
{
    const char* what;
    short orientation;
    int copies;
    int rotation;
};

TEST_F(PrintToPdf, ChartDocumentDrawsEachCopyOnceInOneJobInItsOrientation)
{
    const ChartJobCase cases[] = {
        {"landscape, three copies", DMORIENT_LANDSCAPE, 3, 90},
        {"portrait, one copy", DMORIENT_PORTRAIT, 1, 0},
    };
    for (const ChartJobCase& job : cases)
    {
        SCOPED_TRACE(job.what);
        CPdfCapture capture("KelvoroChart");
        int passes = 0;
        {
            CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok, job.copies);
            EXPECT_TRUE(PrintChartDocument(job.orientation, [&](CDC& dc, const CPrintDialog&) {
                ++passes;
                dc.StartPage();
                char text[32];
                wsprintfA(text, "PASS %d", passes);
                dc.TextOut(300, 300, text, lstrlenA(text));
                dc.EndPage();
            }));
        }
        EXPECT_EQ(job.copies, passes);
        const std::string pdf = capture.WaitForPdf();
        ASSERT_FALSE(pdf.empty());
        const PdfFacts facts = ReadPdf(pdf);
        EXPECT_EQ("KelvoroChart", facts.title);
        EXPECT_EQ(job.copies, facts.pages);
        EXPECT_EQ(job.rotation, facts.rotation);
        EXPECT_NE(std::string::npos, facts.layoutText.find("PASS 1"));
    }
}

}  // namespace
