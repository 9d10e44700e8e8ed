// Title lines: measured and drawn top-down, each centred on its own width.
#include "chart/ChartTitle.h"

#include "chart/ChartGdiGuards.h"

#include <algorithm>
#include <cmath>

namespace
{
CSize LineExtent(CDC* dc, const std::string& line)
{
    return dc->GetTextExtent(line.c_str(), static_cast<int>(line.size()));
}
}

CChartTextStyle* CChartTitle::LineStyle(int line)
{
    auto found = mapLineStyles.find(line);
    return found == mapLineStyles.end() ? nullptr : &found->second;
}

CSize CChartTitle::Measure(CDC* dc)
{
    if (!bVisible || vecLines.empty())
        return CSize(0, 0);
    CChartStyleFont font(&style, dc);
    int height = 4;
    int width = 0;
    for (size_t i = 0; i < vecLines.size(); ++i)
    {
        CChartStyleFont lineFont(LineStyle(static_cast<int>(i)), dc);
        const CSize ext = LineExtent(dc, vecLines[i]);
        height += ext.cy + 2;
        width = std::max(width, static_cast<int>(ext.cx));
    }
    rcTitle.bottom = rcTitle.top + height;
    return CSize(width + 2, height);
}

void CChartTitle::Paint(CDC* dc)
{
    if (!dc || !dc->GetSafeHdc() || !bVisible)
        return;
    HDC hdc = dc->GetSafeHdc();
    // Declared first so that the font goes back before the colour and the mode.
    CChartTextState textState(hdc);
    CChartStyleFont font(&style, dc);
    ::SetTextColor(hdc, crText);
    ::SetBkMode(hdc, TRANSPARENT);
    const int middle = rcTitle.left + static_cast<int>(std::fabs((rcTitle.left - rcTitle.right) * 0.5));
    int y = 4;
    for (size_t i = 0; i < vecLines.size(); ++i)
    {
        CChartStyleFont lineFont(LineStyle(static_cast<int>(i)), dc);
        const std::string& line = vecLines[i];
        const CSize ext = LineExtent(dc, line);
        const int x = middle - ext.cx / 2;
        ::ExtTextOutA(hdc, x, rcTitle.top + y, ETO_CLIPPED, nullptr, line.c_str(),
                      static_cast<UINT>(line.size()), nullptr);
        y += ext.cy + 2;
    }
}
