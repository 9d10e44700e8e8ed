// Axis painting checked on the GDI records of an enhanced metafile and on memory-DC pixels:
// axis line, tick marks, tick-label positions, axis label and dashed grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AxisTestSupport.h"
#include "ChartTestSupport.h"
#include "chart/ChartAxisLabel.h"
#include "chart/ChartCtrl.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartGrid.h"
#include "chart/ChartLineSerie.h"
#include "chart/ChartStandardAxis.h"

namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF GREY = 0x808080;
const RECT PLOT = {40, 10, 500, 290};

// Wires an axis to a control the way placing it does, without creating windows.
void Place(CChartAxis& axis, CChartCtrl& ctrl, bool horizontal, bool secondary = false)
{
    axis.pCtrl = &ctrl;
    axis.pGrid->pCtrl = &ctrl;
    axis.pLabel->pCtrl = &ctrl;
    axis.bHorizontal = axis.pGrid->bHorizontal = axis.pLabel->bHorizontal = horizontal;
    axis.bSecondary = secondary;
    axis.pLabel->style.bRotated90 = !horizontal;
    axis.pLabel->style.bFontStale = true;
}

// Left axis of the worked example: rcAxis {0, 0, 40, 300}, span 290 (bottom) .. 10 (top),
// ticks 0, 14, 28 at y = 290, 150, 10.
void MakeLeftAxis(CChartStandardAxis& axis, CChartCtrl& ctrl)
{
    Place(axis, ctrl, false);
    axis.rcAxis = {0, 0, 40, 300};
    axis.nStartPixel = 290;
    axis.nEndPixel = 10;
    axis.dMin = 0;
    axis.dMax = 28;
    axis.SetFixedTickStep(14);
    axis.AlignFirstTick();
}

// Bottom axis of the worked example: rcAxis.top 290, span 100 .. 500 over 0 .. 400.
void MakeBottomAxis(CChartStandardAxis& axis, CChartCtrl& ctrl)
{
    Place(axis, ctrl, true);
    axis.rcAxis = {0, 290, 600, 330};
    axis.nStartPixel = 100;
    axis.nEndPixel = 500;
    axis.dMin = 0;
    axis.dMax = 400;
    axis.SetFixedTickStep(100);
    axis.AlignFirstTick();
}

using SLine = std::pair<POINT, POINT>;

bool HasLine(const std::vector<SLine>& lines, POINT from, POINT to)
{
    for (const SLine& line : lines)
        if (line.first.x == from.x && line.first.y == from.y && line.second.x == to.x && line.second.y == to.y)
            return true;
    return false;
}

const SEmfText* FindText(const CEmfRecording& emf, const std::string& text)
{
    for (const SEmfText& recorded : emf.texts)
        if (recorded.text == text)
            return &recorded;
    return nullptr;
}

std::vector<std::string> TextStrings(const CEmfRecording& emf)
{
    std::vector<std::string> strings;
    for (const SEmfText& text : emf.texts)
        strings.push_back(text.text);
    return strings;
}

SIZE Extent(int sizeTenths, const std::string& face, const std::string& text)
{
    CMemoryCanvas canvas(10, 10);
    CFont font;
    font.CreatePointFont(sizeTenths, face.c_str(), canvas.DC());
    HGDIOBJ old = ::SelectObject(canvas.DC()->GetSafeHdc(), font.GetSafeHandle());
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(canvas.DC()->GetSafeHdc(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(canvas.DC()->GetSafeHdc(), old);
    return size;
}

SIZE Extent(CChartAxis& axis, const std::string& text)
{
    return Extent(axis.nFontSizeTenths, axis.strFontFace, text);
}

}  // namespace

TEST(AxisPaint, LeftAxisDrawsLineTickMarksAndLeftAlignedLabels)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeLeftAxis(axis, ctrl);
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();

    EXPECT_TRUE(HasLine(emf.lines, {39, 290}, {39, 10}));
    for (int y : {290, 150, 10})
        EXPECT_TRUE(HasLine(emf.lines, {39, y}, {36, y})) << "tick mark at " << y;

    ASSERT_EQ((std::vector<std::string>{"0", "14", "28"}), TextStrings(emf));
    const SIZE ext = Extent(axis, "14");
    const int tickY[] = {290, 150, 10};
    for (size_t i = 0; i < emf.texts.size(); ++i) {
        EXPECT_EQ(4, emf.texts[i].at.x);   // empty axis label: 4 px right of rcAxis.left
        EXPECT_EQ(tickY[i] - ext.cy / 2, emf.texts[i].at.y);
    }

    // The axis pen in crLine, then the grid pen in the grid's colour.
    EXPECT_EQ((std::vector<COLORREF>{BLACK, GREY}), emf.penColors);
}

