// The "File" command as the user meets it: what each kind of file does to the product line,
// the buttons, the menu's "Print(&P)" and the table, and the messages it shows.
#include "app/CTempDegreeContainer.h"
#include "e2e/E2eSupport.h"
#include "res/resource.h"
#include "support/MappedDrive.h"

#include <gtest/gtest.h>

namespace {

const int kUlt = 1002, kFreezer = 1003, kRefrigerator = 1004;
const int kPrint = 111, kSearch = 112;

std::string Day15()
{
    return LogHeader(2023, 5, 15, 8, 30, 5) + LogData("-025.3", 0, 1) + LogData("-024.9", 0, 0);
}

class FileCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = MakeTempFolder("kelvoro-file");
        ASSERT_FALSE(m_folder.empty());
        ASSERT_TRUE(m_app.Started());
        PickDate(m_app, 2023, 5, 15);
    }

    void TearDown() override { EXPECT_TRUE(m_app.Unexpected().empty()) << m_app.Unexpected().front(); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_folder + "\\" + name;
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }

    // Loads through the dialog; returns the messages shown, in order.
    std::vector<std::string> Load(const std::string& path, int kind = kUlt, int expectedMessages = 0)
    {
        std::vector<std::string> messages;
        LoadThroughFileButton(m_app, path, kind, &messages, expectedMessages);
        EXPECT_TRUE(m_app.AllExpectationsMet()) << "a dialog or message the test waited for did not show";
        return messages;
    }

    std::string Title() { return std::string(TheView().m_strTitle); }
    bool Enabled(int id) { return ::IsWindowEnabled(m_app.ViewItem(id)) != FALSE; }
    bool MenuPrintEnabled() { return m_app.IsMenuItemEnabled(ID_PRINT_DATA); }

    AppHarness m_app;
    std::string m_folder;
};

TEST_F(FileCommand, LoadOfThePickedDayNamesItsDateEnablesSearchAndPrintAndFillsTheTable)
{
    EXPECT_FALSE(Enabled(kSearch));
    EXPECT_FALSE(Enabled(kPrint));
    EXPECT_TRUE(Load(Write("TEMPDATA.txt", Day15())).empty());
    EXPECT_EQ("ULT-FREEZER (2023-05-15)", Title());
    EXPECT_TRUE(Enabled(kSearch));
    EXPECT_TRUE(Enabled(kPrint));
    EXPECT_TRUE(MenuPrintEnabled());
    ASSERT_EQ(2, TableRowCount(m_app));
    EXPECT_EQ("2023-05-15", TableCell(m_app, 0, 0));
    EXPECT_EQ("08:30", TableCell(m_app, 0, 1));
    EXPECT_EQ("08:35", TableCell(m_app, 1, 1));
    EXPECT_EQ("HIGH TEMP ALARM", TableCell(m_app, 0, 3));
}

TEST_F(FileCommand, TwoDaysOutsideThePickedDayAreNamedButLeaveTheTableEmptyAndPrintGreyed)
{
    PickDate(m_app, 2023, 6, 1);
    std::string bytes = LogHeader(2023, 5, 15, 23, 55, 5) + LogData("-025.3", 0, 0) + LogData("-025.1", 0, 0) +
                        LogData("-024.9", 0, 0);
    EXPECT_TRUE(Load(Write("TEMPDATA.txt", bytes), kFreezer).empty());
    EXPECT_EQ("VANTORI FREEZER (2023-05-15 ~ 2023-05-16)", Title());
    EXPECT_TRUE(Enabled(kSearch));
    EXPECT_FALSE(Enabled(kPrint));
    EXPECT_FALSE(MenuPrintEnabled());
    EXPECT_EQ(0, TableRowCount(m_app));
}

TEST_F(FileCommand, WeekTableRowsEnableTheMenuCommandWhileTheButtonFollowsTheStartDay)
{
    PickDate(m_app, 2023, 5, 14);
    m_app.Click(m_app.ViewItem(102));  // "Week"
    EXPECT_TRUE(Load(Write("TEMPDATA.txt", Day15())).empty());
    EXPECT_EQ(2, TableRowCount(m_app));
    EXPECT_FALSE(Enabled(kPrint));
    EXPECT_TRUE(MenuPrintEnabled());
}

TEST_F(FileCommand, FileWithoutDataSaysSoDisablesSearchAndPrintAndKeepsThePages)
{
    Load(Write("TEMPDATA.txt", Day15()));
    ASSERT_EQ(2, TableRowCount(m_app));
    const struct { const char* name; std::string bytes; } files[] = {
        {"empty.txt", ""},
        {"headers.txt", LogHeader(2023, 5, 15, 8, 30, 5) + LogHeader(2023, 5, 16, 8, 30, 5)},
    };
    for (const auto& file : files) {
        std::vector<std::string> messages = Load(Write(file.name, file.bytes), kRefrigerator, 1);
        ASSERT_EQ(1u, messages.size()) << file.name;
        EXPECT_EQ("선택한 파일에 데이터가 없습니다", messages[0]) << file.name;
        EXPECT_EQ("VANTORI REFRIGERATOR", Title()) << file.name;
        EXPECT_FALSE(Enabled(kSearch)) << file.name;
        EXPECT_FALSE(Enabled(kPrint)) << file.name;
        EXPECT_EQ(2, TableRowCount(m_app)) << file.name << ": the pages keep what they showed";
    }
}

