// Sorted point storage of a series.
#include "chart/ChartPointStore.h"

#include <algorithm>
#include <cstdlib>

namespace
{
const unsigned INITIAL_CAPACITY = 1000;
const unsigned GROW_BY = 1000;
}

int CompareByX(const void* a, const void* b)
{
    const double x1 = static_cast<const SChartXYPoint*>(a)->dX;
    const double x2 = static_cast<const SChartXYPoint*>(b)->dX;
    if (x1 < x2)
        return -1;
    return x1 > x2 ? 1 : 0;
}

int CompareByY(const void* a, const void* b)
{
    const double y1 = static_cast<const SChartXYPoint*>(a)->dY;
    const double y2 = static_cast<const SChartXYPoint*>(b)->dY;
    if (y1 < y2)
        return -1;
    return y1 > y2 ? 1 : 0;
}

CChartPointStore::CChartPointStore()
    : pPoints(new SChartXYPoint[INITIAL_CAPACITY]()), nCapacity(INITIAL_CAPACITY), nGrowBy(GROW_BY)
{
}

void CChartPointStore::Assign(const SChartXYPoint* points, unsigned n)
{
    if (n > nCapacity)
    {
        pPoints.reset();
        pPoints.reset(new SChartXYPoint[n]());
        nCapacity = n;
    }
    nCount = n;
    std::copy(points, points + n, pPoints.get());
    SortByOrder();
    ComputeBounds();
}

void CChartPointStore::SortByOrder()
{
    if (nCount == 0)
        return;
    if (eOrder == ChartPointOrder::ByX)
        std::qsort(pPoints.get(), nCount, sizeof(SChartXYPoint), CompareByX);
    else if (eOrder == ChartPointOrder::ByY)
        std::qsort(pPoints.get(), nCount, sizeof(SChartXYPoint), CompareByY);
}

// Strict comparisons: a NaN never replaces a bound.
void CChartPointStore::ComputeBounds()
{
    if (nCount == 0)
        return;
    dXMin = dXMax = pPoints[0].dX;
    dYMin = dYMax = pPoints[0].dY;
    for (unsigned i = 0; i < nCount; ++i)
    {
        const SChartXYPoint& p = pPoints[i];
        if (p.dX > dXMax)
            dXMax = p.dX;
        if (dXMin > p.dX)
            dXMin = p.dX;
        if (p.dY > dYMax)
            dYMax = p.dY;
        if (dYMin > p.dY)
            dYMin = p.dY;
    }
}

double CChartPointStore::Key(unsigned index) const
{
    return eOrder == ChartPointOrder::ByY ? pPoints[index].dY : pPoints[index].dX;
}

unsigned CChartPointStore::BisectPoints(double value, unsigned lo, unsigned hi) const
{
    for (;;)
    {
        const unsigned mid = lo + (hi - lo) / 2;
        if (Key(mid) > value)
        {
            if (lo >= mid)
                return lo;
            hi = mid - 1;
        }
        else
        {
            if (mid >= hi)
                return hi;
            lo = mid + 1;
        }
    }
}
