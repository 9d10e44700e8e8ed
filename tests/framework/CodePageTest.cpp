// The program's texts are code page 949: the process must run with that ANSI code page
// and narrow literals must hold CP949 bytes.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>

TEST(CodePage, ProcessAnsiCodePageIsKorean)
{
    EXPECT_EQ(949u, GetACP());
}

TEST(CodePage, KoreanLiteralHoldsCp949Bytes)
{
    const char* text = "파일";  // CP949: C6 C4 C0 CF
    ASSERT_EQ(4u, std::strlen(text));
    const unsigned char expected[] = {0xC6, 0xC4, 0xC0, 0xCF};
    EXPECT_EQ(0, std::memcmp(text, expected, 4));
}

TEST(CodePage, DegreeCelsiusSignIsTwoBytes)
{
    EXPECT_EQ(2u, std::strlen("℃"));
}
