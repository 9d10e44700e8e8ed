// Title lines: measured and drawn top-down, each centred on its own width.
#include "chart/ChartTitle.h"

#include "chart/ChartGdiGuards.h"

#include <algorithm>
#include <cmath>

namespace
{
CSize LineExtent(CDC* dc, const std::string& line)
{
    HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->GetSafeHdc();
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(attrib, line.c_str(), static_cast<int>(line.size()), &size);
    return CSize(size);
}

void RestoreFont(CDC* dc, CChartTextStyle& style)
{
    dc->SelectObject(style.pOldFont);
    style.pOldFont = nullptr;
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
    style.SelectInto(dc);
    int height = 4;
    int width = 0;
    for (size_t i = 0; i < vecLines.size(); ++i)
    {
        CChartTextStyle* own = LineStyle(static_cast<int>(i));
        if (own)
            own->SelectInto(dc);
        const CSize ext = LineExtent(dc, vecLines[i]);
        height += ext.cy + 2;
        width = std::max(width, static_cast<int>(ext.cx));
        if (own)
            RestoreFont(dc, *own);
    }
    rcTitle.bottom = rcTitle.top + height;
    RestoreFont(dc, style);
    return CSize(width + 2, height);
}

void CChartTitle::Paint(CDC* dc)
{
    if (!dc || !dc->GetSafeHdc() || !bVisible)
        return;
    HDC hdc = dc->GetSafeHdc();
    style.SelectInto(dc);
    CChartTextState textState(hdc);
    ::SetTextColor(hdc, crText);
    ::SetBkMode(hdc, TRANSPARENT);
    const int middle = rcTitle.left + static_cast<int>(std::fabs((rcTitle.left - rcTitle.right) * 0.5));
    int y = 4;
    for (size_t i = 0; i < vecLines.size(); ++i)
    {
        CChartTextStyle* own = LineStyle(static_cast<int>(i));
        if (own)
            own->SelectInto(dc);
        const std::string& line = vecLines[i];
        const CSize ext = LineExtent(dc, line);
        const int x = middle - ext.cx / 2;
        ::ExtTextOutA(hdc, x, rcTitle.top + y, ETO_CLIPPED, nullptr, line.c_str(),
                      static_cast<UINT>(line.size()), nullptr);
        if (own)
            RestoreFont(dc, *own);
        y += ext.cy + 2;
    }
    RestoreFont(dc, style);
}
