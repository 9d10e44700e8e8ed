// Legend box: sized from its entries' names, docked on a side or placed freely.
#include "chart/ChartLegend.h"

#include "chart/ChartCtrl.h"
#include "chart/ChartGdiGuards.h"
#include "chart/ChartSerie.h"

#include <algorithm>
#include <cstring>

namespace
{
const int FACE_MAX = 31;

CSize NameExtent(CDC* dc, const std::string& name)
{
    return dc->GetTextExtent(name.c_str(), static_cast<int>(name.size()));
}

void FillSolid(HDC hdc, const RECT& rc, COLORREF colour)
{
    CBrush brush;
    brush.Attach(::CreateSolidBrush(colour));
    ::FillRect(hdc, &rc, static_cast<HBRUSH>(brush.GetSafeHandle()));
}

bool IsEmptyRect(const RECT& rc)
{
    return rc.right <= rc.left || rc.bottom <= rc.top;
}
}

BOOL CChartLegend::CreateNameFont(CFont& font, CDC* dc) const
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, strFontFace.c_str(), FACE_MAX);
    lf.lfHeight = nFontSizeTenths;
    return font.CreatePointFontIndirect(&lf, dc);
}

// Next series with a legend entry: named and visible.
CChartSerie* CChartLegend::NextEntry()
{
    for (CChartSerie* s = pCtrl->NextSeries(); s; s = pCtrl->NextSeries())
        if (!s->strName.empty() && s->bVisible)
            return s;
    return nullptr;
}

void CChartLegend::Layout(CDC* dc, const RECT& area)
{
    SetRectEmpty(&rcLegend);
    if (!bVisible)
        return;
    CFont font;
    CreateNameFont(font, dc);
    int sumWidth = 0;
    int sumHeight = 0;
    int largest = 0;
    int count = 0;
    {
        CChartSelect select(dc->GetSafeHdc(), font.GetSafeHandle());
        pCtrl->RewindSeries();
        for (CChartSerie* s = NextEntry(); s; s = NextEntry())
        {
            ++count;
            const CSize ext = NameExtent(dc, s->strName);
            if (!bHorizontal)
            {
                sumHeight += std::max(static_cast<int>(ext.cy), nKeyHeight) + 2;
                largest = std::max(largest, static_cast<int>(ext.cx));
            }
            else
            {
                sumWidth += nKeyWidth + ext.cx + 14;
                largest = std::max(largest, static_cast<int>(ext.cy));
            }
        }
    }
    if (count == 0)
        return;
    if (!bHorizontal)
        PlaceBox(area, nKeyWidth + largest + 12, sumHeight + 6);
    else
        PlaceBox(area, sumWidth - 6, std::max(nKeyHeight, largest) + 8);
}

void CChartLegend::PlaceBox(const RECT& area, int width, int height)
{
    RECT& rc = rcLegend;
    if (!bAttachedToSide)
    {
        SetRect(&rc, nLeft, nTop, nLeft + width, nTop + height + 2);
        return;
    }
    const int middleTop = area.top + (area.bottom - area.top) / 2 - (height + 2) / 2;
    const int middleLeft = area.left + (area.right - area.left) / 2 - width / 2;
    switch (eSide)
    {
    case ChartLegendSide::Right:
        SetRect(&rc, area.right - width - 6, middleTop, area.right - 6, middleTop + height);
        break;
    case ChartLegendSide::Left:
        SetRect(&rc, area.left + 3, middleTop, area.left + 3 + width, middleTop + height);
        break;
    case ChartLegendSide::Top:
        SetRect(&rc, middleLeft, area.top + 3, middleLeft + width, area.top + 3 + height);
        break;
    case ChartLegendSide::Bottom:
        SetRect(&rc, middleLeft, area.bottom - height - 2, middleLeft + width, area.bottom - 2);
        break;
    }
}

void CChartLegend::Paint(CDC* dc)
{
    if (!dc || !dc->GetSafeHdc() || !bVisible || IsEmptyRect(rcLegend))
        return;
    HDC hdc = dc->GetSafeHdc();
    CPen pen;
    pen.Attach(::CreatePen(PS_SOLID, 0, RGB(0, 0, 0)));
    CFont font;
    CreateNameFont(font, dc);

    if (bDropShadow)
    {
        RECT shadow = rcLegend;
        OffsetRect(&shadow, nShadowOffset, nShadowOffset);
        FillSolid(hdc, shadow, crShadow);
    }
    if (!bTransparent)
        FillSolid(hdc, rcLegend, crBackground);

    CChartSelect selectFont(hdc, font.GetSafeHandle());
    CChartSelect selectPen(hdc, pen.GetSafeHandle());
    const RECT& box = rcLegend;
    ChartDrawBox(hdc, box);

    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    RECT key = {box.left + 2, box.top + 5, box.left + 2 + nKeyWidth, box.top + 6 + nKeyHeight};
    pCtrl->RewindSeries();
    for (CChartSerie* s = NextEntry(); s; s = NextEntry())
    {
        const CSize ext = NameExtent(dc, s->strName);
        RECT keyRect = key;
        int textY;
        int advance;
        if (ext.cy > nKeyHeight)
        {
            textY = key.top;
            OffsetRect(&keyRect, 0, ext.cy / 2 - (key.bottom - key.top) / 2);
            advance = ext.cy;
        }
        else
        {
            textY = (key.top + key.bottom) / 2 - ext.cy / 2;
            advance = nKeyHeight;
        }
        ::ExtTextOutA(hdc, key.right + 4, textY, ETO_CLIPPED, nullptr, s->strName.c_str(),
                      static_cast<UINT>(s->strName.size()), nullptr);
        s->PaintLegendKey(dc, keyRect);
        if (!bHorizontal)
            OffsetRect(&key, 0, advance + 2);
        else
            OffsetRect(&key, ext.cx + 14 + nKeyWidth, 0);
    }
    ::SetBkMode(hdc, oldMode);
}
