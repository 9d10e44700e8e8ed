// Sorted array of a series' points with cached bounds and a binary search on the sort key.
#pragma once

#include <cstdint>
#include <memory>

struct SChartXYPoint
{
    double dX = 0.0;
    double dY = 0.0;
    int32_t nSpare = 0;  // kept with the point, read by nothing
};

// Order of the points in a store, and the key of its binary search.
enum class ChartPointOrder : int
{
    None = 0,  // insertion order; every point counts as visible
    ByX = 1,
    ByY = 2,
};

int CompareByX(const void* a, const void* b);
int CompareByY(const void* a, const void* b);

class CChartPointStore
{
public:
    CChartPointStore();
    CChartPointStore(const CChartPointStore&) = delete;
    CChartPointStore& operator=(const CChartPointStore&) = delete;

    // Replaces every point; the array only grows, to exactly n records.
    void Assign(const SChartXYPoint* points, unsigned n);
    void SortByOrder();

    double Key(unsigned index) const;
    // One of the two indices that flank value on the sort key (accurate to one point).
    unsigned BisectPoints(double value, unsigned lo, unsigned hi) const;

    const SChartXYPoint& At(unsigned index) const { return pPoints[index]; }

    double dXMin = 0.0;
    double dXMax = 0.0;
    double dYMin = 0.0;
    double dYMax = 0.0;
    std::unique_ptr<SChartXYPoint[]> pPoints;
    unsigned nCapacity = 0;
    unsigned nCount = 0;
    unsigned nGrowBy = 0;
    ChartPointOrder eOrder = ChartPointOrder::ByX;

private:
    void ComputeBounds();
};