TEST(AxisPaint, BottomAxisCentresLabelsUnderTheirTicks)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeBottomAxis(axis, ctrl);
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();

    EXPECT_TRUE(HasLine(emf.lines, {100, 291}, {500, 291}));
    for (int x : {100, 200, 300, 400, 500})
        EXPECT_TRUE(HasLine(emf.lines, {x, 291}, {x, 294})) << "tick mark at " << x;

    ASSERT_EQ((std::vector<std::string>{"0", "100", "200", "300", "400"}), TextStrings(emf));
    for (const SEmfText& text : emf.texts) {
        const int tick = axis.ValueToPixel(std::stod(text.text));
        EXPECT_EQ(tick - Extent(axis, text.text).cx / 2, text.at.x) << text.text;
        EXPECT_EQ(295, text.at.y);
        EXPECT_EQ(static_cast<UINT>(ETO_OPAQUE | ETO_CLIPPED), text.options);
    }
}

TEST(AxisPaint, GridDashesAcrossThePlotAtEveryTick)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis left;
    MakeLeftAxis(left, ctrl);
    CChartStandardAxis bottom;
    MakeBottomAxis(bottom, ctrl);
    CEmfRecording emf;
    left.Paint(emf.Dc());
    bottom.Paint(emf.Dc());
    emf.Finish();

    EXPECT_EQ((std::list<int>{290, 150, 10}), left.pGrid->lstTickPixels);
    EXPECT_EQ((std::list<int>{100, 200, 300, 400, 500}), bottom.pGrid->lstTickPixels);

    // Rows: dashes start at x = 40, 46, ..., 496, each 3 pixels long (the tick mark lies left of 40).
    std::vector<SLine> row150;
    for (const SLine& line : emf.lines)
        if (line.first.y == 150 && line.second.y == 150 && line.first.x >= 40)
            row150.push_back(line);
    ASSERT_EQ(77u, row150.size());
    for (size_t i = 0; i < row150.size(); ++i) {
        EXPECT_EQ(40 + 6 * static_cast<int>(i), row150[i].first.x);
        EXPECT_EQ(row150[i].first.x + 3, row150[i].second.x);
    }
    // Columns: lower ends at y = 290, 284, ..., 14, each going 3 pixels up (the tick mark goes down).
    std::vector<SLine> column300;
    for (const SLine& line : emf.lines)
        if (line.first.x == 300 && line.second.x == 300 && line.second.y < line.first.y)
            column300.push_back(line);
    ASSERT_EQ(47u, column300.size());
    for (size_t i = 0; i < column300.size(); ++i) {
        EXPECT_EQ(290 - 6 * static_cast<int>(i), column300[i].first.y);
        EXPECT_EQ(column300[i].first.y - 3, column300[i].second.y);
    }
    EXPECT_EQ(14, column300.back().first.y);

    // Clipped to the plot, and the clip removed again, once per axis.
    ASSERT_EQ(2u, emf.clipRects.size());
    EXPECT_EQ(40, emf.clipRects[0].left);
    EXPECT_EQ(10, emf.clipRects[0].top);
    EXPECT_EQ(500, emf.clipRects[0].right);
    EXPECT_EQ(290, emf.clipRects[0].bottom);
    EXPECT_EQ(2, emf.clipResets);
}

