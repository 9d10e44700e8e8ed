// Text style: point-size rule and cached font rebuilt only when marked stale; the default fonts of the chart's texts.
#include "ChartTestSupport.h"

#include "chart/ChartAxisLabel.h"
#include "chart/ChartLegend.h"
#include "chart/ChartTextStyle.h"
#include "chart/ChartTitle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
LOGFONTA SelectedFont(CDC& dc)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), sizeof(lf), &lf);
    return lf;
}
}

TEST(ChartTextStyle, TenPointsAtNinetySixDpiIsThirteenPixelsHigh)
{
    SMemoryDc s;
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
    SMemoryDc s;
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
    SMemoryDc s;
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
    SMemoryDc s;
    HGDIOBJ before = ::GetCurrentObject(s.dc.GetSafeHdc(), OBJ_FONT);
    CChartTextStyle style;
    CFont* old = style.SelectInto(&s.dc);
    ASSERT_NE(nullptr, old);
    EXPECT_EQ(old, style.pOldFont);
    EXPECT_EQ(before, old->GetSafeHandle());
    s.dc.SelectObject(old);
    EXPECT_EQ(before, ::GetCurrentObject(s.dc.GetSafeHdc(), OBJ_FONT));
}

TEST(ChartFonts, EveryPartDrawsInItsOwnDefaultFaceAndSize)
{
    // At 96 dpi: 8 pt is 11 pixels, 10 pt 13.
    CChartCtrl chart;
    CChartStandardAxis* left = new CChartStandardAxis();
    chart.PlaceAxis(left, ChartAxisSide::Left);
    chart.PlaceAxis(new CChartStandardAxis(), ChartAxisSide::Bottom);
    left->dMax = left->dHomeMax = 10;
    left->pLabel->strText = "Temp";
    CChartLineSerie* serie = new CChartLineSerie(&chart);
    serie->strName = "Cold room";
    chart.InsertSeries(serie);
    chart.pLegendBox->bVisible = true;
    chart.pTitleBlock->vecLines.push_back("Title");
    HDC screen = ::GetDC(nullptr);
    ASSERT_EQ(96, ::GetDeviceCaps(screen, LOGPIXELSY));
    CEmfRecording emf(screen);
    chart.RenderChart(emf.Dc(), {3, 3, 797, 497});
    emf.Finish();
    ::ReleaseDC(nullptr, screen);

    struct
    {
        const char* part;
        const char* face;
        LONG height;
        LONG escapement;
        BYTE charSet;
    } cases[] = {
        {"tick labels", "Microsoft Sans Serif", -11, 0, DEFAULT_CHARSET},
        {"axis label", "Microsoft Sans Serif", -13, 900, ANSI_CHARSET},
        {"title", "Microsoft Sans Serif", -13, 0, ANSI_CHARSET},
        {"legend", "Times New Roman", -13, 0, DEFAULT_CHARSET},
    };
    for (const auto& c : cases)
    {
        const bool found = std::any_of(emf.fonts.begin(), emf.fonts.end(), [&](const LOGFONTA& lf) {
            return lstrcmpA(lf.lfFaceName, c.face) == 0 && lf.lfHeight == c.height &&
                   lf.lfEscapement == c.escapement && lf.lfCharSet == c.charSet;
        });
        EXPECT_TRUE(found) << c.part;
    }
}
