// Chart printing: the logical page, the heading and the chart laid out below it.
#include "ChartTestSupport.h"

#include "chart/ChartDateTimeAxis.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// A print-only chart as the graph page builds it: empty window, numeric and time axes, one series.
struct SPrintChart
{
    CChartCtrl chart;
    SPrintChart()
    {
        chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), &TestHost(), 100);
        chart.Redraw();
        chart.crBackground = 0xFFFFFF;
        SGraphPageAxes axes(chart);
        CChartLineSerie* serie = new CChartLineSerie(&chart);
        chart.InsertSeries(serie);
        serie->crSeries = 0;
        const double x[] = {46363.0, 46363.5, 46363.9};
        const double y[] = {-20, -25, -18};
        serie->ReplacePoints(x, y, 3);
    }
};

bool HasText(const CEmfRecording& emf, const std::string& text)
{
    return std::any_of(emf.texts.begin(), emf.texts.end(), [&](const SEmfText& t) { return t.text == text; });
}

void ExpectPageLayout(const CEmfRecording& emf, CChartCtrl& chart, HDC reference)
{
    const int horz = ::GetDeviceCaps(reference, HORZRES);
    const int vert = ::GetDeviceCaps(reference, VERTRES);
    const int screenDpi = ::GetDeviceCaps(chart.dcBuffer.GetSafeHdc(), LOGPIXELSX);
    const SIZE logical = {horz * screenDpi / ::GetDeviceCaps(reference, LOGPIXELSX) * 3 / 4,
                          vert * screenDpi / ::GetDeviceCaps(reference, LOGPIXELSY) * 3 / 4};
    EXPECT_EQ(MM_ANISOTROPIC, emf.mapMode);
    EXPECT_EQ(logical.cx, emf.windowExt.cx);
    EXPECT_EQ(logical.cy, emf.windowExt.cy);
    EXPECT_EQ(horz, emf.viewportExt.cx);
    EXPECT_EQ(vert, emf.viewportExt.cy);
    EXPECT_EQ(logical.cx, chart.szPrintLogical.cx);
    EXPECT_EQ(vert, chart.szPrintDevice.cy);
    // Heading font first (-20), the chart's font (-10) after it.
    ASSERT_GE(emf.fonts.size(), 2u);
    EXPECT_EQ(-20, emf.fonts[0].lfHeight);
    EXPECT_STREQ("Arial", emf.fonts[0].lfFaceName);
    EXPECT_EQ(-10, emf.fonts[1].lfHeight);
    for (const LOGFONTA& lf : {emf.fonts[0], emf.fonts[1]})
    {
        EXPECT_EQ(FW_NORMAL, lf.lfWeight);
        EXPECT_EQ(0, lf.lfWidth);
        EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
        EXPECT_EQ(OUT_CHARACTER_PRECIS, lf.lfOutPrecision);
        EXPECT_EQ(CLIP_CHARACTER_PRECIS, lf.lfClipPrecision);
        EXPECT_EQ(DEFAULT_QUALITY, lf.lfQuality);
        EXPECT_EQ(DEFAULT_PITCH | FF_DONTCARE, lf.lfPitchAndFamily);
    }
}
}

TEST(ChartPrint, LogicalPageIsThreeQuartersOfTheScreenSizedPage)
{
    struct
    {
        int device, screenDpi, printerDpi, logical;
    } cases[] = {
        {6814, 96, 600, 817},
        {2479, 96, 300, 594},
        {3508, 96, 300, 841},
        {1000, 96, 96, 750},  // equal resolutions: three quarters of the device page
        {4961, 96, 600, 594},
        {3508, 96, 150, 1683},  // another vertical resolution scales on its own
        {3508, 96, 0, 0},       // a printer that reports no resolution gives no page
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.logical, CChartCtrl::PrintLogicalLength(c.device, c.screenDpi, c.printerDpi)) << c.device;
}

TEST(ChartPrint, PageOnAScreenResolutionDeviceHoldsHeadingAndChart)
{
    SPrintChart p;
    HDC screen = ::GetDC(nullptr);
    CEmfRecording emf(screen);
    p.chart.PrintToDC(emf.Dc(), "ULT-FREEZER (2026-12-07)");
    emf.Finish();
    ExpectPageLayout(emf, p.chart, screen);
    ::ReleaseDC(nullptr, screen);
    EXPECT_TRUE(HasText(emf, "ULT-FREEZER (2026-12-07)"));
    EXPECT_TRUE(HasText(emf, "04:00"));
    EXPECT_TRUE(HasText(emf, "-90"));
    // The chart's drawing rectangle starts at 45: every tick label lies below the heading band.
    for (const SEmfText& t : emf.texts)
        EXPECT_TRUE(t.text != "30" || t.at.y >= 45) << t.at.y;
    ASSERT_EQ(1u, emf.polylines.size());
    EXPECT_EQ(3u, emf.polylines[0].size());
    // FinishPrint laid the chart out again for its (empty) window.
    EXPECT_LT(p.chart.rcPlot.right, 15);
}

