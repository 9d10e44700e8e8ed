// The text printer's lines, page metrics, header and page layout, drawn onto an enhanced
// metafile so that every text it writes can be checked with its place and font.
#include "app/CTextPrint.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace
{
struct ExpectedLine
{
    const char* date;
    const char* time;
    const char* temp;
    const char* alarm;
};

struct RowCase
{
    const char* alarmText;
    std::vector<ExpectedLine> lines;
};

TEST(TextPrintLines, EachAlarmItemOfARowIsOneLine)
{
    const RowCase cases[] = {
        {"", {{"2021-03-05", "14:00", " 5.0℃", ""}}},
        {"SENSOR ALARM", {{"2021-03-05", "14:00", " 5.0℃", "SENSOR ALARM"}}},
        {"SENSOR ALARM, HIGH TEMP ALARM, COMP ERROR",
         {{"2021-03-05", "14:00", " 5.0℃", "SENSOR ALARM"},
          {"", "", "", "HIGH TEMP ALARM"},
          {"", "", "", "COMP ERROR"}}},
        {"  DOOR OPEN ,\tCOMP ERROR  ", {{"2021-03-05", "14:00", " 5.0℃", "DOOR OPEN"}, {"", "", "", "COMP ERROR"}}},
        {"A,", {{"2021-03-05", "14:00", " 5.0℃", "A"}, {"", "", "", ""}}},
    };
    for (const RowCase& rowCase : cases)
    {
        SCOPED_TRACE(rowCase.alarmText);
        CObList lines;
        CTextPrint::AppendRowLines(lines, "2021-03-05", "14:00", " 5.0℃", rowCase.alarmText);
        ASSERT_EQ(static_cast<int>(rowCase.lines.size()), lines.GetCount());
        POSITION position = lines.GetHeadPosition();
        for (const ExpectedLine& expected : rowCase.lines)
        {
            const TextPrintLine* line = static_cast<const TextPrintLine*>(lines.GetNext(position));
            EXPECT_STREQ(expected.date, line->strDate);
            EXPECT_STREQ(expected.time, line->strTime);
            EXPECT_STREQ(expected.temp, line->strTemp);
            EXPECT_STREQ(expected.alarm, line->strAlarm);
        }
        CTextPrint::FreeLines(lines);
        EXPECT_TRUE(lines.IsEmpty());
    }
}

TEST(TextPrintMetrics, A4At600DotsPerInchGivesTheMarginsOfItsWorkedExample)
{
    CTextPrint print;
    ASSERT_TRUE(print.SetPageMetrics(4960, 7016, 90, 45));
    EXPECT_EQ(90, print.GetLineHeight());
    EXPECT_EQ(45, print.GetCharWidth());
    EXPECT_EQ(71, print.GetLinesPerPage());
    EXPECT_EQ(64, print.RowsPerColumn());
    EXPECT_EQ(274, print.GetTopMargin());
    EXPECT_EQ(195, print.GetLeftMargin());
}

struct PageCase
{
    const char* what;
    int vertRes;
    int lineHeight;
    int charWidth;
    bool rowFits;
    int rowsPerColumn;
};

TEST(TextPrintMetrics, PagesThatHoldNoRowPrintNothing)
{
    const PageCase cases[] = {
        {"no font height", 7016, 0, 45, false, -7},
        {"no character width", 7016, 90, 0, false, -7},
        {"not one line fits", 80, 90, 45, false, -7},
        {"13 lines leave no row", 13 * 90 + 89, 90, 45, false, 0},
        {"14 lines hold one row", 14 * 90, 90, 45, true, 1},
    };
    for (const PageCase& page : cases)
    {
        SCOPED_TRACE(page.what);
        CTextPrint print;
        EXPECT_EQ(page.rowFits, print.SetPageMetrics(4960, page.vertRes, page.lineHeight, page.charWidth));
        EXPECT_EQ(page.rowsPerColumn, print.RowsPerColumn());
    }
}

std::tm LocalTime(int year, int month, int day, int hour, int minute)
{
    std::tm time = {};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    return time;
}

TEST(TextPrintHeader, ProductNameFromColumnOneAndTheTimeFromColumn68)
{
    CTextPrint print;
    print.FillHeader(LocalTime(2021, 3, 5, 14, 0));
    const std::string expected = " KELVORO" + std::string(60, ' ') + "21.03.05 02:00 PM";
    EXPECT_EQ(expected, print.GetHeader());
}

// A text the page wrote: where, in which font.
struct PrintedText
{
    int x;
    int y;
    std::string text;
    bool italic;
    bool underline;
    std::string face;
};

struct MetafileWalk
{
    std::vector<LOGFONTW> fontsByIndex = std::vector<LOGFONTW>(64);
    LOGFONTW current = {};
    std::vector<PrintedText> texts;
};

std::string Narrow(const wchar_t* text, int count)
{
    std::string narrow(count * 2 + 1, '\0');
    const int length = WideCharToMultiByte(949, 0, text, count, &narrow[0], static_cast<int>(narrow.size()),
                                           nullptr, nullptr);
    narrow.resize(length > 0 ? length : 0);
    return narrow;
}

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    MetafileWalk& walk = *reinterpret_cast<MetafileWalk*>(data);
    switch (record->iType)
    {
    case EMR_EXTCREATEFONTINDIRECTW:
    {
        const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        if (font->ihFont < walk.fontsByIndex.size())
            walk.fontsByIndex[font->ihFont] = font->elfw.elfLogFont;
        break;
    }
    case EMR_SELECTOBJECT:
    {
        const DWORD index = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
        if (index < walk.fontsByIndex.size())
            walk.current = walk.fontsByIndex[index];
        break;
    }
    case EMR_EXTTEXTOUTW:
    case EMR_EXTTEXTOUTA:
    {
        const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const EMRTEXT& text = out->emrtext;
        const char* base = reinterpret_cast<const char*>(record);
        PrintedText printed;
        printed.x = text.ptlReference.x;
        printed.y = text.ptlReference.y;
        if (record->iType == EMR_EXTTEXTOUTW)
            printed.text = Narrow(reinterpret_cast<const wchar_t*>(base + text.offString), text.nChars);
        else
            printed.text.assign(base + text.offString, text.nChars);
        printed.italic = walk.current.lfItalic != 0;
        printed.underline = walk.current.lfUnderline != 0;
        printed.face = Narrow(walk.current.lfFaceName, static_cast<int>(wcslen(walk.current.lfFaceName)));
        walk.texts.push_back(printed);
        break;
    }
    default:
        break;
    }
    return 1;
}

