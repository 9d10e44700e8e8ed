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
    style.SelectInto(dc);
    HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->GetSafeHdc();
    SIZE text = {0, 0};
    ::GetTextExtentPoint32A(attrib, strText.c_str(), static_cast<int>(strText.size()), &text);
    dc->SelectObject(style.pOldFont);
    style.pOldFont = nullptr;
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
    style.SelectInto(dc);
    const int x = bHorizontal ? rcLabel.left : rcLabel.left + 2;
    const int y = bHorizontal ? rcLabel.top + 2 : rcLabel.top;
    ::ExtTextOutA(hdc, x, y, ETO_CLIPPED, nullptr, strText.c_str(), static_cast<UINT>(strText.size()), nullptr);
    dc->SelectObject(style.pOldFont);
    style.pOldFont = nullptr;
}
