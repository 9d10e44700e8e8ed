// Lines of text centred at the top of the chart.
#pragma once

#include "chart/ChartTextStyle.h"

#include <map>
#include <string>
#include <vector>

class CChartCtrl;

class CChartTitle
{
public:
    explicit CChartTitle(CChartCtrl* ctrl) : pCtrl(ctrl) {}
    CChartTitle(const CChartTitle&) = delete;
    CChartTitle& operator=(const CChartTitle&) = delete;
    virtual ~CChartTitle() = default;

    CSize Measure(CDC* dc);
    void Paint(CDC* dc);

    CChartCtrl* pCtrl;
    std::vector<std::string> vecLines;
    std::map<int, CChartTextStyle> mapLineStyles;  // line index -> style of that line
    bool bVisible = true;
    CChartTextStyle style;
    COLORREF crText = 0;
    RECT rcTitle = {0, 0, 0, 0};

private:
    CChartTextStyle* LineStyle(int line);
};
