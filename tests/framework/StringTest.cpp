#include "framework/CString.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CString, FormatGrowsPastAnyFixedBuffer)
{
    CString text;
    const CString longPart('x', 5000);
    text.Format("%s (%s ~ %s)", "ULT-FREEZER", "2023-05-15", longPart.GetString());
    EXPECT_EQ(26 + 5000 + 1, text.GetLength());
    EXPECT_EQ(0, std::strncmp(text, "ULT-FREEZER (2023-05-15 ~ xxx", 29));
    text.AppendFormat("%d", 42);
    EXPECT_EQ("42", text.Right(2));
}

TEST(CString, FormatFollowsTheC99Conversions)
{
    CString text;
    text.Format("%zu|%lld|%5.1f|%03d|%s", static_cast<size_t>(7), -1234567890123LL, -25.34, 5, "");
    EXPECT_EQ("7|-1234567890123|-25.3|005|", text);
}

TEST(CString, ComparisonsAreByteWiseLikeStrcmp)
{
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"2023-05-15", "2023-05-15", 0},
        {"2023-05-15", "2023-05-16", -1},
        {"2023-12-31", "2024-01-01", -1},
        {"abc", "ab", 1},
        {"", "a", -1},
        {"\xC6\xC4", "a", 1},  // bytes above 0x7F compare as unsigned, as strcmp does
    };
    for (const auto& c : cases) {
        const CString a(c.a);
        const int compare = a.Compare(c.b);
        EXPECT_EQ(c.sign, (compare > 0) - (compare < 0)) << c.a << " vs " << c.b;
        EXPECT_EQ(c.sign == 0, a == c.b);
        EXPECT_EQ(c.sign != 0, a != CString(c.b));
        EXPECT_EQ(c.sign < 0, a < c.b);
        EXPECT_EQ(c.sign > 0, c.b < a);
        EXPECT_EQ(c.sign >= 0, a >= CString(c.b));
    }
}

TEST(CString, SearchAndExtraction)
{
    const CString text("HIGH TEMP ALARM, BLACKOUT ALARM");
    EXPECT_EQ(15, text.Find(','));
    EXPECT_EQ(10, text.Find("ALARM"));
    EXPECT_EQ(26, text.Find("ALARM", 11));
    EXPECT_EQ(-1, text.Find("COMP"));
    EXPECT_EQ(0, text.Find(""));
    EXPECT_EQ(28, text.ReverseFind('A'));
    EXPECT_EQ("TEMP", text.Mid(5, 4));
    EXPECT_EQ("BLACKOUT ALARM", text.Mid(17));
    EXPECT_EQ("HIGH", text.Left(4));
    EXPECT_EQ("ALARM", text.Right(5));
    // Out-of-range arguments are clamped, never read past the text.
    EXPECT_EQ("", text.Mid(100));
    EXPECT_EQ("HIGH", text.Mid(-3, 4));
    EXPECT_EQ(text, text.Left(1000));
    EXPECT_EQ("", text.Right(-1));
}

TEST(CString, SearchesNeverMatchTheTrailByteOfAKoreanCharacter)
{
    // "파" is C6 C4 and "일" is C0 CF in code page 949; 0x5C ('\\') and 'A' appear as trail bytes
    // of other characters, e.g. "\x95\x5C" and "\x81\x41".
    const CString text("\x95\x5C" "A\\" "\x81\x41");
    EXPECT_EQ(3, text.Find('\\'));
    EXPECT_EQ(2, text.Find('A'));
    EXPECT_EQ(2, text.ReverseFind('A'));
    EXPECT_EQ(3, text.Find("\\"));
    CString upper("\x81\x61" "a");
    upper.MakeUpper();
    EXPECT_EQ(CString("\x81\x61" "A"), upper);
}

TEST(CString, TrimRemovesWhiteSpaceOrGivenCharactersAtTheEnds)
{
    const struct {
        const char* input;
        const char* both;
        const char* left;
        const char* right;
    } cases[] = {
        {"  SENSOR ALARM \t", "SENSOR ALARM", "SENSOR ALARM \t", "  SENSOR ALARM"},
        {"", "", "", ""},
        {" \r\n ", "", "", ""},
        {"x", "x", "x", "x"},
    };
    for (const auto& c : cases) {
        CString both(c.input), left(c.input), right(c.input);
        EXPECT_EQ(c.both, both.Trim());
        EXPECT_EQ(c.left, left.TrimLeft());
        EXPECT_EQ(c.right, right.TrimRight());
    }
    CString zeros("00120.50");
    EXPECT_EQ("120.5", zeros.Trim('0'));
}

TEST(CString, GetBufferThenReleaseBufferTakesTheWrittenLength)
{
    CString text("abc");
    char* buffer = text.GetBuffer(64);
    std::strcpy(buffer, "written by an API");
    text.ReleaseBuffer();
    EXPECT_EQ("written by an API", text);
    EXPECT_EQ(17, text.GetLength());

    char* fixed = text.GetBufferSetLength(3);
    fixed[0] = 'X';
    text.ReleaseBuffer(3);
    EXPECT_EQ("Xri", text);
}

TEST(CString, EditingOperations)
{
    CString text("a,b,,c");
    EXPECT_EQ(3, text.Replace(",", ", "));
    EXPECT_EQ("a, b, , c", text);
    EXPECT_EQ(3, text.Remove(' '));
    EXPECT_EQ("a,b,,c", text);
    text.Insert(0, "<");
    text.Delete(1, 2);
    EXPECT_EQ("<b,,c", text);
    text.MakeUpper();
    EXPECT_EQ("<B,,C", text);
    EXPECT_EQ("x<B,,C!", 'x' + text + '!');
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CString, IndexOutsideTheTextThrowsInvalidArgument)
{
    const CString text("ab");
    EXPECT_EQ('b', text[1]);
    try {
        text.GetAt(2);
        FAIL() << "no exception";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
        e->Delete();
    }
}
