// "Select USB Data File" as the user fills it: the drive listing, double-click, typed path,
// device kinds, OK without a path and Cancel.
#include "app/CTempDegreeContainer.h"
#include "e2e/E2eSupport.h"
#include "support/MappedDrive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const char kCaption[] = "Select USB Data File";
const int kPath = 1000, kList = 1001, kUlt = 1002, kFreezer = 1003, kRefrigerator = 1004, kBrowse = 3;

std::string OneDayLog()
{
    return LogHeader(2023, 5, 15, 8, 30, 5) + LogData("-025.3", 0, 1) + LogData("-024.9", 0, 0);
}

// Lines of the list that name one of the given drives (the machine may have others).
std::vector<std::string> LinesOnDrives(HWND dialog, const std::string& letters)
{
    std::vector<std::string> lines;
    for (const std::string& line : ListBoxLines(::GetDlgItem(dialog, kList)))
        if (letters.find(line[0]) != std::string::npos)
            lines.push_back(line);
    return lines;
}

TEST(FileSelectDialog, ListsTheLogOfEachDriveInLetterOrderAndNeverDriveA)
{
    MappedDrive a('A'), d('D'), e('E'), f('F');
    ASSERT_TRUE(a.Ok() && d.Ok() && e.Ok() && f.Ok());
    ASSERT_TRUE(a.WriteFile("TEMPDATA.txt", OneDayLog()));
    ASSERT_TRUE(e.WriteFile("TEMPDATA.txt", OneDayLog()));  // E: before D:, the list still sorts
    ASSERT_TRUE(d.WriteFile("TEMPDATA.txt", OneDayLog()));
    ASSERT_TRUE(f.WriteFile("OTHER.txt", OneDayLog()));

    AppHarness app;
    ASSERT_TRUE(app.Started());
    std::vector<std::string> lines;
    std::string path;
    bool ultChecked = false, othersUnchecked = false;
    app.Expect(kCaption, [&](HWND dialog) {
        lines = LinesOnDrives(dialog, "ADEF");
        path = ItemText(dialog, kPath);
        ultChecked = IsChecked(dialog, kUlt);
        othersUnchecked = !IsChecked(dialog, kFreezer) && !IsChecked(dialog, kRefrigerator);
        ClickItem(dialog, IDCANCEL);
    });
    app.Click(app.ViewItem(113));
    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_EQ((std::vector<std::string>{"D:\\TEMPDATA.txt", "E:\\TEMPDATA.txt"}), lines);
    EXPECT_EQ("", path);
    EXPECT_TRUE(ultChecked);
    EXPECT_TRUE(othersUnchecked);
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(FileSelectDialog, OkWithEmptyPathAsksForAFileAndStaysOpenUntilADoubleClickedLineIsConfirmed)
{
    MappedDrive d('D');
    ASSERT_TRUE(d.Ok());
    ASSERT_TRUE(d.WriteFile("TEMPDATA.txt", OneDayLog()));

    AppHarness app;
    ASSERT_TRUE(app.Started());
    PickDate(app, 2023, 5, 15);
    std::string message, afterDoubleClick;
    bool stillOpen = false;
    app.Expect(kCaption, [&](HWND dialog) { ClickItem(dialog, IDOK); });
    app.ExpectMessageBox(&message);
    app.Expect(kCaption, [&](HWND dialog) {
        stillOpen = true;
        auto lines = ListBoxLines(::GetDlgItem(dialog, kList));
        auto found = std::find(lines.begin(), lines.end(), "D:\\TEMPDATA.txt");
        ASSERT_NE(lines.end(), found);
        DoubleClickListLine(dialog, kList, static_cast<int>(found - lines.begin()));
        afterDoubleClick = ItemText(dialog, kPath);
    });
    app.Expect(kCaption, [&](HWND dialog) { ClickItem(dialog, IDOK); });
    app.Click(app.ViewItem(113));

    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_EQ("File을 선택하십시요", message);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ("D:\\TEMPDATA.txt", afterDoubleClick);
    EXPECT_EQ("ULT-FREEZER (2023-05-15)", std::string(TheView().m_strTitle));
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(FileSelectDialog, EachKindButtonGivesItsKindAndCaption)
{
    MappedDrive d('D');
    ASSERT_TRUE(d.Ok());
    ASSERT_TRUE(d.WriteFile("TEMPDATA.txt", OneDayLog()));
    const struct { int radio; int kind; const char* line; } cases[] = {
        {kUlt, 1, "ULT-FREEZER (2023-05-15)"},
        {kFreezer, 2, "VANTORI FREEZER (2023-05-15)"},
        {kRefrigerator, 3, "VANTORI REFRIGERATOR (2023-05-15)"},
        {0, 1, "ULT-FREEZER (2023-05-15)"},  // no button touched
    };
    AppHarness app;
    ASSERT_TRUE(app.Started());
    for (const auto& c : cases) {
        app.Expect(kCaption, [&](HWND dialog) {
            SetItemText(dialog, kPath, "D:\\TEMPDATA.txt");
            if (c.radio != 0)
                ClickItem(dialog, c.radio);
            ClickItem(dialog, IDOK);
        });
        app.Click(app.ViewItem(113));
        EXPECT_TRUE(app.AllExpectationsMet());
        EXPECT_EQ(c.kind, TheView().m_nDeviceKind) << c.line;
        EXPECT_EQ(c.line, std::string(TheView().m_strTitle));
    }
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(FileSelectDialog, EachRunStartsAfreshWhateverWasChosenBefore)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    app.Expect(kCaption, [&](HWND dialog) {
        SetItemText(dialog, kPath, "C:\\nowhere\\TEMPDATA.txt");
        ClickItem(dialog, kRefrigerator);
        ClickItem(dialog, IDCANCEL);
    });
    app.Click(app.ViewItem(113));
    std::string path = "unread";
    bool ultChecked = false;
    app.Expect(kCaption, [&](HWND dialog) {
        path = ItemText(dialog, kPath);
        ultChecked = IsChecked(dialog, kUlt) && !IsChecked(dialog, kRefrigerator);
        ClickItem(dialog, IDCANCEL);
    });
    app.Click(app.ViewItem(113));
    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_EQ("", path);
    EXPECT_TRUE(ultChecked);
}

// The system's open-file dialog: its file name box (0x47C) takes a full path, as a user may type it.
void ChooseInOpenDialog(HWND open, const std::string& path)
{
    SetItemText(open, 0x47C, path);
    ClickItem(open, IDOK);
}

TEST(FileSelectDialog, BrowsePutsTheChosenFilesFullPathIntoThePathBoxAndCancelKeepsIt)
{
    std::string folder = MakeTempFolder("kelvoro-browse");
    std::string file = folder + "\\TEMPDATA.txt";
    ASSERT_TRUE(WriteWholeFile(file, OneDayLog()));

    AppHarness app;
    ASSERT_TRUE(app.Started());
    std::string initialName, afterBrowse, afterCancelledBrowse;
    app.Expect(kCaption, [&](HWND dialog) {
        ClickItem(dialog, kBrowse);
        afterBrowse = ItemText(dialog, kPath);
        SetItemText(dialog, kPath, "typed by hand");
        ClickItem(dialog, kBrowse);
        afterCancelledBrowse = ItemText(dialog, kPath);
        ClickItem(dialog, IDCANCEL);
    });
    app.Expect("*", [&](HWND open) {
        initialName = ItemText(open, 0x47C);
        ChooseInOpenDialog(open, file);
    });
    app.Expect("*", [&](HWND open) { ClickItem(open, IDCANCEL); });
    app.Click(app.ViewItem(113));

    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_EQ("TEMPDATA.txt", initialName);
    EXPECT_EQ(0, lstrcmpiA(file.c_str(), afterBrowse.c_str())) << afterBrowse;
    EXPECT_EQ("typed by hand", afterCancelledBrowse);
    EXPECT_TRUE(app.Unexpected().empty());
}

TEST(FileSelectDialog, PathTypedByHandIsTakenUnchanged)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    std::string message;
    app.Expect(kCaption, [&](HWND dialog) {
        SetItemText(dialog, kPath, "Q:\\no such\\log.bin");
        ClickItem(dialog, IDOK);
    });
    app.ExpectMessageBox(&message);
    app.Click(app.ViewItem(113));
    EXPECT_TRUE(app.AllExpectationsMet());
    EXPECT_EQ("Cannot find a file: Q:\\no such\\log.bin", message);
}

}  // namespace