TEST_F(FileCommand, MissingFileIsReportedWithItsPathAndChangesNothing)
{
    Load(Write("TEMPDATA.txt", Day15()));
    std::string missing = m_folder + "\\nothing-here.txt";
    std::vector<std::string> messages = Load(missing, kRefrigerator, 1);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Cannot find a file: " + missing, messages[0]);
    EXPECT_EQ("ULT-FREEZER (2023-05-15)", Title());
    EXPECT_EQ(1, TheView().m_nDeviceKind);
    EXPECT_TRUE(Enabled(kSearch));
    EXPECT_TRUE(Enabled(kPrint));
    EXPECT_EQ(2, TableRowCount(m_app));
}

TEST_F(FileCommand, CancellingTheDialogAfterALoadKeepsThatLoad)
{
    Load(Write("TEMPDATA.txt", Day15()), kFreezer);
    m_app.Expect("Select USB Data File", [](HWND dialog) {
        ClickItem(dialog, 1004);
        ClickItem(dialog, IDCANCEL);
    });
    m_app.Click(m_app.ViewItem(113));
    EXPECT_TRUE(m_app.AllExpectationsMet());
    EXPECT_EQ("VANTORI FREEZER (2023-05-15)", Title());
    EXPECT_EQ(2, TheView().m_nDeviceKind);
    EXPECT_EQ(2, TableRowCount(m_app));
    EXPECT_TRUE(Enabled(kPrint));
}

// A text-mode read would end at the 0x1A byte and fold the CR LF pair, shifting every record after it.
TEST_F(FileCommand, EveryByteOfTheFileIsReadEvenEndOfFileMarksAndLineEnds)
{
    std::string bytes = LogHeader(2023, 5, 15, 8, 30, 5) + LogData("\r\n-5.0", 0, 0) + LogData(" -4\x1A" "00", 0, 0) +
                        LogData("-003.0", 0, 0);
    Load(Write("TEMPDATA.txt", bytes));
    ASSERT_EQ(3, TableRowCount(m_app));
    EXPECT_EQ("08:40", TableCell(m_app, 2, 1));
    EXPECT_EQ(0u, TableCell(m_app, 0, 2).find("-5.0"));
    EXPECT_EQ(0u, TableCell(m_app, 1, 2).find("-4.0"));
    EXPECT_EQ(0u, TableCell(m_app, 2, 2).find("-3.0"));
}

TEST_F(FileCommand, InvalidHeaderKeepsTheRecordsBeforeItShowsThemAndSaysWhere)
{
    std::string bytes = Day15() + "T231315083005" + LogData("-020.0", 0, 0);
    std::vector<std::string> messages = Load(Write("TEMPDATA.txt", bytes), kUlt, 1);
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("Invalid header")) << messages[0];
    EXPECT_NE(std::string::npos, messages[0].find(" 33 ")) << messages[0];
    EXPECT_EQ("ULT-FREEZER (2023-05-15)", Title());
    EXPECT_EQ(2, TableRowCount(m_app));
    EXPECT_TRUE(Enabled(kSearch));
    EXPECT_TRUE(Enabled(kPrint));
}

TEST_F(FileCommand, InvalidFirstHeaderLeavesNoRecordsAndOnlyTheHeaderMessage)
{
    Load(Write("TEMPDATA.txt", Day15()));
    std::vector<std::string> messages = Load(Write("bad.txt", "T230015083005" + LogData("-020.0", 0, 0)), kFreezer, 1);
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::string::npos, messages[0].find(" 0 ")) << messages[0];
    EXPECT_EQ("VANTORI FREEZER", Title());
    EXPECT_TRUE(TheView().m_records.IsEmpty());
    EXPECT_FALSE(Enabled(kSearch));
    EXPECT_FALSE(Enabled(kPrint));
}

TEST_F(FileCommand, TheFileIsLeftClosedAfterTheLoad)
{
    std::string path = Write("TEMPDATA.txt", Day15());
    Load(path);
    HANDLE exclusive = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, exclusive);
    if (exclusive != INVALID_HANDLE_VALUE)
        ::CloseHandle(exclusive);
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
}

TEST_F(FileCommand, LogOnAMappedDriveLoadsByDoubleClickingItsLine)
{
    MappedDrive stick('G');
    ASSERT_TRUE(stick.Ok());
    ASSERT_TRUE(stick.WriteFile("TEMPDATA.txt", Day15()));
    m_app.Expect("Select USB Data File", [](HWND dialog) {
        auto lines = ListBoxLines(::GetDlgItem(dialog, 1001));
        auto found = std::find(lines.begin(), lines.end(), "G:\\TEMPDATA.txt");
        ASSERT_NE(lines.end(), found);
        DoubleClickListLine(dialog, 1001, static_cast<int>(found - lines.begin()));
        ClickItem(dialog, IDOK);
    });
    m_app.Click(m_app.ViewItem(113));
    EXPECT_TRUE(m_app.AllExpectationsMet());
    EXPECT_EQ("ULT-FREEZER (2023-05-15)", Title());
    EXPECT_EQ(2, TableRowCount(m_app));
}

}  // namespace
