// Axis base: range, value/pixel mapping, range fitting, zoom, pan, scroll and layout.
#include "chart/ChartAxis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "chart/ChartAxisLabel.h"
#include "chart/ChartCtrl.h"
#include "chart/ChartGdiGuards.h"
#include "chart/ChartGrid.h"
#include "chart/ChartScrollBar.h"
#include "chart/ChartSerie.h"

namespace
{

// Far outside any device surface, yet safe to convert and to add a span to.
constexpr double PIXEL_LIMIT = 1 << 28;

int ToPixelOffset(double offset)
{
    if (std::isnan(offset))
        return 0;
    return static_cast<int>(std::clamp(offset, -PIXEL_LIMIT, PIXEL_LIMIT));
}

int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

}  // namespace

CChartAxis::CChartAxis() : pGrid(new CChartGrid), pLabel(new CChartAxisLabel) {}

CChartAxis::~CChartAxis()
{
    delete pGrid;
    delete pLabel;
    delete pAxisScrollBar;
}

void CChartAxis::SetBinned(bool b)
{
    bBinned = b;
    if (pCtrl)
        pCtrl->Redraw();
}

int CChartAxis::SpanLength() const
{
    return std::abs(nEndPixel - nStartPixel);
}

int CChartAxis::ValueToPixel(double value) const
{
    const int offset = ToPixelOffset(std::floor(SpanLength() * (value - dMin) / (dMax - dMin)));
    if (bHorizontal)
        return bInverted ? nEndPixel - offset : nStartPixel + offset;
    return bInverted ? nEndPixel + offset : nStartPixel - offset;
}

double CChartAxis::PixelToValue(int pixel) const
{
    // A span of no pixels has no scale: every pixel reads as the minimum.
    if (dMin == dMax || SpanLength() == 0)
        return dMin;
    int distance;
    if (bHorizontal)
        distance = bInverted ? nEndPixel - pixel : pixel - nStartPixel;
    else
        distance = bInverted ? pixel - nEndPixel : nStartPixel - pixel;
    return static_cast<double>(distance) / SpanLength() * (dMax - dMin) + dMin;
}

int CChartAxis::MiddlePixel() const
{
    const int half = static_cast<int>(std::fabs((nEndPixel - nStartPixel) * 0.5));
    return bHorizontal ? nStartPixel + half : nStartPixel - half;
}

int CChartAxis::LabelPixel(double value) const
{
    if (dMin == dMax)
        return MiddlePixel();
    return bBinned ? BinMidPixel(value) : ValueToPixel(value);
}

bool CChartAxis::IsPixelInSpan(int pixel) const
{
    if (bHorizontal)
        return nStartPixel <= pixel && pixel <= nEndPixel;
    return nEndPixel <= pixel && pixel <= nStartPixel;
}

bool CChartAxis::IsLabelInside(double value) const
{
    return IsPixelInSpan(LabelPixel(value));
}

std::vector<double> CChartAxis::TickValues() const
{
    std::vector<double> ticks;
    if (dMin == dMax)
    {
        ticks.push_back(dMin);
        return ticks;
    }
    double tick = FirstTick();
    ticks.push_back(tick);
    double next = tick;
    // TickAfter refuses a step that does not move forward in its axis's own order (OLE dates
    // before 1899-12-30 run backwards within a day), so a step lost in rounding ends the walk.
    while (TickAfter(tick, next))
    {
        ticks.push_back(next);
        tick = next;
    }
    return ticks;
}

void CChartAxis::SetPixelSpan(const RECT& area, const RECT& plot)
{
    rcAxis = area;
    if (bHorizontal)
    {
        nStartPixel = plot.left;
        nEndPixel = plot.right;
        if (bSecondary)
            rcAxis.bottom = plot.top;
        else
            rcAxis.top = plot.bottom;
    }
    else
    {
        nStartPixel = plot.bottom;
        nEndPixel = plot.top;
        if (bSecondary)
            rcAxis.left = plot.right;
        else
            rcAxis.right = plot.left;
    }
}