TEST(AxisPaint, PixelsOfLineTicksAndGridOnAMemoryDC)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeLeftAxis(axis, ctrl);
    CMemoryCanvas canvas(600, 400);
    axis.Paint(canvas.DC());

    struct Case {
        int x, y;
        COLORREF color;
    } cases[] = {
        {39, 290, BLACK}, {39, 200, BLACK}, {39, 11, BLACK}, {38, 200, 0xFFFFFF},   // axis line
        {37, 150, BLACK}, {38, 150, BLACK}, {36, 150, 0xFFFFFF},                   // tick mark, end excluded
        {40, 150, GREY}, {42, 150, GREY}, {43, 150, 0xFFFFFF}, {45, 150, 0xFFFFFF}, // grid dashes
        {46, 150, GREY}, {496, 150, GREY}, {498, 150, GREY}, {499, 150, 0xFFFFFF},
        {40, 290, 0xFFFFFF},   // the bottom row lies outside the clip (plot bottom excluded)
        {40, 10, GREY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.color, canvas.Pixel(c.x, c.y)) << c.x << "," << c.y;
}

TEST(AxisPaint, TickOutsideTheSpanEntersOnlyTheGridList)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeBottomAxis(axis, ctrl);
    axis.dMin = 0.5;
    axis.dMax = 0.9;
    axis.SetFixedTickStep(1.0);
    axis.AlignFirstTick();   // first tick 1.0, beyond dMax: still painted
    axis.pGrid->bVisible = false;
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(emf.texts.empty());
    EXPECT_EQ(1u, emf.lines.size());   // the axis line only
    EXPECT_EQ(std::list<int>{600}, axis.pGrid->lstTickPixels);
}

TEST(AxisPaint, EmptyRangeShowsOneCentredLabelWithoutMarkOrGrid)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeBottomAxis(axis, ctrl);
    axis.dMin = axis.dMax = 7;
    axis.ChooseTickStep();
    axis.AlignFirstTick();
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();
    ASSERT_EQ(std::vector<std::string>{"7"}, TextStrings(emf));
    EXPECT_EQ(300 - Extent(axis, "7").cx / 2, emf.texts[0].at.x);
    EXPECT_EQ(1u, emf.lines.size());   // the axis line: no tick mark, no grid line
    EXPECT_TRUE(axis.pGrid->lstTickPixels.empty());
}

TEST(AxisPaint, HiddenGridStillRefillsItsPixelList)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeLeftAxis(axis, ctrl);
    axis.pGrid->bVisible = false;
    axis.pGrid->lstTickPixels = {1, 2};
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();
    EXPECT_EQ(4u, emf.lines.size());   // axis line and three tick marks
    EXPECT_EQ(std::vector<COLORREF>{BLACK}, emf.penColors);
    EXPECT_TRUE(emf.clipRects.empty());
    EXPECT_EQ((std::list<int>{290, 150, 10}), axis.pGrid->lstTickPixels);
}

TEST(AxisPaint, HiddenAxisOrMissingDCDrawsNothing)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeLeftAxis(axis, ctrl);
    axis.bVisible = false;
    CEmfRecording emf;
    axis.Paint(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(emf.lines.empty());
    EXPECT_TRUE(emf.texts.empty());
    axis.bVisible = true;
    axis.pGrid->lstTickPixels = {7};
    axis.Paint(nullptr);
    CDC noHandle;
    axis.Paint(&noHandle);
    axis.PaintTick(14, nullptr);
    axis.PaintTick(14, &noHandle);
    EXPECT_EQ(std::list<int>{7}, axis.pGrid->lstTickPixels);
}

