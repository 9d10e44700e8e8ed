// Text style: point-size rule and cached font rebuilt only when marked stale.
#include "ChartTestSupport.h"

#include "chart/ChartTextStyle.h"

#include <gtest/gtest.h>

namespace
{
struct SScreenDc
{
    CDC dc;
    SScreenDc()
    {
        HDC screen = ::GetDC(nullptr);
        dc.Attach(::CreateCompatibleDC(screen));
        ::ReleaseDC(nullptr, screen);
    }
    ~SScreenDc() { ::DeleteDC(dc.Detach()); }
};

LOGFONTA SelectedFont(CDC& dc)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), sizeof(lf), &lf);
    return lf;
}
}

TEST(ChartTextStyle, TenPointsAtNinetySixDpiIsThirteenPixelsHigh)
{
    SScreenDc s;
    ASSERT_EQ(96, ::GetDeviceCaps(s.dc.GetSafeHdc(), LOGPIXELSY));
    struct
    {
        int tenths;
        LONG height;
    } cases[] = {{100, -13}, {80, -11}, {120, -16}, {-100, -13}};
    for (const auto& c : cases)
    {
        CChartTextStyle style;
        style.nSizeTenths = c.tenths;
        style.SelectInto(&s.dc);
        EXPECT_EQ(c.height, SelectedFont(s.dc).lfHeight) << c.tenths;
        s.dc.SelectObject(style.pOldFont);
        style.pOldFont = nullptr;
    }
}

TEST(ChartTextStyle, FieldsReachTheFont)
{
    SScreenDc s;
    CChartTextStyle style;
    style.strFace = "Arial";
    style.bBold = true;
    style.bItalic = true;
    style.bUnderline = true;
    style.SelectInto(&s.dc);
    const LOGFONTA lf = SelectedFont(s.dc);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_EQ(0, lf.lfEscapement);
    s.dc.SelectObject(style.pOldFont);
    EXPECT_FALSE(style.bFontStale);
}

TEST(ChartTextStyle, RotationTakesEffectOnlyWhenMarkedStale)
{
    SScreenDc s;
    CChartTextStyle style;
    CFont* original = style.SelectInto(&s.dc);
    HGDIOBJ built = style.font.GetSafeHandle();
    s.dc.SelectObject(original);

    style.bRotated90 = true;  // not marked stale: the cached font stays
    style.SelectInto(&s.dc);
    EXPECT_EQ(built, style.font.GetSafeHandle());
    EXPECT_EQ(0, SelectedFont(s.dc).lfEscapement);
    s.dc.SelectObject(style.pOldFont);

    style.bFontStale = true;
    style.SelectInto(&s.dc);
    const LOGFONTA lf = SelectedFont(s.dc);
    EXPECT_EQ(900, lf.lfEscapement);
    EXPECT_EQ(900, lf.lfOrientation);
    s.dc.SelectObject(style.pOldFont);
}

TEST(ChartTextStyle, SelectIntoReturnsTheDisplacedFont)
{
    SScreenDc s;
    HGDIOBJ before = ::GetCurrentObject(s.dc.GetSafeHdc(), OBJ_FONT);
    CChartTextStyle style;
    CFont* old = style.SelectInto(&s.dc);
    ASSERT_NE(nullptr, old);
    EXPECT_EQ(old, style.pOldFont);
    EXPECT_EQ(before, old->GetSafeHandle());
    s.dc.SelectObject(old);
    EXPECT_EQ(before, ::GetCurrentObject(s.dc.GetSafeHdc(), OBJ_FONT));
}