// Renders one page of the lines onto a metafile made for the screen and collects its texts.
class TextPageOnMetafile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HDC screen = GetDC(nullptr);
        HDC metafile = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
        ReleaseDC(nullptr, screen);
        ASSERT_NE(nullptr, metafile);
        print.GetDC().Attach(metafile);
        ASSERT_TRUE(print.MeasurePage(print.GetDC()));
        print.FillHeader(LocalTime(2021, 3, 5, 14, 0));
    }

    void TearDown() override { CTextPrint::FreeLines(lines); }

    void AddRows(int count)
    {
        for (int row = 0; row < count; ++row)
        {
            char time[8];
            wsprintfA(time, "%02d:%02d", row / 60 % 24, row % 60);
            CTextPrint::AppendRowLines(lines, "2021-03-05", time, "-85.0℃", "");
        }
    }

    // Prints the page and returns the index of the first line not printed.
    int PrintPage(int first, int page)
    {
        const int next = print.PrintPage(&lines, first, page);
        HENHMETAFILE metafile = CloseEnhMetaFile(print.GetDC().Detach());
        EnumEnhMetaFile(nullptr, metafile, &CollectRecord, &walk, nullptr);
        DeleteEnhMetaFile(metafile);
        return next;
    }

    int LineY(int line) const { return print.GetTopMargin() + line * print.GetLineHeight(); }
    int ColumnX(int column) const { return print.GetLeftMargin() + column * print.GetCharWidth(); }

    std::vector<PrintedText> TextsAtX(int x) const
    {
        std::vector<PrintedText> found;
        for (const PrintedText& text : walk.texts)
            if (text.x == x && text.y > print.GetTopMargin())
                found.push_back(text);
        return found;
    }

    CTextPrint print;
    CObList lines;
    MetafileWalk walk;
};