TEST(AxisPaint, SecondaryAxesDrawOnTheFarSideOfThePlot)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis right;
    MakeLeftAxis(right, ctrl);
    Place(right, ctrl, false, true);
    right.rcAxis = {500, 0, 560, 300};
    CChartStandardAxis top;
    MakeBottomAxis(top, ctrl);
    Place(top, ctrl, true, true);
    top.rcAxis = {0, 0, 600, 10};

    CEmfRecording emf;
    right.Paint(emf.Dc());
    top.Paint(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(HasLine(emf.lines, {501, 290}, {501, 10}));
    EXPECT_TRUE(HasLine(emf.lines, {501, 150}, {504, 150}));
    EXPECT_TRUE(HasLine(emf.lines, {100, 9}, {500, 9}));
    EXPECT_TRUE(HasLine(emf.lines, {200, 9}, {200, 6}));

    const SEmfText* label14 = FindText(emf, "14");
    ASSERT_NE(nullptr, label14);
    EXPECT_EQ(506, label14->at.x);
    EXPECT_EQ(150 - Extent(right, "14").cy / 2, label14->at.y);
    const SEmfText* label200 = FindText(emf, "200");
    ASSERT_NE(nullptr, label200);
    const SIZE ext200 = Extent(top, "200");
    EXPECT_EQ(300 - ext200.cx / 2, label200->at.x);
    EXPECT_EQ(10 - ext200.cy - 5, label200->at.y);
}

TEST(AxisPaint, AxisLabelsSitBesideTheTickLabels)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis left;
    MakeLeftAxis(left, ctrl);
    left.pLabel->strText = "Temp";
    CChartStandardAxis bottom;
    MakeBottomAxis(bottom, ctrl);
    bottom.pLabel->strText = "Time";

    CMemoryCanvas canvas(10, 10);
    const SIZE leftLab = left.pLabel->Measure(canvas.DC());
    const SIZE bottomLab = bottom.pLabel->Measure(canvas.DC());
    const SIZE bottomExt = bottom.MaxTickLabelExtent(canvas.DC());
    ASSERT_GT(leftLab.cx, 4);
    EXPECT_GT(leftLab.cy, leftLab.cx);   // rotated: taller than wide

    CEmfRecording emf;
    left.Paint(emf.Dc());
    bottom.Paint(emf.Dc());
    emf.Finish();

    // Vertical label: at rcAxis.left, its rotated text starting below the middle of the span.
    const int leftMid = (290 + 10) / 2;
    EXPECT_EQ(0, left.pLabel->rcLabel.left);
    EXPECT_EQ(leftMid + leftLab.cy / 2, left.pLabel->rcLabel.top);
    EXPECT_EQ(leftLab.cx, left.pLabel->rcLabel.right);
    const SEmfText* temp = FindText(emf, "Temp");
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(2, temp->at.x);
    EXPECT_EQ(leftMid + leftLab.cy / 2, temp->at.y);
    EXPECT_EQ(static_cast<UINT>(ETO_CLIPPED), temp->options);
    // Tick labels move right by the label's width.
    const SEmfText* label14 = FindText(emf, "14");
    ASSERT_NE(nullptr, label14);
    EXPECT_EQ(leftLab.cx + 4, label14->at.x);

    // Horizontal label: centred under the span, below the tick labels.
    const SEmfText* time = FindText(emf, "Time");
    ASSERT_NE(nullptr, time);
    EXPECT_EQ(300 - bottomLab.cx / 2, time->at.x);
    EXPECT_EQ(290 + bottomExt.cy + 2 + 2, time->at.y);
}

