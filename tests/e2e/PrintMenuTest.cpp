// The menu command "Print(&P)" and the view's "Print" button run the same print, in the whole
// program as the user drives it.
#include "app/CTempDegreeContainer.h"
#include "e2e/E2eSupport.h"
#include "support/MappedDrive.h"
#include "support/PrintTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const UINT kPrintCommand = 32773;
const int kUltFreezerRadio = 1002;

std::string TwoDayLog()
{
    return LogHeader(2023, 5, 15, 8, 0, 10) + LogData("-085.0", 0, 0) + LogData("-084.5", 1, 0x05) +
           LogHeader(2023, 5, 16, 9, 0, 10) + LogData("-080.0", 0, 0);
}

// The printed pages without their first line (the header holds the time of printing).
std::vector<std::string> BodyOf(const std::string& pdf)
{
    std::vector<std::string> body;
    for (const std::vector<std::string>& page : SplitPages(ReadPdf(pdf).layoutText))
        body.insert(body.end(), page.begin() + 1, page.end());
    return body;
}

class PrintMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDefaultPrinter())
            GTEST_SKIP() << "no printer: tools/printer.sh installs the test printer";
        ASSERT_TRUE(drive.Ok());
        ASSERT_TRUE(drive.WriteFile("TEMPDATA.txt", TwoDayLog()));
        ASSERT_TRUE(app.Started());
        PickDate(app, 2023, 5, 15);
        LoadThroughFileButton(app, drive.Root() + "TEMPDATA.txt", kUltFreezerRadio, nullptr, 0);
        ASSERT_EQ(2, TableRowCount(app));
    }

    // Prints the document through the given way of asking; its body lines, or none.
    std::vector<std::string> PrintBy(bool menu, const std::string& documentName)
    {
        CPdfCapture capture(documentName);
        {
            CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Ok);
            if (menu)
                app.ChooseMenu(kPrintCommand);
            else
                app.Click(app.ViewItem(111));
            EXPECT_EQ(1, answer.DialogsAnswered());
        }
        const std::string pdf = capture.WaitForPdf();
        return pdf.empty() ? std::vector<std::string>() : BodyOf(pdf);
    }

    MappedDrive drive{'P'};
    AppHarness app;
};

TEST_F(PrintMenu, MenuCommandAndButtonPrintTheSameTable)
{
    SelectTab(app, 0);
    ASSERT_TRUE(app.IsMenuItemEnabled(kPrintCommand));
    const std::vector<std::string> byButton = PrintBy(false, "KELVORO");
    const std::vector<std::string> byMenu = PrintBy(true, "KELVORO");
    ASSERT_FALSE(byButton.empty());
    EXPECT_EQ(byButton, byMenu);
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST_F(PrintMenu, MenuCommandAndButtonPrintTheSameGraph)
{
    SelectTab(app, 1);
    const std::vector<std::string> byButton = PrintBy(false, "KelvoroChart");
    const std::vector<std::string> byMenu = PrintBy(true, "KelvoroChart");
    ASSERT_FALSE(byButton.empty());
    EXPECT_EQ(byButton, byMenu);
    EXPECT_TRUE(app.Unexpected().empty());
}
}  // namespace
