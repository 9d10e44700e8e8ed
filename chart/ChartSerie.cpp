// Series base: identity, axis links and the value-to-pixel rule shared by all series.
#include "chart/ChartSerie.h"

#include "chart/ChartAxis.h"
#include "chart/ChartCtrl.h"

#include <cmath>

unsigned g_nextSeriesId = 0;

namespace
{
// Pixel of a value along one axis; a degenerate range puts every value on the axis's middle.
int AxisPixel(const CChartAxis* axis, double value)
{
    if (!axis)
        return 0;
    if (axis->dMax == axis->dMin)
    {
        const int half = static_cast<int>(std::fabs((axis->nEndPixel - axis->nStartPixel) * 0.5));
        return axis->bHorizontal ? axis->nStartPixel + half : axis->nStartPixel - half;
    }
    return axis->bBinned ? axis->BinMidPixel(value) : axis->ValueToPixel(value);
}
}

CChartSerie::CChartSerie(CChartCtrl* ctrl) : pCtrl(ctrl), nSeriesId(g_nextSeriesId++)
{
}

CChartSerie::~CChartSerie()
{
    if (pXAxis)
        pXAxis->UnlinkSeries(this);
    if (pYAxis)
        pYAxis->UnlinkSeries(this);
}

CPoint CChartSerie::ValuesToPixel(double x, double y) const
{
    return CPoint(AxisPixel(pXAxis, x), AxisPixel(pYAxis, y));
}

void CChartSerie::RescaleAndRedraw()
{
    if (!pCtrl)
        return;
    pCtrl->SuspendRedraw();
    if (pXAxis)
        pXAxis->FitRangeToSeries();
    if (pYAxis)
        pYAxis->FitRangeToSeries();
    pCtrl->Redraw();
    pCtrl->ResumeRedraw();
}
