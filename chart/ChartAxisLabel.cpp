// Axis caption: measured and drawn in its text style; a vertical axis's caption runs upwards.
#include "chart/ChartAxisLabel.h"

#include "chart/ChartGdiGuards.h"

CChartAxisLabel::CChartAxisLabel()
{
    style.strFace = "Microsoft Sans Serif";
    style.nSizeTenths = 100;
}

CChartAxisLabel::~CChartAxisLabel() = default;

bool CChartAxisLabel::CanDraw(CDC* dc) const
{
    return bVisible && dc && dc->GetSafeHdc() && !strText.empty();
}

SIZE CChartAxisLabel::Measure(CDC* dc)
{
    SIZE room = {0, 0};
    if (!CanDraw(dc))
        return room;
    CSize text;
    {
        CChartStyleFont font(&style, dc);
        text = dc->GetTextExtent(strText.c_str(), static_cast<int>(strText.size()));
    }
    if (bHorizontal)
        room = {text.cx + 4, text.cy + 4};
    else
        room = {text.cy + 4, text.cx + 4};
    return room;
}

void CChartAxisLabel::Paint(CDC* dc)
{
    if (!CanDraw(dc))
        return;
    HDC hdc = dc->GetSafeHdc();
    CChartTextState textState(hdc);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, crText);
    CChartStyleFont font(&style, dc);
    const int x = bHorizontal ? rcLabel.left : rcLabel.left + 2;
    const int y = bHorizontal ? rcLabel.top + 2 : rcLabel.top;
    ::ExtTextOutA(hdc, x, y, ETO_CLIPPED, nullptr, strText.c_str(), static_cast<UINT>(strText.size()), nullptr);
}
