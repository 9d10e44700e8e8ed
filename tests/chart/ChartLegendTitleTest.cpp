// Legend and title: sizes, placement and what they draw.
#include "ChartTestSupport.h"

#include "chart/ChartLegend.h"
#include "chart/ChartTextStyle.h"
#include "chart/ChartTitle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// Extent of a text in the legend's default names font.
SIZE LegendNameExtent(CDC& dc, const std::string& text)
{
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "Times New Roman");
    lf.lfHeight = 100;
    CFont font;
    font.CreatePointFontIndirect(&lf, &dc);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), font.GetSafeHandle());
    SIZE size;
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc.GetSafeHdc(), old);
    return size;
}

CChartLineSerie* AddSeries(CChartCtrl& chart, const char* name, bool visible = true)
{
    CChartLineSerie* serie = new CChartLineSerie(&chart);
    serie->strName = name;
    serie->bVisible = visible;
    chart.InsertSeries(serie);
    return serie;
}

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}
}

TEST(ChartLegend, HiddenLegendIsEmptyAndCreatesNoFont)
{
    CChartCtrl chart;
    AddSeries(chart, "Temp");
    CEmfRecording emf;
    SetRect(&chart.pLegendBox->rcLegend, 1, 2, 3, 4);
    chart.pLegendBox->Layout(emf.Dc(), {0, 0, 500, 400});
    chart.pLegendBox->Paint(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(IsRectEmpty(&chart.pLegendBox->rcLegend));
    EXPECT_TRUE(emf.fonts.empty());
    EXPECT_TRUE(emf.texts.empty());
}

TEST(ChartLegend, NoNamedVisibleSeriesGivesAnEmptyLegend)
{
    CChartCtrl chart;
    AddSeries(chart, "");
    AddSeries(chart, "Hidden", false);
    chart.pLegendBox->bVisible = true;
    SMemoryDc m;
    chart.pLegendBox->Layout(&m.dc, {0, 0, 500, 400});
    EXPECT_TRUE(IsRectEmpty(&chart.pLegendBox->rcLegend));
}

TEST(ChartLegend, BoxSizeAndPlacementFollowTheEntries)
{
    SMemoryDc m;
    const RECT area = {10, 20, 510, 420};
    const SIZE a = LegendNameExtent(m.dc, "Alpha");
    const SIZE b = LegendNameExtent(m.dc, "Bravo wide");
    const int columnWidth = 16 + std::max(a.cx, b.cx) + 12;
    const int columnHeight = (std::max<int>(a.cy, 16) + 2) + (std::max<int>(b.cy, 16) + 2) + 6;
    const int rowWidth = (16 + a.cx + 14) + (16 + b.cx + 14) - 6;
    const int rowHeight = std::max<int>(16, std::max(a.cy, b.cy)) + 8;
    struct
    {
        bool docked;
        ChartLegendSide side;
        bool horizontal;
        RECT expected;
    } cases[] = {
        {true, ChartLegendSide::Right, false,
         {504 - columnWidth, 220 - (columnHeight + 2) / 2, 504, 220 - (columnHeight + 2) / 2 + columnHeight}},
        {true, ChartLegendSide::Left, false,
         {13, 220 - (columnHeight + 2) / 2, 13 + columnWidth, 220 - (columnHeight + 2) / 2 + columnHeight}},
        {true, ChartLegendSide::Top, true, {260 - rowWidth / 2, 23, 260 - rowWidth / 2 + rowWidth, 23 + rowHeight}},
        {true, ChartLegendSide::Bottom, true,
         {260 - rowWidth / 2, 418 - rowHeight, 260 - rowWidth / 2 + rowWidth, 418}},
        {false, ChartLegendSide::Right, false, {40, 50, 40 + columnWidth, 50 + columnHeight + 2}},
        {true, static_cast<ChartLegendSide>(9), false, {0, 0, 0, 0}},
    };
    for (const auto& c : cases)
    {
        CChartCtrl chart;
        AddSeries(chart, "Alpha");
        AddSeries(chart, "");
        AddSeries(chart, "Bravo wide");
        CChartLegend& legend = *chart.pLegendBox;
        legend.bVisible = true;
        legend.bAttachedToSide = c.docked;
        legend.eSide = c.side;
        legend.bHorizontal = c.horizontal;
        legend.nLeft = 40;
        legend.nTop = 50;
        legend.Layout(&m.dc, area);
        const RECT& r = legend.rcLegend;
        EXPECT_EQ(c.expected.left, r.left) << static_cast<int>(c.side) << " docked " << c.docked;
        EXPECT_EQ(c.expected.top, r.top) << static_cast<int>(c.side) << " docked " << c.docked;
        EXPECT_EQ(c.expected.right, r.right) << static_cast<int>(c.side) << " docked " << c.docked;
        EXPECT_EQ(c.expected.bottom, r.bottom) << static_cast<int>(c.side) << " docked " << c.docked;
    }
}

TEST(ChartLegend, OneNamedSeriesInAColumn)
{
    SMemoryDc m;
    CChartCtrl chart;
    AddSeries(chart, "Temp");
    CChartLegend& legend = *chart.pLegendBox;
    legend.bVisible = true;
    legend.bDropShadow = false;
    legend.Layout(&m.dc, {0, 0, 600, 400});
    const SIZE name = LegendNameExtent(m.dc, "Temp");
    EXPECT_EQ(16 + name.cx + 12, Width(legend.rcLegend));
    EXPECT_EQ(std::max<int>(name.cy, 16) + 2 + 6, Height(legend.rcLegend));

    CEmfRecording emf;
    legend.Paint(emf.Dc());
    emf.Finish();
    ASSERT_EQ(1u, emf.texts.size());
    const RECT& box = legend.rcLegend;
    EXPECT_EQ(box.left + 22, emf.texts[0].at.x);
    const int keyTop = box.top + 5;
    const int keyBottom = box.top + 6 + 16;
    EXPECT_EQ((keyTop + keyBottom) / 2 - name.cy / 2, emf.texts[0].at.y);
    // Frame (4 lines) then the key across the key rectangle's middle.
    ASSERT_EQ(5u, emf.lines.size());
    EXPECT_EQ(box.left, emf.lines[0].first.x);
    EXPECT_EQ(box.top, emf.lines[0].first.y);
    EXPECT_EQ(box.left + 2, emf.lines[4].first.x);
    EXPECT_EQ(box.left + 18, emf.lines[4].second.x);
    EXPECT_EQ((keyTop + keyBottom) / 2, emf.lines[4].first.y);
}

TEST(ChartLegend, NameTallerThanTheKeyCentresTheKeyOnTheName)
{
    SMemoryDc m;
    CChartCtrl chart;
    AddSeries(chart, "One");
    AddSeries(chart, "Two");
    CChartLegend& legend = *chart.pLegendBox;
    legend.bVisible = true;
    legend.nKeyHeight = 4;
    legend.Layout(&m.dc, {0, 0, 600, 400});
    const SIZE one = LegendNameExtent(m.dc, "One");
    ASSERT_GT(one.cy, 4);
    CEmfRecording emf;
    legend.Paint(emf.Dc());
    emf.Finish();
    const RECT& box = legend.rcLegend;
    const int rowTop = box.top + 5;
    ASSERT_EQ(2u, emf.texts.size());
    EXPECT_EQ(rowTop, emf.texts[0].at.y);
    EXPECT_EQ(rowTop + one.cy + 2, emf.texts[1].at.y);
    const int keyHeight = (box.top + 6 + 4) - rowTop;
    const int keyTop = rowTop + one.cy / 2 - keyHeight / 2;
    EXPECT_EQ((keyTop + keyTop + keyHeight) / 2, emf.lines[4].first.y);
}

TEST(ChartLegend, ShadowAndBackgroundAreFilledBeforeTheFrame)
{
    CChartCtrl chart;
    AddSeries(chart, "Temp");
    CChartLegend& legend = *chart.pLegendBox;
    legend.bVisible = true;
    legend.crShadow = 0x404040;
    SMemoryDc m;
    legend.Layout(&m.dc, {0, 0, 600, 400});
    CEmfRecording emf;
    legend.Paint(emf.Dc());
    emf.Finish();
    // Shadow brush, then background brush, then the frame's lines.
    const auto first = std::find(emf.types.begin(), emf.types.end(), static_cast<DWORD>(EMR_LINETO));
    EXPECT_EQ(2, std::count(emf.types.begin(), first, static_cast<DWORD>(EMR_CREATEBRUSHINDIRECT)));
    legend.bTransparent = true;
    legend.bDropShadow = false;
    CEmfRecording bare;
    legend.Paint(bare.Dc());
    bare.Finish();
    EXPECT_EQ(0u, bare.Count(EMR_CREATEBRUSHINDIRECT));
}

TEST(ChartTitle, TitleWithoutLinesOrHiddenMeasuresNothingAndDrawsNothing)
{
    CChartCtrl chart;
    CChartTitle& title = *chart.pTitleBlock;
    CEmfRecording emf;
    EXPECT_EQ(CSize(0, 0), title.Measure(emf.Dc()));
    title.Paint(emf.Dc());
    title.vecLines.push_back("Line");
    title.bVisible = false;
    EXPECT_EQ(CSize(0, 0), title.Measure(emf.Dc()));
    title.Paint(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(emf.texts.empty());
}

TEST(ChartTitle, StyledLineIsMeasuredAndDrawnInItsOwnStyleEachCentred)
{
    SMemoryDc m;
    CChartCtrl chart;
    CChartTitle& title = *chart.pTitleBlock;
    title.vecLines = {"Cold room", "Week 49"};
    title.mapLineStyles[1].nSizeTenths = 240;
    SetRect(&title.rcTitle, 100, 10, 501, 10);

    auto extent = [&](CChartTextStyle& style, const char* text) {
        style.SelectInto(&m.dc);
        SIZE size;
        ::GetTextExtentPoint32A(m.dc.GetSafeHdc(), text, lstrlenA(text), &size);
        m.dc.SelectObject(style.pOldFont);
        style.pOldFont = nullptr;
        return size;
    };
    CChartTextStyle plain;
    CChartTextStyle big;
    big.nSizeTenths = 240;
    const SIZE first = extent(plain, "Cold room");
    const SIZE second = extent(big, "Week 49");
    ASSERT_GT(second.cy, first.cy);

    const HGDIOBJ dcFont = ::GetCurrentObject(m.dc.GetSafeHdc(), OBJ_FONT);
    const CSize measured = title.Measure(&m.dc);
    title.Paint(&m.dc);
    // Every style gives the context its font back.
    EXPECT_EQ(dcFont, ::GetCurrentObject(m.dc.GetSafeHdc(), OBJ_FONT));
    EXPECT_EQ(nullptr, title.style.pOldFont);
    EXPECT_EQ(nullptr, title.mapLineStyles[1].pOldFont);
    EXPECT_EQ(std::max(first.cx, second.cx) + 2, measured.cx);
    EXPECT_EQ(4 + first.cy + 2 + second.cy + 2, measured.cy);
    EXPECT_EQ(10 + measured.cy, title.rcTitle.bottom);

    CEmfRecording emf;
    title.Paint(emf.Dc());
    emf.Finish();
    ASSERT_EQ(2u, emf.texts.size());
    EXPECT_EQ(100 + 200 - first.cx / 2, emf.texts[0].at.x);
    EXPECT_EQ(14, emf.texts[0].at.y);
    EXPECT_EQ(100 + 200 - second.cx / 2, emf.texts[1].at.x);
    EXPECT_EQ(14 + first.cy + 2, emf.texts[1].at.y);
}
