// Line series: polyline or smoothed curve of the visible points, legend key and hit test.
#include "chart/ChartLineSerie.h"

#include "chart/ChartCtrl.h"
#include "chart/ChartGdiGuards.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace
{
const double HIT_LINE_DISTANCE = 3.0;
const int HIT_POINT_DISTANCE = 5;
const unsigned NO_POINT = 0xFFFFFFFF;

HPEN MakeSeriesPen(int style, int width, COLORREF color)
{
    if (style == 0)
        return ::CreatePen(PS_SOLID, width, color);
    LOGBRUSH brush = {BS_SOLID, color, 0};
    return ::ExtCreatePen(style | PS_GEOMETRIC, width, &brush, 0, nullptr);
}

// Points that share a pixel column, reduced to the vertices that draw the same pixels: the
// column's first and last point with its lowest and highest one between them. Within a column
// every segment is vertical, so the path covers every pixel from the lowest to the highest,
// except that an extreme the path reaches but never leaves keeps its pixel undrawn when it is
// the polyline's very end (a polyline leaves out its last pixel).
struct SPixelColumn
{
    POINT first;
    POINT last;
    POINT low;
    POINT high;
    bool lowFirst;  // the lowest point came before the highest
    bool lowLeft;   // the path moved away from the lowest row
    bool highLeft;  // the path moved away from the highest row

    void Start(POINT p)
    {
        first = last = low = high = p;
        lowFirst = true;
        lowLeft = highLeft = false;
    }
    void Add(POINT p)
    {
        if (p.y != last.y)
        {
            lowLeft = lowLeft || last.y == low.y;
            highLeft = highLeft || last.y == high.y;
        }
        if (p.y < low.y)
        {
            low = p;
            lowFirst = false;
            lowLeft = false;
        }
        if (p.y > high.y)
        {
            high = p;
            lowFirst = true;
            highLeft = false;
        }
        last = p;
    }
    // The order of the extremes that draws the last point's pixel exactly when the full path does.
    bool LowBeforeHigh() const
    {
        if (low.y == high.y)
            return true;
        if (last.y == high.y)
            return !highLeft;
        if (last.y == low.y)
            return lowLeft;
        return lowFirst;
    }
};

void AppendVertex(std::vector<POINT>& vertices, POINT p)
{
    if (!vertices.empty() && vertices.back().x == p.x && vertices.back().y == p.y)
        return;
    vertices.push_back(p);
}

void FlushColumn(std::vector<POINT>& vertices, const SPixelColumn& column)
{
    const bool lowFirst = column.LowBeforeHigh();
    AppendVertex(vertices, column.first);
    AppendVertex(vertices, lowFirst ? column.low : column.high);
    AppendVertex(vertices, lowFirst ? column.high : column.low);
    AppendVertex(vertices, column.last);
}

std::vector<POINT> Shifted(const std::vector<POINT>& points, int offset)
{
    std::vector<POINT> shifted(points);
    for (POINT& p : shifted)
    {
        p.x += offset;
        p.y += offset;
    }
    return shifted;
}

// Whether p projects onto the segment a-b and lies within 3 pixels of it in x and in y.
bool SegmentHit(POINT a, POINT b, const CPoint& p)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0)
        return false;
    const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
    if (t < 0 || t > 1)
        return false;
    return std::fabs(p.x - (a.x + t * dx)) <= HIT_LINE_DISTANCE &&
           std::fabs(p.y - (a.y + t * dy)) <= HIT_LINE_DISTANCE;
}

bool NearPoint(POINT a, const CPoint& p)
{
    return std::abs(p.x - a.x) <= HIT_POINT_DISTANCE && std::abs(p.y - a.y) <= HIT_POINT_DISTANCE;
}
}

// The visible range grown by one point on each side, so the line runs to the clip edges.
bool CChartLineSerie::WidenedVisibleRange(unsigned& first, unsigned& last) const
{
    if (!VisibleIndexRange(first, last))
        return false;
    if (first > 0)
        --first;
    if (last < PointCount() - 1)
        ++last;
    return true;
}

