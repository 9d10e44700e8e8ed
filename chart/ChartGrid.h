// Dashed grid lines across the plot at every tick of the axis that owns the grid.
#pragma once

#include <windows.h>

#include <list>

class CDC;
class CChartCtrl;

class CChartGrid
{
public:
    CChartGrid() = default;
    virtual ~CChartGrid();

    // Draws the dashes at the pixels of lstTickPixels, clipped to the control's plot.
    void Paint(CDC* dc) const;

    COLORREF crLine = 0x808080;
    CChartCtrl* pCtrl = nullptr;  // its rcPlot bounds the grid
    bool bVisible = true;
    std::list<int> lstTickPixels;  // ticks of the axis's last paint, in tick order
    bool bHorizontal = true;
};
