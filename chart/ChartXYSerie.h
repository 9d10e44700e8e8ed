// Series of XY points kept in a sorted point store, loaded in one call.
#pragma once

#include "chart/ChartPointStore.h"
#include "chart/ChartSerie.h"

#include <map>

template <class TPoint>
class CChartSerieBase;

// The one form of the series base: points are SChartXYPoint records.
template <>
class CChartSerieBase<SChartXYPoint> : public CChartSerie
{
public:
    explicit CChartSerieBase(CChartCtrl* ctrl);
    ~CChartSerieBase() override;

    unsigned PointCount() const override { return store.nCount; }
    CPoint IndexToPixel(unsigned i) const override;
    bool YBounds(double& min, double& max) const override;
    bool XBounds(double& min, double& max) const override;
    bool XBoundsVisible(double& min, double& max) const override;
    bool YBoundsVisible(double& min, double& max) const override;
    bool VisibleIndexRange(unsigned& first, unsigned& last) const override;
    void PaintAnnotations(CDC* dc) override;
    bool HandleMouse(ChartMouseEvent ev, const CPoint& pt) override;
    virtual void SetPointOrder(ChartPointOrder order);

    CChartPointStore store;
    unsigned nLastPainted = 0;
    std::map<int, CChartAnnotation*> mapAnnotations;  // owned
    CChartSeriesMouseSink* pMouseSink = nullptr;

private:
    bool VisibleBounds(bool alongX, double& min, double& max) const;
};

class CChartXYSerie : public CChartSerieBase<SChartXYPoint>
{
public:
    explicit CChartXYSerie(CChartCtrl* ctrl);
    ~CChartXYSerie() override;

    // Replaces every point; the caller keeps X and Y.
    void ReplacePoints(const double* X, const double* Y, unsigned n);

    // Knots and per-segment Bezier control points (data units) for the points first..end-1.
    void ComputeCurveHandles(unsigned first, unsigned end, SChartXYPoint*& knots,
                             SChartXYPoint*& firstControls, SChartXYPoint*& secondControls) const;
};

// Solves the smoothing system (diagonal 2, 4, ..., 4, 2; off-diagonals 1); the caller frees the result.
double* SolveHandleSystem(const double* rhs, int n);