void CChartLineSerie::PaintVisible(CDC* dc)
{
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    unsigned first = 0;
    unsigned last = 0;
    if (!bVisible || !hdc || !WidenedVisibleRange(first, last))
        return;
    if (last < first + 1)
        return;

    CPen linePen;
    linePen.Attach(MakeSeriesPen(nPenStyle, nPenWidth, crSeries));
    CPen shadowPen;
    shadowPen.Attach(MakeSeriesPen(nPenStyle, nPenWidth, crShadow));
    ::SetBkMode(hdc, TRANSPARENT);
    CChartClip clip(hdc, rcPlot);
    CChartSelect select(hdc, linePen.GetSafeHandle());

    if (bCurved)
        CollectCurveVertices();
    else
        CollectStraightVertices(first, last);

    auto draw = [&](const std::vector<POINT>& points) {
        const int count = static_cast<int>(points.size());
        if (bCurved)
            ::PolyBezier(hdc, points.data(), count);
        else
            ::Polyline(hdc, points.data(), count);
    };
    // The shadow goes first, so the line lies on top of it.
    if (bDropShadow)
    {
        ::SelectObject(hdc, shadowPen.GetSafeHandle());
        draw(Shifted(vecVertices, nShadowOffset));
        ::SelectObject(hdc, linePen.GetSafeHandle());
    }
    draw(vecVertices);
}

void CChartLineSerie::CollectStraightVertices(unsigned first, unsigned last)
{
    vecVertices.clear();
    SPixelColumn column;
    column.Start(IndexToPixel(first));
    for (nLastPainted = first + 1; nLastPainted <= last; ++nLastPainted)
    {
        const CPoint p = IndexToPixel(nLastPainted);
        if (p.x == column.first.x)
            column.Add(p);
        else
        {
            FlushColumn(vecVertices, column);
            column.Start(p);
        }
    }
    FlushColumn(vecVertices, column);
    nLastPainted = last;
}

// The curve runs through every point of the series; the clip cuts it to the plot.
void CChartLineSerie::CollectCurveVertices()
{
    vecVertices.clear();
    const unsigned n = PointCount();
    SChartXYPoint* knots = nullptr;
    SChartXYPoint* firstControls = nullptr;
    SChartXYPoint* secondControls = nullptr;
    ComputeCurveHandles(0, n, knots, firstControls, secondControls);
    std::unique_ptr<SChartXYPoint[]> ownKnots(knots), ownFirst(firstControls), ownSecond(secondControls);
    if (n < 2)
        return;
    vecVertices.reserve(3 * (n - 1) + 1);
    for (unsigned j = 0; j + 1 < n; ++j)
    {
        vecVertices.push_back(ValuesToPixel(knots[j].dX, knots[j].dY));
        vecVertices.push_back(ValuesToPixel(firstControls[j].dX, firstControls[j].dY));
        vecVertices.push_back(ValuesToPixel(secondControls[j].dX, secondControls[j].dY));
    }
    vecVertices.push_back(ValuesToPixel(knots[n - 1].dX, knots[n - 1].dY));
}

void CChartLineSerie::PaintNewPoints(CDC* dc)
{
    if (!bVisible)
        return;
    if (bDropShadow || bCurved)
    {
        PaintVisible(dc);
        return;
    }
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    if (!hdc)
        return;
    CPen pen;
    pen.Attach(MakeSeriesPen(nPenStyle, nPenWidth, crSeries));
    ::SetBkMode(hdc, TRANSPARENT);
    const RECT plot = pCtrl ? pCtrl->rcPlot : rcPlot;
    CChartClip clip(hdc, plot);
    CChartSelect select(hdc, pen.GetSafeHandle());
    while (nLastPainted + 1 < PointCount())
    {
        const CPoint from = IndexToPixel(nLastPainted);
        const CPoint to = IndexToPixel(nLastPainted + 1);
        ::MoveToEx(hdc, from.x, from.y, nullptr);
        ::LineTo(hdc, to.x, to.y);
        ++nLastPainted;
    }
}

void CChartLineSerie::PaintLegendKey(CDC* dc, const RECT& rc)
{
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    if (strName.empty() || !hdc)
        return;
    LOGBRUSH brush = {BS_SOLID, crSeries, 0};
    CPen pen;
    pen.Attach(::ExtCreatePen(nPenStyle | PS_GEOMETRIC, nPenWidth, &brush, 0, nullptr));
    CChartSelect select(hdc, pen.GetSafeHandle());
    const int y = (rc.top + rc.bottom) / 2;
    ::MoveToEx(hdc, rc.left, y, nullptr);
    ::LineTo(hdc, rc.right, y);
}

bool CChartLineSerie::HitTest(const CPoint& pt, unsigned& index) const
{
    index = NO_POINT;
    unsigned first = 0;
    unsigned last = 0;
    if (!bVisible || !WidenedVisibleRange(first, last))
        return false;
    for (unsigned i = first; i < last; ++i)
    {
        const CPoint a = IndexToPixel(i);
        const CPoint b = IndexToPixel(i + 1);
        if (!SegmentHit(a, b, pt))
            continue;
        if (NearPoint(a, pt))
            index = i;
        if (NearPoint(b, pt))
            index = i + 1;
        return true;
    }
    return false;
}
