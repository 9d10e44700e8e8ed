// The temperature field as the platform's runtime reads and prints it. The native sanitizer
// build (tests/fuzz) stands in its own runtime for the platform's; this table runs in both
// builds, so the fuzzer's findings hold for the program as shipped.
#include "app/TempDegreeContainerLog.h"
#include "app/TempRecord.h"
#include "framework/CObList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FieldCase
{
    const char* pszName;
    const char* pszField;  // six bytes
    const char* pszText;
};

const FieldCase kFieldCases[] = {
    {"ExponentLetterD", "1d2   ", "100.0"},
    {"ExponentLetterUpperD", "-1D1  ", "-10.0"},
    {"ExponentWithoutDigitsIsIgnored", " 1e+  ", "1.0"},
    {"InfinityWordIsNoNumber", "inf000", "0.0"},
    {"NanWordIsNoNumber", "nan000", "0.0"},
    {"HexadecimalIsNoNumber", "0x10  ", "0.0"},
    {"VerticalTabIsBlank", "\v12.3 ", "12.3"},
    {"SecondSignIsNoNumber", "+-1   ", "0.0"},
    {"OverflowIsInfinite", "1e99  ", "inf"},
    {"OverflowOfSinglePrecisionIsInfinite", "-1e40 ", "-inf"},
    {"UnderflowIsZero", "1e-99 ", "0.0"},
    {"HalfwayRoundsToEven", "0.25  ", "0.2"},
    {"HalfwayRoundsToEvenUpwards", "0.75  ", "0.8"},
    {"NegativeZeroKeepsItsSign", "-0    ", "-0.0"},
    {"SmallNegativeRoundsToNegativeZero", "-0.04 ", "-0.0"},
};

class TemperatureFieldPlatform : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(TemperatureFieldPlatform, ReadsAsTheRuntimeDoes)
{
    const FieldCase& c = GetParam();
    const std::string bytes = std::string("T230515080001") + std::string(c.pszField, 6) + "0000";
    CObList records(10);
    int nInterval = 0;
    ParseTempLog(bytes.data(), bytes.size(), records, nInterval);
    ASSERT_EQ(1, records.GetCount());
    EXPECT_STREQ(c.pszText, static_cast<TempRecord*>(records.GetHead())->strTemp);
    DeleteTempRecords(records);
}

INSTANTIATE_TEST_SUITE_P(Cases, TemperatureFieldPlatform, ::testing::ValuesIn(kFieldCases),
                         [](const ::testing::TestParamInfo<FieldCase>& info) { return info.param.pszName; });

}  // namespace
