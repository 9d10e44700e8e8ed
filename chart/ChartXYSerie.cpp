// XY series: bounds, visible range and mouse hits over the point store; smoothing handles.
#include "chart/ChartXYSerie.h"

#include "chart/ChartAxis.h"

#include <vector>

CChartSerieBase<SChartXYPoint>::CChartSerieBase(CChartCtrl* ctrl) : CChartSerie(ctrl)
{
}

CChartSerieBase<SChartXYPoint>::~CChartSerieBase()
{
    for (auto& entry : mapAnnotations)
        delete entry.second;
}

CPoint CChartSerieBase<SChartXYPoint>::IndexToPixel(unsigned i) const
{
    const SChartXYPoint& p = store.At(i);
    return ValuesToPixel(p.dX, p.dY);
}

bool CChartSerieBase<SChartXYPoint>::XBounds(double& min, double& max) const
{
    if (!bVisible || store.nCount == 0)
        return false;
    min = store.dXMin;
    max = store.dXMax;
    return true;
}

bool CChartSerieBase<SChartXYPoint>::YBounds(double& min, double& max) const
{
    if (!bVisible || store.nCount == 0)
        return false;
    min = store.dYMin;
    max = store.dYMax;
    return true;
}

bool CChartSerieBase<SChartXYPoint>::VisibleIndexRange(unsigned& first, unsigned& last) const
{
    if (store.nCount == 0)
        return false;
    const unsigned top = store.nCount - 1;
    switch (store.eOrder)
    {
    case ChartPointOrder::None:
        first = 0;
        last = top;
        return true;
    case ChartPointOrder::ByX:
    case ChartPointOrder::ByY:
    {
        const CChartAxis* axis = store.eOrder == ChartPointOrder::ByX ? pXAxis : pYAxis;
        if (!axis)
            return false;
        first = store.BisectPoints(axis->dMin, 0, top);
        last = store.BisectPoints(axis->dMax, first, top);
        return true;
    }
    }
    return false;
}

// The point at the last index counts too: BisectPoints may return the last point not above the
// range's end, which is visible.
bool CChartSerieBase<SChartXYPoint>::VisibleBounds(bool alongX, double& min, double& max) const
{
    unsigned first = 0;
    unsigned last = 0;
    if (!VisibleIndexRange(first, last))
        return false;
    double lo = alongX ? store.At(first).dX : store.At(first).dY;
    double hi = lo;
    for (unsigned i = first + 1; i <= last; ++i)
    {
        const double v = alongX ? store.At(i).dX : store.At(i).dY;
        if (lo > v)
            lo = v;
        if (v > hi)
            hi = v;
    }
    min = lo;
    max = hi;
    return true;
}

bool CChartSerieBase<SChartXYPoint>::YBoundsVisible(double& min, double& max) const
{
    if (!bVisible || store.eOrder != ChartPointOrder::ByX)
        return false;
    return VisibleBounds(false, min, max);
}

bool CChartSerieBase<SChartXYPoint>::XBoundsVisible(double& min, double& max) const
{
    if (!bVisible || store.eOrder != ChartPointOrder::ByY)
        return false;
    return VisibleBounds(true, min, max);
}

void CChartSerieBase<SChartXYPoint>::PaintAnnotations(CDC* dc)
{
    for (auto& entry : mapAnnotations)
        if (entry.second)
            entry.second->Paint(dc, entry.first);
}

bool CChartSerieBase<SChartXYPoint>::HandleMouse(ChartMouseEvent ev, const CPoint& pt)
{
    if (!pMouseSink)
        return false;
    const bool wanted = ev == ChartMouseEvent::Move ? bNotifyMoves : bNotifyClicks;
    if (!wanted)
        return false;
    unsigned index = 0;
    if (!HitTest(pt, index))
        return false;
    pMouseSink->OnSeriesMouse(ev, pt, this, index);
    return true;
}

void CChartSerieBase<SChartXYPoint>::SetPointOrder(ChartPointOrder order)
{
    store.eOrder = order;
    store.SortByOrder();
}

