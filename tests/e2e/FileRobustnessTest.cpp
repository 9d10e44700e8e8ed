// The "File" command against files a USB stick can really hold or lose: empty, cut short, random
// bytes, very large, locked by another program, a folder in the file's place, a stick pulled after
// the dialog listed it, and the same file loaded twice. Each ends with its message (or none), the
// program stays usable, and a failed load loses nothing of the previous one.
#include "app/CTempDegreeContainer.h"
#include "app/TempDegreeContainerLog.h"
#include "e2e/E2eSupport.h"
#include "support/MappedDrive.h"
#include "tools/winedrive/WineDrive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

const int kUlt = 1002, kFreezer = 1003;
const int kSearch = 112, kPrint = 111;
const char kNoData[] = "선택한 파일에 데이터가 없습니다";

std::string Day15()
{
    return LogHeader(2023, 5, 15, 8, 30, 5) + LogData("-025.3", 0, 1) + LogData("-024.9", 0, 0);
}

// What the user sees of a load, to compare before and after a failed one.
struct Shown
{
    std::string title;
    int records = 0;
    int kind = 0;
    int rows = 0;
    bool search = false;
    bool print = false;
    bool operator==(const Shown& o) const
    {
        return title == o.title && records == o.records && kind == o.kind && rows == o.rows &&
               search == o.search && print == o.print;
    }
};

std::ostream& operator<<(std::ostream& out, const Shown& s)
{
    return out << "{" << ToUtf8(s.title) << ", " << s.records << " records, kind " << s.kind << ", " << s.rows
               << " rows, search " << s.search << ", print " << s.print << "}";
}

class FileRobustness : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.Started());
        m_folder = MakeTempFolder("kelvoro-robust");
        ASSERT_FALSE(m_folder.empty());
        PickDate(m_app, 2023, 5, 15);
    }

    void TearDown() override
    {
        EXPECT_TRUE(m_app.Unexpected().empty()) << ToUtf8(m_app.Unexpected().front());
    }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_folder + "\\" + name;
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }

    std::vector<std::string> Load(const std::string& path, int expectedMessages, int kind = kUlt)
    {
        std::vector<std::string> messages;
        LoadThroughFileButton(m_app, path, kind, &messages, expectedMessages);
        EXPECT_TRUE(m_app.AllExpectationsMet()) << "a message the test waited for did not show";
        return messages;
    }

    Shown Now()
    {
        Shown s;
        s.title = std::string(TheView().m_strTitle);
        s.records = TheView().m_records.GetCount();
        s.kind = TheView().m_nDeviceKind;
        s.rows = TableRowCount(m_app);
        s.search = ::IsWindowEnabled(m_app.ViewItem(kSearch)) != FALSE;
        s.print = ::IsWindowEnabled(m_app.ViewItem(kPrint)) != FALSE;
        return s;
    }

    // The program still loads a good file after whatever came before.
    void ExpectStillUsable()
    {
        PickDate(m_app, 2023, 5, 15);
        EXPECT_TRUE(Load(Write("good.txt", Day15()), 0, kFreezer).empty());
        EXPECT_EQ("VANTORI FREEZER (2023-05-15)", Now().title);
        EXPECT_EQ(2, Now().rows);
        EXPECT_TRUE(Now().print);
    }

    AppHarness m_app;
    std::string m_folder;
};