TEST(ChartPrint, PageOnThePrinterUsesItsResolution)
{
    HDC printer = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    if (!printer)
        GTEST_SKIP() << "no printer named PDF";
    SPrintChart p;
    {
        CEmfRecording emf(printer);
        p.chart.PrintToDC(emf.Dc(), "Heading");
        emf.Finish();
        ExpectPageLayout(emf, p.chart, printer);
        EXPECT_TRUE(HasText(emf, "Heading"));
    }
    ::DeleteDC(printer);
}

TEST(ChartPrint, EmptyHeadingStillStartsTheChartBelowTheBand)
{
    SPrintChart p;
    CEmfRecording emf;
    p.chart.PrintToDC(emf.Dc(), "");
    emf.Finish();
    int top = 1 << 30;
    for (const auto& line : emf.lines)
        top = std::min<int>(top, std::min(line.first.y, line.second.y));
    EXPECT_GE(top, 45);
    EXPECT_FALSE(HasText(emf, ""));
}

TEST(ChartPrint, HeadingWiderThanThePageIsCutAtTheBand)
{
    SPrintChart p;
    const std::string heading(400, 'W');
    CEmfRecording emf;
    p.chart.PrintToDC(emf.Dc(), heading);
    emf.Finish();
    const auto it = std::find_if(emf.texts.begin(), emf.texts.end(),
                                 [&](const SEmfText& t) { return t.text == heading; });
    ASSERT_NE(emf.texts.end(), it);
    EXPECT_TRUE(it->options & ETO_CLIPPED);
    EXPECT_EQ(0, it->clip.left);
    EXPECT_EQ(15, it->clip.top);
    EXPECT_EQ(p.chart.szPrintLogical.cx, it->clip.right);
    EXPECT_EQ(45, it->clip.bottom);
}

TEST(ChartPrint, PreparationLeavesOnePageWhateverTheRecordHeld)
{
    SPrintChart p;
    CPrintInfo info;
    EXPECT_EQ(65535u, info.GetMaxPage());
    info.m_nCurPage = 9;
    HDC screen = ::GetDC(nullptr);
    CEmfRecording emf(screen);
    p.chart.PreparePrint(emf.Dc(), &info);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(1u, info.GetMinPage());
    EXPECT_EQ(1u, info.GetMaxPage());
    EXPECT_EQ(1u, info.m_nCurPage);
}

namespace
{
BOOL CALLBACK CancelDialog(HWND hwnd, LPARAM)
{
    char name[16] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpA(name, "#32770") == 0)
        ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK CancelPrintDialogs(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialog, 0);
}
}

TEST(ChartPrint, CancelledDialogPrintsNothingAndLeavesTheChartAsItWas)
{
    SPrintChart p;
    const unsigned renders = p.chart.RenderCount();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, CancelPrintDialogs);
    p.chart.PrintWithDialog("Chart print test", nullptr);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(renders, p.chart.RenderCount());
    EXPECT_NE(nullptr, p.chart.fontPrintChart.GetSafeHandle());
    EXPECT_EQ(0, p.chart.szPrintDevice.cx);
}

TEST(ChartPrint, GivenDialogsPrinterPrintsTheChartAndKeepsItsDc)
{
    CPrintDialog dialog(FALSE);
    if (!dialog.GetDefaults() || !dialog.GetPrinterDC())
        GTEST_SKIP() << "no default printer";
    SPrintChart p;
    const unsigned renders = p.chart.RenderCount();
    p.chart.PrintWithDialog("Chart print test", &dialog);
    HDC printer = dialog.GetPrinterDC();
    ASSERT_NE(nullptr, printer);
    EXPECT_EQ(::GetDeviceCaps(printer, HORZRES), p.chart.szPrintDevice.cx);
    EXPECT_EQ(::GetDeviceCaps(printer, VERTRES), p.chart.szPrintDevice.cy);
    EXPECT_EQ(renders + 1, p.chart.RenderCount());  // FinishPrint lays the chart out for the screen again
    EXPECT_EQ(nullptr, p.chart.fontPrintChart.GetSafeHandle());
}

TEST(ChartPrint, SecondPrintOfOneChartDrawsInTheChartFontAgain)
{
    SPrintChart p;
    for (int pass = 0; pass < 2; ++pass)
    {
        CEmfRecording emf;
        p.chart.PrintToDC(emf.Dc(), "Twice");
        emf.Finish();
        ASSERT_GE(emf.fonts.size(), 2u) << "pass " << pass;
        EXPECT_EQ(-10, emf.fonts[1].lfHeight) << "pass " << pass;
    }
}
