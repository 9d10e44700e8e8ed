// The radar's printed page drawn onto a bitmap standing in for the printer: title, dates, start
// marker, rings and trace where the page layout puts them; and onto a metafile for the fonts of
// its texts.
#include "MetafileTexts.h"
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace
{
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGrey = RGB(127, 127, 127);

RECT Around(POINT at, int reach)
{
    return RECT{at.x - reach, at.y - reach, at.x + reach + 1, at.y + reach + 1};
}

void FillWeekAt(CRadarChartGraphWnd& graph, float value)
{
    graph.m_nCount = RADAR_MINUTES;
    for (int i = 0; i < RADAR_MINUTES; ++i)
    {
        graph.m_pAngles[RADAR_MINUTES - 1 - i] = (360.0 * i / RADAR_MINUTES + 90) * 0.017453292519943295;
        graph.m_pValues[i] = i < 1440 ? value : RADAR_NO_VALUE;  // the first day only
    }
}

// The code page that Windows reads the bytes of an ANSI text call with, given the character set
// of the font selected (Wine reads them as the system's code page whatever the font).
UINT CodePageOf(BYTE charSet)
{
    if (charSet == DEFAULT_CHARSET)
        return ::GetACP();
    CHARSETINFO info = {};
    const BOOL known = ::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<DWORD_PTR>(charSet)), &info,
                                              TCI_SRCCHARSET);
    return known ? info.ciACP : 0;
}
}  // namespace

TEST(RadarPrintPage, TitleDatesMarkerRingsAndTraceWhereTheLayoutPutsThem)
{
    EnsureViewPrerequisites();
    CRadarChartGraphWnd graph;
    graph.m_strKindName = "VANTORI FREEZER";
    graph.m_strStart = "2023-05-15";
    graph.m_strEnd = "2023-05-21";
    graph.SetScaleForKind(2);
    FillWeekAt(graph, -25.0f);

    // A memory context reports the screen's size and resolution: a small "printer".
    CDC probe;
    probe.CreateCompatibleDC(nullptr);
    const int horzRes = probe.GetDeviceCaps(HORZRES);
    const int vertRes = probe.GetDeviceCaps(VERTRES);
    const int dpi = probe.GetDeviceCaps(LOGPIXELSY);
    DibPixels page(horzRes, vertRes);
    page.Dc().FillSolidRect(CRect(0, 0, horzRes, vertRes), RGB(255, 255, 255));
    graph.PrintPage(&page.Dc(), 300.0 / dpi);
    EXPECT_EQ(Gdiplus::Ok, graph.m_lastGdiplusStatus);

    const SRadarPrintLayout l = ComputePrintLayout(horzRes, vertRes);
    EXPECT_GT(page.CountColour(kBlack, l.rcTitle), 0);
    EXPECT_GT(page.CountColour(kBlack, l.rcDate), 0);
    // Nothing above the title: the top two twentieths stay blank.
    EXPECT_EQ(0, page.CountColour(kBlack, RECT{0, 0, horzRes, 2 * l.u}));
    // The start marker is centred over the 12 o'clock spoke just above ring 11.
    const RECT marker = {l.cx - 4 * l.nRingStep, l.cy - 12 * l.nRingStep + l.u / 10, l.cx + 4 * l.nRingStep,
                         l.cy - 11 * l.nRingStep};
    EXPECT_GT(page.CountColour(kBlack, marker), 0);
    // Ring 11 right of the centre, and the trace of -25 on the freezer scale at ring 6 on day one.
    EXPECT_GT(page.CountColour(kGrey, Around(POINT{l.cx + 11 * l.nRingStep, l.cy}, 1)), 0);
    const float radius = TraceRadius(-25.0f, 0, 5, static_cast<float>(l.nRingStep) / 5.0f);
    EXPECT_FLOAT_EQ(6.0f * l.nRingStep, radius);
    const POINT noon = TracePoint(l.cx, l.cy, graph.m_pAngles[720], radius);
    EXPECT_GT(page.CountColour(kRed, Around(noon, 1)), 0);
    const POINT thursday = TracePoint(l.cx, l.cy, graph.m_pAngles[5000], radius);
    EXPECT_EQ(0, page.CountColour(kRed, Around(thursday, 2)));
}