TEST(AxisPaint, GraphPageAxesLabelTemperaturesAndFourHourTicks)
{
    // The graph page's chart: numeric axis on the left (-90 .. 30, step 5), date-time axis at
    // the bottom (one day of 144 ten-minute records, a tick every 240 minutes).
    CChartCtrl ctrl;
    CChartStandardAxis left;
    Place(left, ctrl, false);
    left.dMin = left.dHomeMin = -90;
    left.dMax = left.dHomeMax = 30;
    left.SetFixedTickStep(5.0);
    CChartDateTimeAxis bottom;
    Place(bottom, ctrl, true);
    bottom.dMin = bottom.dHomeMin = 46363.0;
    bottom.dMax = bottom.dHomeMax = 46363.0 + (1.0 - 10.0 / 1440.0);
    bottom.bAutoStep = false;
    bottom.eTickUnit = ChartTimeUnit::Minute;
    bottom.nUnitsPerTick = 240;
    bottom.bAutoFormat = false;
    bottom.strTickFormat = "%H:%M";

    // The control's two layout passes, left axis then bottom axis.
    const RECT area = {3, 3, 797, 497};
    CEmfRecording emf;
    RECT plot = area;
    for (CChartAxis* axis : {static_cast<CChartAxis*>(&left), static_cast<CChartAxis*>(&bottom)}) {
        axis->SetPixelSpan(area, plot);
        if (axis->bAutoStep)
            axis->ChooseTickStep();
        axis->AlignFirstTick();
        axis->ReserveMargin(area, &plot, emf.Dc());
    }
    ctrl.rcPlot = plot;
    for (CChartAxis* axis : {static_cast<CChartAxis*>(&left), static_cast<CChartAxis*>(&bottom)}) {
        axis->SetPixelSpan(area, plot);
        axis->AlignFirstTick();
        axis->Paint(emf.Dc());
    }
    emf.Finish();

    std::vector<std::string> expected;
    for (int t = -90; t <= 30; t += 5)
        expected.push_back(std::to_string(t));
    for (const char* time : {"00:00", "04:00", "08:00", "12:00", "16:00", "20:00"})
        expected.push_back(time);
    EXPECT_EQ(expected, TextStrings(emf));

    EXPECT_EQ(plot.bottom, left.nStartPixel);
    EXPECT_EQ(plot.top, left.nEndPixel);
    EXPECT_EQ(plot.left, bottom.nStartPixel);
    EXPECT_EQ(plot.right, bottom.nEndPixel);
    // Temperature labels are left-aligned; the widest ("-90") ends 6 px before the plot.
    EXPECT_EQ(area.left + 4, FindText(emf, "-90")->at.x);
    EXPECT_EQ(plot.left - 6, area.left + 4 + Extent(left, "-90").cx);
    // Time labels are centred under their ticks, the first at the plot's left edge.
    const SEmfText* midnight = FindText(emf, "00:00");
    ASSERT_NE(nullptr, midnight);
    EXPECT_EQ(plot.left - Extent(bottom, "00:00").cx / 2, midnight->at.x);
    EXPECT_EQ(plot.bottom + 5, midnight->at.y);
    const SEmfText* noon = FindText(emf, "12:00");
    ASSERT_NE(nullptr, noon);
    EXPECT_EQ(bottom.ValueToPixel(46363.5) - Extent(bottom, "12:00").cx / 2, noon->at.x);
}

TEST(AxisPaint, GraphPageChartLaysOutBothAxesInTheControl)
{
    // Built as the graph page builds its chart, with one day of 144 ten-minute records.
    CChartCtrl chart;
    ASSERT_TRUE(chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, {0, 0, 800, 500},
                             &TestHost(), 100));
    chart.crBackground = 0xFFFFFF;
    auto* left = new CChartStandardAxis();
    chart.PlaceAxis(left, ChartAxisSide::Left);
    CChartDateTimeAxis* bottom = chart.AddTimeAxis();
    left->dMin = left->dHomeMin = -90;
    left->dMax = left->dHomeMax = 30;
    left->SyncScrollBar();
    chart.Redraw();
    left->SetFixedTickStep(5.0);
    const double day = 46363.0;
    bottom->dMin = bottom->dHomeMin = day;
    bottom->dMax = bottom->dHomeMax = day + (1.0 - 10.0 / 1440.0);
    bottom->SyncScrollBar();
    chart.Redraw();
    bottom->bAutoStep = false;
    bottom->eTickUnit = ChartTimeUnit::Minute;
    bottom->nUnitsPerTick = 240;
    bottom->bAutoFormat = false;
    bottom->strTickFormat = "%H:%M";
    chart.Redraw();
    auto* serie = new CChartLineSerie(&chart);
    serie->nPenWidth = 1;
    serie->nPenStyle = 0;
    serie->bCurved = false;
    chart.InsertSeries(serie);
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 0; i < 144; ++i) {
        x.push_back(day + i * 10 / 1440.0);
        y.push_back(-80.0 + (i % 7));
    }
    serie->ReplacePoints(x.data(), y.data(), 144);
    chart.Redraw();

    EXPECT_EQ(day, bottom->dMin);
    EXPECT_EQ("23:50", bottom->FormatTickText(bottom->dMax));
    EXPECT_EQ(5.0, left->dTickStep);
    EXPECT_EQ(-90.0, left->dTickStart);
    EXPECT_EQ(day, bottom->dTickStart);

    CEmfRecording emf;
    chart.RenderChart(emf.Dc(), {3, 3, 797, 497});
    emf.Finish();
    std::vector<std::string> expected;
    for (int t = -90; t <= 30; t += 5)
        expected.push_back(std::to_string(t));
    for (const char* time : {"00:00", "04:00", "08:00", "12:00", "16:00", "20:00"})
        expected.push_back(time);
    EXPECT_EQ(expected, TextStrings(emf));
    // Grid: one dashed row per temperature tick, one dashed column per time tick.
    EXPECT_EQ(25u, left->pGrid->lstTickPixels.size());
    EXPECT_EQ(6u, bottom->pGrid->lstTickPixels.size());
    EXPECT_EQ(chart.rcPlot.left, bottom->pGrid->lstTickPixels.front());
}

