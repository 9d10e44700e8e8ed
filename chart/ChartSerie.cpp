// Series base: identity, axis links and the value-to-pixel rule shared by all series.
#include "chart/ChartSerie.h"

#include "chart/ChartAxis.h"
#include "chart/ChartCtrl.h"

unsigned g_nextSeriesId = 0;

namespace
{
// A point lies where its axis would put a label of its value: on the axis's middle for an
// empty range, in the middle of its bin for a binned axis.
int AxisPixel(const CChartAxis* axis, double value)
{
    return axis ? axis->LabelPixel(value) : 0;
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
    if (pCtrl)
        pCtrl->SuspendRedraw();
    if (pXAxis)
        pXAxis->FitRangeToSeries();
    if (pYAxis)
        pYAxis->FitRangeToSeries();
    if (pCtrl)
    {
        pCtrl->Redraw();
        pCtrl->ResumeRedraw();
    }
}