TEST_F(FileRobustness, FilesTooShortForARecordSayTheyHoldNoData)
{
    const struct
    {
        const char* name;
        std::string bytes;
    } files[] = {
        {"zero bytes", ""},
        {"one byte", "T"},
        {"one data byte", "-"},
        {"nine bytes", "-025.3000"},
        {"partial header", "T2305150830"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        ASSERT_TRUE(Load(Write("good.txt", Day15()), 0).empty());
        std::vector<std::string> messages = Load(Write("TEMPDATA.txt", file.bytes), 1);
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ(kNoData, messages[0]);
        EXPECT_EQ("ULT-FREEZER", Now().title);
        EXPECT_EQ(0, Now().records);
        EXPECT_FALSE(Now().search);
        EXPECT_FALSE(Now().print);
    }
    ExpectStillUsable();
}

TEST_F(FileRobustness, RandomBytesLoadAsTheParseReadsThem)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        std::string bytes(4096 * seed, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        // Some 'T' bytes would start headers almost anywhere; in half the cases keep them out.
        if (seed % 2 == 0)
            for (char& c : bytes)
                if (c == 'T')
                    c = 't';
        CObList expected(10);
        int interval = TheView().m_nInterval;
        LogParseResult parse = ParseTempLog(bytes.data(), bytes.size(), expected, interval);
        const int expectedCount = expected.GetCount();
        DeleteTempRecords(expected);

        const bool saysSomething = !parse.bOk || expectedCount == 0;
        std::vector<std::string> messages = Load(Write("TEMPDATA.txt", bytes), saysSomething ? 1 : 0);
        EXPECT_EQ(expectedCount, Now().records);
        if (!parse.bOk)
        {
            EXPECT_NE(std::string::npos, messages.at(0).find("Invalid header")) << messages.at(0);
        }
        else if (expectedCount == 0)
        {
            EXPECT_EQ(kNoData, messages.at(0));
        }
    }
    ExpectStillUsable();
}

// 200 MB: twenty million records, one a minute from 2000-01-01 on, read whole into memory.
TEST_F(FileRobustness, TwoHundredMegabyteLogLoadsEveryRecord)
{
    const int kRecords = 20000000;
    std::string path = m_folder + "\\TEMPDATA.txt";
    {
        // A block of 900 readings, repeated: -80.0 to +9.9 degrees, alarm byte 2 cycling.
        std::string block;
        char record[16];
        for (int i = 0; i < 900; ++i) {
            std::snprintf(record, sizeof record, "%+06.1f%02X%02X", i / 10.0 - 80.0, 0, i % 32);
            block.append(record, 10);
        }
        std::string bytes = LogHeader(2000, 1, 1, 0, 0, 1);
        bytes.reserve(bytes.size() + static_cast<size_t>(kRecords) * 10);
        for (int i = 0; i < kRecords / 900; ++i)
            bytes += block;
        bytes.append(block, 0, (kRecords % 900) * 10);
        ASSERT_TRUE(WriteWholeFile(path, bytes));
    }
    PickDate(m_app, 2026, 12, 8);
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(Load(path, 0).empty());
    const DWORD elapsed = ::GetTickCount() - start;
    std::printf("200 MB log: %d records loaded in %lu ms\n", Now().records, static_cast<unsigned long>(elapsed));
    EXPECT_EQ(kRecords, Now().records);
    // 20000000 minutes after 2000-01-01 00:00 UTC is 2038-01-10 01:19; the zone may shift the days.
    EXPECT_EQ(0u, Now().title.find("ULT-FREEZER (")) << Now().title;
    EXPECT_EQ(1440, Now().rows);
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
    ExpectStillUsable();
}

TEST_F(FileRobustness, FileLockedByAnotherProgramIsNotFoundAndChangesNothing)
{
    ASSERT_TRUE(Load(Write("TEMPDATA.txt", Day15()), 0).empty());
    const Shown before = Now();
    std::string path = Write("locked.txt", Day15());
    HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    std::vector<std::string> messages = Load(path, 1, kFreezer);
    ::CloseHandle(lock);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Cannot find a file: " + path, messages[0]);
    EXPECT_EQ(before, Now());
    ExpectStillUsable();
}

TEST_F(FileRobustness, FolderNamedLikeTheLogIsNotFoundAndChangesNothing)
{
    ASSERT_TRUE(Load(Write("TEMPDATA.txt", Day15()), 0).empty());
    const Shown before = Now();
    std::string folder = MakeTempFolder("kelvoro-dir") + "\\TEMPDATA.txt";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    std::vector<std::string> messages = Load(folder, 1, kFreezer);
    ::RemoveDirectoryA(folder.c_str());
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Cannot find a file: " + folder, messages[0]);
    EXPECT_EQ(before, Now());
    ExpectStillUsable();
}