int CChartAxis::ReserveMargin(const RECT& area, RECT* plot, CDC* dc)
{
    if (!bVisible)
        return 0;
    const SIZE ext = MaxTickLabelExtent(dc);
    const SIZE lab = pLabel->Measure(dc);
    if (bHorizontal)
    {
        if (bRecalcMargin)
            nMargin = ext.cy + lab.cy + 6;
        if (bSecondary)
            plot->top = std::max<LONG>(plot->top, area.top + nMargin);
        else
            plot->bottom = std::min<LONG>(plot->bottom, area.bottom - nMargin);
        // Room for the last tick label, centred on the right end.
        plot->right = std::min<LONG>(plot->right, area.right - ext.cx / 2 - 3);
    }
    else
    {
        if (bRecalcMargin)
            nMargin = ext.cx + lab.cx + 10;
        // Room for the top tick label, centred on the top end.
        plot->top = std::max<LONG>(plot->top, area.top + ext.cy / 2 + 3);
        if (bSecondary)
            plot->right = std::min<LONG>(plot->right, area.right - nMargin);
        else
            plot->left = std::max<LONG>(plot->left, area.left + nMargin);
    }
    return nMargin;
}

void CChartAxis::DockScrollBar()
{
    if (!pAxisScrollBar || !pAxisScrollBar->m_hWnd || !pCtrl)
        return;
    // The plot of a control without a client area is empty: the bar then gets no length.
    const RECT& plot = pCtrl->rcPlot;
    RECT bar;
    pAxisScrollBar->GetWindowRect(&bar);
    if (bHorizontal)
    {
        const int thickness = bar.bottom - bar.top;
        const int y = bSecondary ? plot.top + 1 : plot.bottom - thickness;
        pAxisScrollBar->MoveWindow(plot.left + 1, y, std::max(0L, plot.right - (plot.left + 1)), thickness, TRUE);
    }
    else
    {
        const int thickness = bar.right - bar.left;
        const int x = bSecondary ? plot.right - thickness : plot.left + 1;
        pAxisScrollBar->MoveWindow(x, plot.top + 1, thickness, std::max(0L, plot.bottom - (plot.top + 1)), TRUE);
    }
}

void CChartAxis::LinkSeries(CChartSerie* series)
{
    if (std::find(lstLinkedSeries.begin(), lstLinkedSeries.end(), series) == lstLinkedSeries.end())
        lstLinkedSeries.push_back(series);
}

void CChartAxis::UnlinkSeries(CChartSerie* series)
{
    const auto it = std::find(lstLinkedSeries.begin(), lstLinkedSeries.end(), series);
    if (it != lstLinkedSeries.end())
        lstLinkedSeries.erase(it);
}

// Only series that report bounds take part: a hidden or empty series must not pull
// the range towards 0.
void CChartAxis::LinkedSeriesBounds(bool visiblePointsOnly, double& min, double& max) const
{
    min = 0.0;
    max = 0.0;
    bool any = false;
    for (CChartSerie* series : lstLinkedSeries)
    {
        double sMin = 0.0;
        double sMax = 0.0;
        bool reported;
        if (visiblePointsOnly)
            reported = bHorizontal ? series->XBoundsVisible(sMin, sMax) : series->YBoundsVisible(sMin, sMax);
        else
            reported = bHorizontal ? series->XBounds(sMin, sMax) : series->YBounds(sMin, sMax);
        if (!reported)
            continue;
        if (!any || sMin < min)
            min = sMin;
        if (!any || sMax > max)
            max = sMax;
        any = true;
    }
}

void CChartAxis::SeriesBounds(double& min, double& max) const
{
    LinkedSeriesBounds(false, min, max);
}

void CChartAxis::FitRangeToSeries()
{
    SyncScrollBar();
    if (eRangeMode == ChartRangeMode::Fixed)
        return;
    double min = 0.0;
    double max = 0.0;
    LinkedSeriesBounds(eRangeMode == ChartRangeMode::VisiblePoints, min, max);
    if (max == dMax && min == dMin)
        return;
    dMin = dHomeMin = min;
    dMax = dHomeMax = max;
    SyncScrollBar();
    if (pCtrl)
        pCtrl->Redraw();
}

