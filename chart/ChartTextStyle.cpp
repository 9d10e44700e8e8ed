// Font of a chart text, rebuilt only after one of its fields changed.
#include "chart/ChartTextStyle.h"

#include <cstdlib>
#include <cstring>

namespace
{
const int FACE_MAX = 30;
}

CChartTextStyle::~CChartTextStyle()
{
    font.DeleteObject();
}

BOOL CChartTextStyle::CreatePointSizedFont(CFont& target, LOGFONTA lf, CDC* dc)
{
    HDC attrib = dc ? dc->m_hAttribDC : nullptr;
    if (!attrib)
        attrib = dc ? dc->GetSafeHdc() : nullptr;
    POINT pts[2] = {{0, 0}, {0, 0}};
    if (attrib)
    {
        pts[0].y = ::MulDiv(::GetDeviceCaps(attrib, LOGPIXELSY), lf.lfHeight, 720);
        ::DPtoLP(attrib, pts, 2);
    }
    lf.lfHeight = -std::abs(pts[0].y - pts[1].y);
    return target.CreateFontIndirect(&lf);
}

void CChartTextStyle::RebuildFont(CDC* dc)
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfHeight = nSizeTenths;
    std::strncpy(lf.lfFaceName, strFace.c_str(), FACE_MAX);
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    if (bRotated90)
        lf.lfEscapement = lf.lfOrientation = 900;
    font.DeleteObject();
    CreatePointSizedFont(font, lf, dc);
    bFontStale = false;
}

CFont* CChartTextStyle::SelectInto(CDC* dc)
{
    if (bFontStale)
        RebuildFont(dc);
    pOldFont = dc->SelectObject(&font);
    return pOldFont;
}
