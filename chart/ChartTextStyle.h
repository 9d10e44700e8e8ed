// Font description of the chart's texts; builds its GDI font on demand and caches it.
#pragma once

#include "chart/ChartFrameworkIncludes.h"

#include <string>

class CChartTextStyle
{
public:
    CChartTextStyle() = default;
    CChartTextStyle(const CChartTextStyle&) = delete;
    CChartTextStyle& operator=(const CChartTextStyle&) = delete;
    ~CChartTextStyle();

    // Selects the (rebuilt when stale) font into dc; the caller selects pOldFont back and clears it.
    CFont* SelectInto(CDC* dc);

    // Creates font from lf whose lfHeight holds tenths of a point, sized for dc's attribute device.
    static BOOL CreatePointSizedFont(CFont& font, LOGFONTA lf, CDC* dc);

    std::string strFace = "Microsoft Sans Serif";  // at most 30 characters
    int nSizeTenths = 100;
    bool bItalic = false;
    bool bBold = false;
    bool bUnderline = false;
    bool bRotated90 = false;
    CFont font;
    bool bFontStale = true;
    CFont* pOldFont = nullptr;

private:
    void RebuildFont(CDC* dc);
};
