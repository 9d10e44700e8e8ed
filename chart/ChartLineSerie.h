// Series drawn as a polyline or a smoothed Bezier curve, optionally with a drop shadow.
#pragma once

#include "chart/ChartXYSerie.h"

#include <vector>

class CChartLineSerie : public CChartXYSerie
{
public:
    using CChartXYSerie::CChartXYSerie;

    bool HitTest(const CPoint& pt, unsigned& index) const override;
    void PaintLegendKey(CDC* dc, const RECT& rc) override;
    void PaintNewPoints(CDC* dc) override;
    void PaintVisible(CDC* dc) override;

    int nPenWidth = 1;
    int nPenStyle = 0;  // 0: plain solid pen; otherwise a pen style used with PS_GEOMETRIC
    bool bCurved = false;

    // Vertices sent by the last straight PaintVisible (one polyline).
    size_t LastVertexCount() const { return vecVertices.size(); }

private:
    void CollectStraightVertices(unsigned first, unsigned last);
    void CollectCurveVertices();
    bool WidenedVisibleRange(unsigned& first, unsigned& last) const;

    std::vector<POINT> vecVertices;  // reused between paints
};
