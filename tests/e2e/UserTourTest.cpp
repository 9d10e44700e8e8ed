// A user's tour with screenshots: start, open the sample log from the stick on drive E:,
// search a day with data and look at each tab. Not part of the normal run; tools/run.sh runs it
// (or: e2e_tests --gtest_also_run_disabled_tests --gtest_filter=UserTour.*).
//   KELVORO_SHOTS_DIR   folder for the PNG files (default: the temporary folder)
//   KELVORO_SAMPLE_DIR  Unix folder holding the sample TEMPDATA.txt to map as E:
//                       (default: three weeks up to now, generated here)
#include "e2e/E2eSupport.h"
#include "support/MappedDrive.h"
#include "tools/loggen/LogGenerator.h"
#include "tools/winedrive/WineDrive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const char kSampleDrive = 'E';

std::string ShotsFolder()
{
    const char* folder = std::getenv("KELVORO_SHOTS_DIR");
    if (folder != nullptr && *folder != '\0')
        return folder;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return temp;
}

// The local day `daysAgo` days before today.
std::tm LocalDay(int daysAgo)
{
    std::time_t now = std::time(nullptr) - static_cast<std::time_t>(daysAgo) * 86400;
    std::tm day = {};
    localtime_s(&day, &now);
    return day;
}

// Three weeks of one reading a minute, up to this minute.
std::string SampleLog()
{
    std::tm start = LocalDay(21);
    loggen::LogOptions options;
    options.start = {start.tm_year + 1900, start.tm_mon + 1, start.tm_mday, start.tm_hour, start.tm_min};
    options.nDays = 21;
    options.bKeepRecords = false;
    return loggen::GenerateLog(options).bytes;
}

class SampleStick
{
public:
    SampleStick()
    {
        const char* folder = std::getenv("KELVORO_SAMPLE_DIR");
        if (folder != nullptr && *folder != '\0') {
            m_ok = winedrive::MapFolder(kSampleDrive, folder);
            return;
        }
        m_drive.reset(new MappedDrive(kSampleDrive));
        m_ok = m_drive->Ok() && m_drive->WriteFile("TEMPDATA.txt", SampleLog());
    }
    ~SampleStick()
    {
        if (m_ok && !m_drive)
            winedrive::Unmap(kSampleDrive);
    }
    bool Ok() const { return m_ok; }

private:
    std::unique_ptr<MappedDrive> m_drive;
    bool m_ok = false;
};

void Shoot(AppHarness& app, HWND window, const std::string& name)
{
    app.Pump(300);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    app.Pump(200);
    std::string path = ShotsFolder() + "\\" + name;
    ASSERT_TRUE(SaveWindowPng(window, path)) << path;
    std::printf("screenshot: %s\n", path.c_str());
}

TEST(UserTour, DISABLED_ScreenshotsOfTheWindowsAndTheThreeTabs)
{
    SampleStick stick;
    ASSERT_TRUE(stick.Ok());
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND main = app.MainWindow();
    ::MoveWindow(main, 40, 20, 1100, 740, TRUE);
    ASSERT_TRUE(app.PumpUntil([&] { return !::IsWindowVisible(app.Splash()); }, 6000));
    Shoot(app, main, "kelvoro-main.png");

    app.Expect("KELVORO", [&](HWND about) {
        Shoot(app, about, "kelvoro-about.png");
        ClickItem(about, IDOK);
    });
    app.ChooseMenu(57664);  // About KELVORO(&A)

    app.Expect("Select USB Data File", [&](HWND dialog) { ClickItem(dialog, IDOK); });
    app.Expect("KELVORO", [&](HWND box) {
        Shoot(app, box, "kelvoro-message.png");
        ClickItem(box, IDOK);
    });
    app.Expect("Select USB Data File", [&](HWND dialog) {
        auto lines = ListBoxLines(::GetDlgItem(dialog, 1001));
        auto found = std::find(lines.begin(), lines.end(), "E:\\TEMPDATA.txt");
        ASSERT_NE(lines.end(), found);
        DoubleClickListLine(dialog, 1001, static_cast<int>(found - lines.begin()));
        Shoot(app, dialog, "kelvoro-file-dialog.png");
        ClickItem(dialog, IDOK);
    });
    app.Click(app.ViewItem(113));
    ASSERT_TRUE(app.AllExpectationsMet());

    // A full week of data: the radar shows seven days from the picked one.
    std::tm day = LocalDay(7);
    PickDate(app, day.tm_year + 1900, day.tm_mon + 1, day.tm_mday);
    app.Click(app.ViewItem(112));
    const char* tabs[] = {"kelvoro-tab-doc.png", "kelvoro-tab-graph.png", "kelvoro-tab-radar.png"};
    for (int i = 0; i < 3; ++i) {
        SelectTab(app, i);
        Shoot(app, main, tabs[i]);
    }
    EXPECT_TRUE(app.Unexpected().empty());
}

}  // namespace