void CChartAxis::ZoomTo(double newMin, double newMax)
{
    if (!bZoomAllowed || dMin == dMax)
        return;
    dMin = newMin;
    // Also catches a maximum below the minimum.
    dMax = (newMax - newMin < dMinZoomSpan) ? newMin + dMinZoomSpan : newMax;
    SyncScrollBar();
}

void CChartAxis::PanByPixels(int fromPixel, int toPixel)
{
    const double delta = PixelToValue(fromPixel) - PixelToValue(toPixel);
    ZoomTo(dMin + delta, dMax + delta);
}

void CChartAxis::RestoreHomeRange()
{
    dMin = dHomeMin;
    dMax = dHomeMax;
    SyncScrollBar();
    if (pCtrl)
        pCtrl->Redraw();
}

void CChartAxis::ScrollSteps(int& steps, int& position) const
{
    double sMin = 0.0;
    double sMax = 0.0;
    SeriesBounds(sMin, sMax);
    const double span = dMax - dMin;
    const double sSpan = sMax - sMin;
    if (span == 0.0 || sSpan == 0.0)
    {
        steps = 1;
        position = 1;
        return;
    }
    steps = ClampToInt(std::ceil(sSpan / (span / 10.0)));
    position = ClampToInt(std::trunc((dMin - sMin) / sSpan * steps));
}

void CChartAxis::ApplyScrollStep(int oldPosition, int newPosition, bool reversed)
{
    const double shift = (dMax - dMin) / 10.0 * (newPosition - oldPosition);
    if (reversed)
        ZoomTo(dMin - shift, dMax - shift);
    else
        ZoomTo(dMin + shift, dMax + shift);
    if (!pCtrl)
        return;
    for (CChartAxis* axis : pCtrl->apAxisBySide)
    {
        if (!axis)
            continue;
        axis->SyncScrollBar();
        if (axis->eRangeMode == ChartRangeMode::VisiblePoints)
            axis->FitRangeToSeries();
    }
}

// A plain vertical axis (maximum on top) and an inverted horizontal one put their
// maximum where the bar has its minimum.
bool CChartAxis::ScrollBarRunsAgainstValues() const
{
    return bHorizontal == bInverted;
}

void CChartAxis::SyncScrollBar()
{
    if (!pAxisScrollBar)
        return;
    int steps = 0;
    int position = 0;
    CChartAxis* owner = pAxisScrollBar->pAxis ? pAxisScrollBar->pAxis : this;
    owner->ScrollSteps(steps, position);
    SCROLLINFO info = {};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = steps - 1;
    info.nPage = CChartScrollBar::PAGE_STEPS;
    // A bar against the values mirrors the position within the last whole page (steps - 10).
    info.nPos = owner->ScrollBarRunsAgainstValues() ? steps - CChartScrollBar::PAGE_STEPS - position : position;
    pAxisScrollBar->SetScrollInfo(&info, TRUE);
}

// ---- Measuring and painting ----

SIZE CChartAxis::MaxTickLabelExtent(CDC* dc) const
{
    SIZE largest = {0, 0};
    if (!dc || !dc->GetSafeHdc())
        return largest;
    CFont font;
    font.CreatePointFont(nFontSizeTenths, strFontFace.c_str(), dc);
    CChartSelect selectFont(dc->GetSafeHdc(), font.GetSafeHandle());
    auto measure = [&](double value) {
        const std::string text = FormatTickText(value);
        const CSize size = dc->GetTextExtent(text.c_str(), static_cast<int>(text.size()));
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    };
    if (dMin == dMax)
    {
        measure(dMin);
        return largest;
    }
    for (double tick : TickValues())
        if (IsLabelInside(tick))
            measure(tick);
    return largest;
}

