// Grid of an axis: 3 pixels drawn and 3 left out, across the plot at every tick pixel.
#include "chart/ChartGrid.h"

#include "chart/ChartCtrl.h"
#include "chart/ChartGdiGuards.h"

namespace
{

constexpr int DASH = 3;
constexpr int DASH_PERIOD = 6;

}  // namespace

CChartGrid::~CChartGrid() = default;

void CChartGrid::Paint(CDC* dc) const
{
    HDC hdc = dc ? dc->GetSafeHdc() : nullptr;
    if (!bVisible || !hdc || !pCtrl)
        return;
    const RECT plot = pCtrl->rcPlot;
    CChartClip clip(hdc, plot);
    CPen pen(PS_SOLID, 0, crLine);
    CChartSelect selectPen(hdc, pen.GetSafeHandle());
    for (int pixel : lstTickPixels)
    {
        if (bHorizontal)
        {
            // Vertical line at the tick column, drawn upwards from the plot's bottom.
            for (int y = plot.bottom; y > plot.top; y -= DASH_PERIOD)
            {
                ::MoveToEx(hdc, pixel, y, nullptr);
                ::LineTo(hdc, pixel, y - DASH);
            }
        }
        else
        {
            for (int x = plot.left; x < plot.right; x += DASH_PERIOD)
            {
                ::MoveToEx(hdc, x, pixel, nullptr);
                ::LineTo(hdc, x + DASH, pixel);
            }
        }
    }
}
