// The alarm text of a record's two bytes and the product line of a loaded file.
#include "app/TempDegreeContainerLog.h"

#include <gtest/gtest.h>

namespace {

struct AlarmCase
{
    unsigned char byAlarm1;
    unsigned char byAlarm2;
    const char* pszText;
};

const AlarmCase kAlarmCases[] = {
    {0x00, 0x00, ""},
    {0x00, 0x01, "HIGH TEMP ALARM"},
    {0x00, 0x02, "LOW TEMP ALARM"},
    {0x00, 0x04, "COMP ERROR"},
    {0x00, 0x08, "COMP ERROR"},
    {0x00, 0x0C, "COMP ERROR"},
    {0x00, 0x10, "BLACKOUT ALARM"},
    {0x00, 0xE0, ""},
    {0x01, 0x00, "SENSOR ALARM"},
    {0x80, 0x00, "SENSOR ALARM"},
    {0x01, 0x11, "SENSOR ALARM, HIGH TEMP ALARM, BLACKOUT ALARM"},
    {0x00, 0x03, "HIGH TEMP ALARM, LOW TEMP ALARM"},
    {0xFF, 0xFF, "SENSOR ALARM, HIGH TEMP ALARM, LOW TEMP ALARM, COMP ERROR, BLACKOUT ALARM"},
    {0x00, 0x1A, "LOW TEMP ALARM, COMP ERROR, BLACKOUT ALARM"},
};

TEST(AlarmText, ListsTheSetItemsInFixedOrder)
{
    for (const AlarmCase& c : kAlarmCases) {
        CString strText = "left over";
        FormatAlarmText(c.byAlarm1, c.byAlarm2, strText);
        EXPECT_STREQ(c.pszText, strText) << std::hex << int(c.byAlarm1) << " " << int(c.byAlarm2);
    }
}

struct ProductLineCase
{
    const char* pszCaption;
    const char* pszEarliest;
    const char* pszLatest;
    const char* pszLine;
};

const ProductLineCase kProductLineCases[] = {
    {"ULT-FREEZER", "9999", "0000", "ULT-FREEZER"},
    {"ULT-FREEZER", "2023-05-15", "2023-05-15", "ULT-FREEZER (2023-05-15)"},
    {"VANTORI FREEZER", "2023-05-15", "2023-05-21", "VANTORI FREEZER (2023-05-15 ~ 2023-05-21)"},
    {"VANTORI REFRIGERATOR", "0000-00-00", "2023-01-02", "VANTORI REFRIGERATOR (0000-00-00 ~ 2023-01-02)"},
    {"", "2023-05-15", "2023-05-15", " (2023-05-15)"},
};

TEST(ProductLine, NamesCaptionAndDateRangeOfTheRecords)
{
    for (const ProductLineCase& c : kProductLineCases)
        EXPECT_STREQ(c.pszLine, FormatProductLine(c.pszCaption, c.pszEarliest, c.pszLatest));
}

}  // namespace