TEST(AxisPaint, PaintLeavesTheDeviceContextAsItFoundIt)
{
    CChartCtrl ctrl;
    ctrl.rcPlot = PLOT;
    CChartStandardAxis axis;
    MakeLeftAxis(axis, ctrl);
    axis.pLabel->strText = "Temp";
    CMemoryCanvas canvas(600, 400);
    HDC hdc = canvas.DC()->GetSafeHdc();
    ::SetTextColor(hdc, RGB(1, 2, 3));
    ::SetBkMode(hdc, OPAQUE);
    const HGDIOBJ pen = ::GetCurrentObject(hdc, OBJ_PEN);
    const HGDIOBJ font = ::GetCurrentObject(hdc, OBJ_FONT);
    axis.Paint(canvas.DC());
    axis.Paint(canvas.DC());
    EXPECT_EQ(pen, ::GetCurrentObject(hdc, OBJ_PEN));
    EXPECT_EQ(font, ::GetCurrentObject(hdc, OBJ_FONT));
    EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hdc));
    EXPECT_EQ(OPAQUE, ::GetBkMode(hdc));
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(hdc, clip));   // no clip region left behind
    ::DeleteObject(clip);
    EXPECT_EQ(nullptr, axis.pLabel->style.pOldFont);
}

TEST(AxisPaint, AxisLabelMeasuresItsTextWithRoomAroundIt)
{
    CMemoryCanvas canvas(10, 10);
    // The text measured in the label's default font (10-point Microsoft Sans Serif), plus 4 pixels each way.
    const SIZE text = Extent(100, "Microsoft Sans Serif", "Temperature");
    ASSERT_GT(text.cx, 0);
    const SIZE horizontal = {text.cx + 4, text.cy + 4};

    struct Case {
        bool visible;
        bool withDC;
        const char* text;
        bool rotated;
        SIZE size;
    } cases[] = {
        {true, true, "Temperature", false, horizontal},
        {true, true, "Temperature", true, {horizontal.cy, horizontal.cx}},   // rotated: swapped
        {true, true, "", false, {0, 0}},
        {false, true, "Temperature", false, {0, 0}},
        {true, false, "Temperature", false, {0, 0}},
    };
    for (const Case& c : cases) {
        CChartAxisLabel label;
        label.bVisible = c.visible;
        label.strText = c.text;
        label.bHorizontal = !c.rotated;
        label.style.bRotated90 = c.rotated;
        const SIZE size = label.Measure(c.withDC ? canvas.DC() : nullptr);
        EXPECT_EQ(c.size.cx, size.cx) << c.text << " rotated " << c.rotated;
        EXPECT_EQ(c.size.cy, size.cy) << c.text << " rotated " << c.rotated;
    }
}