TEST(RadarPrintPage, StartMarkersArrowIsDrawnInAFontThatReadsCodePage949)
{
    EnsureViewPrerequisites();
    CRadarChartGraphWnd graph;
    graph.m_strStart = "2023-05-15";
    const std::vector<MetafileText> texts = RecordTexts([&](CDC& dc) { graph.PrintPage(&dc, 1.0); });
    int markers = 0;
    for (const MetafileText& t : texts)
    {
        if (std::all_of(t.text.begin(), t.text.end(), [](char c) { return (c & 0x80) == 0; }))
            continue;
        EXPECT_EQ(949u, CodePageOf(t.charSet)) << "character set " << int(t.charSet);
        markers += t.text == "2023-05-15 →" ? 1 : 0;
    }
    EXPECT_EQ(1, markers);
}

TEST(RadarPrintPage, AScaleThatIsNoResolutionFallsBackToTheDevicesOwn)
{
    EnsureViewPrerequisites();
    CRadarChartGraphWnd graph;
    FillWeekAt(graph, -50.0f);
    CDC probe;
    probe.CreateCompatibleDC(nullptr);
    const int horzRes = probe.GetDeviceCaps(HORZRES);
    const int vertRes = probe.GetDeviceCaps(VERTRES);
    const SRadarPrintLayout l = ComputePrintLayout(horzRes, vertRes);
    const float radius = TraceRadius(-50.0f, 0, 10, static_cast<float>(l.nRingStep) / 10.0f);
    const POINT noon = TracePoint(l.cx, l.cy, graph.m_pAngles[720], radius);
    // A draft-quality code (negative), zero and not-a-number all draw as at the device's resolution.
    for (double scale : {300.0 / DMRES_DRAFT, 0.0, std::numeric_limits<double>::quiet_NaN()})
    {
        DibPixels page(horzRes, vertRes);
        page.Dc().FillSolidRect(CRect(0, 0, horzRes, vertRes), RGB(255, 255, 255));
        graph.PrintPage(&page.Dc(), scale);
        EXPECT_GT(page.CountColour(kRed, Around(noon, 1)), 0) << scale;
    }
}

TEST(RadarPrintPage, PrintsOnePageOnARealPrinterWithoutGdiplusFailures)
{
    EnsureViewPrerequisites();
    char printer[256] = {};
    DWORD size = sizeof(printer);
    if (!::GetDefaultPrinterA(printer, &size))
        GTEST_SKIP() << "no default printer";
    CDC dc;
    ASSERT_TRUE(dc.CreateDC(nullptr, printer, nullptr, nullptr));
    dc.m_bPrinting = TRUE;
    CRadarChartGraphWnd graph;
    graph.m_strKindName = "ULT-FREEZER";
    graph.m_strStart = "2023-05-15";
    graph.m_strEnd = "2023-05-21";
    graph.m_nCount = RADAR_MINUTES;
    for (int i = 0; i < RADAR_MINUTES; ++i)
    {
        graph.m_pAngles[RADAR_MINUTES - 1 - i] = (360.0 * i / RADAR_MINUTES + 90) * 0.017453292519943295;
        graph.m_pValues[i] = -80.0f + 10.0f * static_cast<float>(i % 1440) / 1440.0f;
    }
    ASSERT_GT(dc.StartDoc("KelvoroChart"), 0);
    graph.PrintPage(&dc, 300.0 / dc.GetDeviceCaps(LOGPIXELSY));
    EXPECT_GT(dc.EndDoc(), 0);
    EXPECT_EQ(Gdiplus::Ok, graph.m_lastGdiplusStatus);
}