// The dialog lists the stick's file; the stick is pulled before OK.
TEST_F(FileRobustness, StickPulledAfterTheDialogListedItIsNotFoundAndChangesNothing)
{
    ASSERT_TRUE(Load(Write("TEMPDATA.txt", Day15()), 0).empty());
    const Shown before = Now();
    MappedDrive stick('Q');
    ASSERT_TRUE(stick.Ok());
    ASSERT_TRUE(stick.WriteFile("TEMPDATA.txt", Day15()));
    std::vector<std::string> lines;
    std::vector<std::string> messages(1);
    m_app.Expect("Select USB Data File", [&lines](HWND dialog) {
        lines = ListBoxLines(::GetDlgItem(dialog, 1001));
        DoubleClickListLine(dialog, 1001, 0);
        winedrive::Unmap('Q');
        ClickItem(dialog, IDOK);
    });
    m_app.ExpectMessageBox(&messages[0]);
    m_app.Click(m_app.ViewItem(113));
    EXPECT_TRUE(m_app.AllExpectationsMet());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("Q:\\TEMPDATA.txt", lines[0]);
    EXPECT_EQ("Cannot find a file: Q:\\TEMPDATA.txt", messages[0]);
    EXPECT_EQ(before, Now());
    ExpectStillUsable();
}

// A file of 2 GiB or more is refused as the size check finds it; past 4 GiB its size must not
// wrap round to a small one, which would load the first bytes as if they were the whole file.
TEST_F(FileRobustness, FilesOfTwoGigabytesOrMoreAreRefusedAndChangeNothing)
{
    ASSERT_TRUE(Load(Write("TEMPDATA.txt", Day15()), 0).empty());
    const Shown before = Now();
    const LONGLONG sizes[] = {0x80000000LL, 0x100000000LL + 20};
    for (LONGLONG size : sizes) {
        SCOPED_TRACE(std::to_string(size) + " bytes");
        std::string path = Write("big.txt", Day15());
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        LARGE_INTEGER end;
        end.QuadPart = size;  // sparse on the host: no disk is filled
        ASSERT_TRUE(::SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(file));
        ::CloseHandle(file);
        std::vector<std::string> messages = Load(path, 1, kFreezer);
        ::DeleteFileA(path.c_str());
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ("Cannot find a file: " + path, messages[0]);
        EXPECT_EQ(before, Now());
    }
    ExpectStillUsable();
}

// Names that open something other than a file: each reads as an empty file or is not found,
// never hangs on an endless stream.
TEST_F(FileRobustness, DevicesTypedAsThePathNeverHang)
{
    const char* paths[] = {"NUL", "CON", "Z:\\dev\\zero", "Z:\\dev\\urandom"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(Load(Write("good.txt", Day15()), 0).empty());
        std::vector<std::string> messages = Load(path, 1);
        ASSERT_EQ(1u, messages.size());
        EXPECT_TRUE(messages[0] == kNoData || messages[0] == std::string("Cannot find a file: ") + path)
            << ToUtf8(messages[0]);
        EXPECT_EQ(messages[0] == kNoData ? 0 : 2, Now().records);
    }
    ExpectStillUsable();
}

// The existence check opens the file without sharing: a handle left open by the first load
// would make the second one fail.
TEST_F(FileRobustness, SameFileLoadsTwiceInARow)
{
    std::string path = Write("TEMPDATA.txt", Day15());
    ASSERT_TRUE(Load(path, 0).empty());
    const Shown first = Now();
    EXPECT_TRUE(Load(path, 0).empty());
    EXPECT_EQ(first, Now());
    EXPECT_EQ(2, Now().records);
    // Nothing else holds it either: the file can be opened without sharing and deleted.
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, h);
    ::CloseHandle(h);
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
}

}  // namespace