TEST_F(TextPageOnMetafile, HeaderIsWrittenInItalicUnderlinedCourierAtTheMargins)
{
    AddRows(1);
    PrintPage(0, 7);
    ASSERT_FALSE(walk.texts.empty());
    const PrintedText& header = walk.texts.front();
    EXPECT_EQ(print.GetLeftMargin(), header.x);
    EXPECT_EQ(print.GetTopMargin(), header.y);
    EXPECT_EQ(" KELVORO" + std::string(60, ' ') + "21.03.05 02:00 PM, Page:    7", header.text);
    EXPECT_TRUE(header.italic);
    EXPECT_TRUE(header.underline);
    EXPECT_EQ("Courier New", header.face);
}

TEST_F(TextPageOnMetafile, ColumnHasRulesHeadingRowsAndClosingRule)
{
    CTextPrint::AppendRowLines(lines, "2021-03-05", "14:00", "5.0℃", "SENSOR ALARM, HIGH TEMP ALARM, COMP ERROR");
    CTextPrint::AppendRowLines(lines, "2021-03-05", "14:10", "-85.0℃", "");
    EXPECT_EQ(4, PrintPage(0, 1));

    const std::string rule(48, '-');
    const std::vector<std::pair<int, std::string>> expected = {
        {2, rule},
        {3, "DATE        TIME   TEMP   ALARM DATA"},
        {4, rule},
        {5, "2021-03-05  14:00  5.0℃  SENSOR ALARM"},
        {6, std::string(26, ' ') + "HIGH TEMP ALARM"},
        {7, std::string(26, ' ') + "COMP ERROR"},
        {8, "2021-03-05  14:10 -85.0℃  "},
        {9, rule},
    };
    const std::vector<PrintedText> column = TextsAtX(ColumnX(0));
    ASSERT_EQ(expected.size(), column.size());
    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE(expected[i].second);
        EXPECT_EQ(LineY(expected[i].first), column[i].y);
        EXPECT_EQ(expected[i].second, column[i].text);
        EXPECT_FALSE(column[i].italic);
        EXPECT_FALSE(column[i].underline);
    }
    EXPECT_TRUE(TextsAtX(ColumnX(50)).empty());
}

TEST_F(TextPageOnMetafile, ExactlyOneColumnOfLinesLeavesTheSecondColumnOut)
{
    const int rows = print.RowsPerColumn();
    ASSERT_GT(rows, 0);
    AddRows(rows);
    EXPECT_EQ(rows, PrintPage(0, 1));
    EXPECT_EQ(static_cast<size_t>(rows + 4), TextsAtX(ColumnX(0)).size());
    EXPECT_TRUE(TextsAtX(ColumnX(50)).empty());
}

TEST_F(TextPageOnMetafile, LinesBeyondTwoColumnsAreLeftForTheNextPage)
{
    const int rows = print.RowsPerColumn();
    AddRows(2 * rows + 3);
    EXPECT_EQ(2 * rows, PrintPage(0, 1));
    const std::vector<PrintedText> second = TextsAtX(ColumnX(50));
    ASSERT_EQ(static_cast<size_t>(rows + 4), second.size());
    EXPECT_EQ(LineY(5), second[3].y);
    EXPECT_EQ(LineY(5 + rows), second.back().y);
    EXPECT_EQ(std::string(48, '-'), second.back().text);
}

TEST_F(TextPageOnMetafile, ALaterPageStartsAtTheLineItIsGiven)
{
    const int rows = print.RowsPerColumn();
    AddRows(2 * rows + 3);
    EXPECT_EQ(2 * rows + 3, PrintPage(2 * rows, 2));
    const std::vector<PrintedText> first = TextsAtX(ColumnX(0));
    ASSERT_EQ(7u, first.size());
    char expected[64];
    wsprintfA(expected, "2021-03-05  %02d:%02d -85.0℃  ", (2 * rows) / 60 % 24, (2 * rows) % 60);
    EXPECT_EQ(std::string(expected), first[3].text);
    EXPECT_TRUE(TextsAtX(ColumnX(50)).empty());
}
}  // namespace
