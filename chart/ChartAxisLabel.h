// Caption of an axis: horizontal under a horizontal axis, rotated 90 degrees beside a vertical one.
#pragma once

#include <windows.h>

#include <string>

#include "chart/ChartTextStyle.h"

class CDC;
class CChartCtrl;

class CChartAxisLabel
{
public:
    CChartAxisLabel();
    virtual ~CChartAxisLabel();

    CChartAxisLabel(const CChartAxisLabel&) = delete;
    CChartAxisLabel& operator=(const CChartAxisLabel&) = delete;

    // Room the label needs; 0 x 0 when hidden, without a DC or with an empty text.
    SIZE Measure(CDC* dc);
    void Paint(CDC* dc);

    CChartCtrl* pCtrl = nullptr;
    bool bVisible = true;
    RECT rcLabel = {0, 0, 0, 0};  // where the label was last placed
    COLORREF crText = 0;
    bool bHorizontal = true;
    CChartTextStyle style;
    std::string strText;  // an empty caption is neither measured nor drawn

private:
    bool CanDraw(CDC* dc) const;
};
