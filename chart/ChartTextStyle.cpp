// Font of a chart text, rebuilt only after one of its fields changed.
#include "chart/ChartTextStyle.h"

#include <cstring>

namespace
{
const int FACE_MAX = 30;
}

CChartTextStyle::~CChartTextStyle()
{
    font.DeleteObject();
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
    // lfHeight holds tenths of a point: the point-size rule turns it into logical units of dc.
    font.CreatePointFontIndirect(&lf, dc);
    bFontStale = false;
}

CFont* CChartTextStyle::SelectInto(CDC* dc)
{
    if (bFontStale)
        RebuildFont(dc);
    pOldFont = dc->SelectObject(&font);
    return pOldFont;
}