void CChartAxis::Paint(CDC* dc)
{
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    if (!bVisible || !hdc)
        return;
    CPen pen(PS_SOLID, 0, crLine);
    CFont font;
    font.CreatePointFont(nFontSizeTenths, strFontFace.c_str(), dc);
    CChartSelect selectPen(hdc, pen.GetSafeHandle());
    CChartSelect selectFont(hdc, font.GetSafeHandle());
    CChartTextState textState(hdc);
    ::SetTextColor(hdc, crText);
    ::SetBkMode(hdc, TRANSPARENT);

    if (bHorizontal)
    {
        const int y = bSecondary ? rcAxis.bottom - 1 : rcAxis.top + 1;
        ::MoveToEx(hdc, nStartPixel, y, nullptr);
        ::LineTo(hdc, nEndPixel, y);
    }
    else
    {
        const int x = bSecondary ? rcAxis.left + 1 : rcAxis.right - 1;
        ::MoveToEx(hdc, x, nStartPixel, nullptr);
        ::LineTo(hdc, x, nEndPixel);
    }

    PlaceAxisLabel(dc);

    pGrid->lstTickPixels.clear();
    for (double tick : TickValues())
        PaintTick(tick, dc);
    pGrid->Paint(dc);
}

void CChartAxis::PaintTick(double value, CDC* dc)
{
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    if (!hdc)
        return;
    // A degenerate range has no scale: its one label sits at the middle of the axis,
    // without a tick mark or a grid line.
    const bool hasPixel = dMin != dMax;
    const int tick = hasPixel ? TickPixel(value) : 0;
    const int at = LabelPixel(value);
    const std::string text = FormatTickText(value);
    const CSize ext = dc->GetTextExtent(text.c_str(), static_cast<int>(text.size()));
    const SIZE lab = pLabel->Measure(dc);
    const bool inside = IsLabelInside(value);

    POINT markFrom;
    POINT markTo;
    POINT textAt;
    if (bHorizontal && !bSecondary)
    {
        markFrom = {tick, rcAxis.top + 1};
        markTo = {tick, rcAxis.top + 4};
        textAt = {at - ext.cx / 2, rcAxis.top + 5};
    }
    else if (bHorizontal)
    {
        markFrom = {tick, rcAxis.bottom - 1};
        markTo = {tick, rcAxis.bottom - 4};
        textAt = {at - ext.cx / 2, rcAxis.bottom - ext.cy - 5};
    }
    else if (!bSecondary)
    {
        markFrom = {rcAxis.right - 1, tick};
        markTo = {rcAxis.right - 4, tick};
        textAt = {rcAxis.left + lab.cx + 4, at - ext.cy / 2};
    }
    else
    {
        markFrom = {rcAxis.left + 1, tick};
        markTo = {rcAxis.left + 4, tick};
        textAt = {rcAxis.left + 6, at - ext.cy / 2};
    }

    if (hasPixel && IsPixelInSpan(tick))
    {
        ::MoveToEx(hdc, markFrom.x, markFrom.y, nullptr);
        ::LineTo(hdc, markTo.x, markTo.y);
    }
    if (inside)
    {
        // ETO_OPAQUE without a rectangle fills nothing: the text lies on the transparent background.
        ::ExtTextOutA(hdc, textAt.x, textAt.y, ETO_OPAQUE | ETO_CLIPPED, nullptr, text.c_str(),
                      static_cast<UINT>(text.size()), nullptr);
    }
    if (hasPixel)
        pGrid->lstTickPixels.push_back(tick);
}

void CChartAxis::PlaceAxisLabel(CDC* dc)
{
    const SIZE lab = pLabel->Measure(dc);
    const int mid = static_cast<int>(std::fabs((nEndPixel + nStartPixel) * 0.5));
    int x;
    int y;
    if (bHorizontal)
    {
        x = mid - lab.cx / 2;
        y = bSecondary ? rcAxis.top : rcAxis.top + MaxTickLabelExtent(dc).cy + 2;
    }
    else
    {
        x = bSecondary ? rcAxis.right - lab.cx - 2 : rcAxis.left;
        y = mid + lab.cy / 2;
    }
    const SIZE size = pLabel->Measure(dc);
    pLabel->rcLabel = {x, y, x + size.cx, y + size.cy};
    pLabel->Paint(dc);
}
