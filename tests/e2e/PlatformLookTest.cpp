// What the program's look takes from the system it runs on, as on a Korean Windows
// installation: the caption-button symbol font and the short date format.
#include "e2e/E2eSupport.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>

namespace {

// The face the font mapper gives for a request of this face and character set.
std::string MappedFace(const char* face, BYTE charSet)
{
    CFont font;
    font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, 0, 0, 0, 0, face);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CSelectGuard selected(&dc, &font);
    char mapped[LF_FACESIZE] = {};
    ::GetTextFaceA(dc, LF_FACESIZE, mapped);
    return mapped;
}

std::string ShortDate(int year, int month, int day)
{
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    char text[64] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, sizeof text);
    return text;
}

// Width of the text in the window's own font.
int TextWidth(HWND window, const std::string& text)
{
    CClientDC dc(CWnd::FromHandle(window));
    CSelectGuard selected(&dc, CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0))));
    return dc.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx;
}

TEST(PlatformLook, CaptionButtonSymbolFontIsInstalled)
{
    // Caption buttons, check marks and size grips are glyphs of this font; without it they
    // come out as the letters "0", "1", "r".
    for (BYTE charSet : {SYMBOL_CHARSET, DEFAULT_CHARSET})
        EXPECT_EQ("Marlett", MappedFace("Marlett", charSet)) << "character set " << int(charSet);
}

TEST(PlatformLook, ShortDateIsYearMonthDayWithDashesAndLeadingZeros)
{
    struct Case { int year, month, day; const char* text; };
    const Case cases[] = {
        {2026, 12, 1, "2026-12-01"},
        {2027, 1, 31, "2027-01-31"},
        {2028, 2, 29, "2028-02-29"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, ShortDate(c.year, c.month, c.day));
}

TEST(PlatformLook, DatePickerShowsTheWholeShortDate)
{
    AppHarness app;
    ASSERT_TRUE(app.Started());
    HWND picker = app.ViewItem(100);
    ASSERT_NE(nullptr, picker);
    PickDate(app, 2026, 12, 1);
    app.Pump(50);

    char shown[64] = {};
    ::GetWindowTextA(picker, shown, sizeof shown);
    EXPECT_STREQ("2026-12-01", shown);

    // The text starts a couple of pixels in and must end before the drop-down button.
    RECT client = {};
    ::GetClientRect(picker, &client);
    int room = client.right - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
    EXPECT_LE(TextWidth(picker, shown), room);
}

}  // namespace
