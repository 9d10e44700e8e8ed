// Dashed grid lines across the plot at every tick of the axis that owns the grid.
#pragma once

#include <windows.h>

#include <list>

class CDC;
class CChartCtrl;

class CChartGrid {
public:
    CChartGrid();
    virtual ~CChartGrid();

    // Draws the dashes at the pixels of lstTickPixels, clipped to the control's plot.
    void Paint(CDC* dc) const;

    COLORREF crLine;
    CChartCtrl* pCtrl;
    bool bVisible;
    std::list<int> lstTickPixels;
    bool bHorizontal;
};