CChartXYSerie::CChartXYSerie(CChartCtrl* ctrl) : CChartSerieBase<SChartXYPoint>(ctrl)
{
}

CChartXYSerie::~CChartXYSerie() = default;

void CChartXYSerie::ReplacePoints(const double* X, const double* Y, unsigned n)
{
    std::vector<SChartXYPoint> points(n);
    for (unsigned i = 0; i < n; ++i)
    {
        points[i].dX = X[i];
        points[i].dY = Y[i];
    }
    store.Assign(points.data(), n);
    RescaleAndRedraw();
}

namespace
{
// First control points along one coordinate of the knots (S + 1 knots, S >= 2 segments).
std::vector<double> FirstControlCoordinates(const std::vector<double>& k)
{
    const int segments = static_cast<int>(k.size()) - 1;
    std::vector<double> rhs(segments);
    rhs[0] = k[0] + 2 * k[1];
    for (int i = 1; i < segments - 1; ++i)
        rhs[i] = 4 * k[i] + 2 * k[i + 1];
    rhs[segments - 1] = 3 * k[segments - 1];
    double* solved = SolveHandleSystem(rhs.data(), segments);
    std::vector<double> result(solved, solved + segments);
    delete[] solved;
    return result;
}
}

void CChartXYSerie::ComputeCurveHandles(unsigned first, unsigned end, SChartXYPoint*& knots,
                                        SChartXYPoint*& firstControls,
                                        SChartXYPoint*& secondControls) const
{
    const unsigned segments = end > first + 1 ? end - first - 1 : 0;
    // Without a segment there is no curve: all three arrays are empty.
    const unsigned count = segments > 0 ? segments + 1 : 0;
    knots = new SChartXYPoint[count]();
    firstControls = new SChartXYPoint[segments]();
    secondControls = new SChartXYPoint[segments]();
    if (segments < 1)
        return;
    for (unsigned i = 0; i < count; ++i)
        knots[i] = store.At(first + i);

    if (segments == 1)
    {
        // A single segment has no neighbours to smooth against: the curve is the straight
        // segment, with its handles at the thirds.
        const SChartXYPoint& a = knots[0];
        const SChartXYPoint& b = knots[1];
        firstControls[0].dX = (2 * a.dX + b.dX) / 3;
        firstControls[0].dY = (2 * a.dY + b.dY) / 3;
        secondControls[0].dX = (a.dX + 2 * b.dX) / 3;
        secondControls[0].dY = (a.dY + 2 * b.dY) / 3;
        return;
    }

    std::vector<double> kx(count), ky(count);
    for (unsigned i = 0; i < count; ++i)
    {
        kx[i] = knots[i].dX;
        ky[i] = knots[i].dY;
    }
    const std::vector<double> px = FirstControlCoordinates(kx);
    const std::vector<double> py = FirstControlCoordinates(ky);
    for (unsigned j = 0; j < segments; ++j)
    {
        firstControls[j].dX = px[j];
        firstControls[j].dY = py[j];
        if (j < segments - 1)
        {
            secondControls[j].dX = 2 * kx[j + 1] - px[j + 1];
            secondControls[j].dY = 2 * ky[j + 1] - py[j + 1];
        }
        else
        {
            secondControls[j].dX = (kx[segments] + px[segments - 1]) / 2;
            secondControls[j].dY = (ky[segments] + py[segments - 1]) / 2;
        }
    }
}

double* SolveHandleSystem(const double* rhs, int n)
{
    double* x = new double[n > 0 ? n : 1];
    if (n <= 0)
        return x;
    std::vector<double> tmp(n);
    x[0] = rhs[0] * 0.5;
    double b = 2.0;
    for (int i = 1; i < n; ++i)
    {
        tmp[i] = 1 / b;
        b = (i < n - 1 ? 4.0 : 2.0) - tmp[i];
        x[i] = (rhs[i] - x[i - 1]) / b;
    }
    for (int i = n - 2; i >= 0; --i)
        x[i] -= tmp[i + 1] * x[i + 1];
    return x;
}
