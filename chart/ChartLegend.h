// Framed box listing the named, visible series, each as a key and its name.
#pragma once

#include "chart/ChartFrameworkIncludes.h"

#include <string>

class CChartCtrl;
class CChartSerie;

enum class ChartLegendSide : int
{
    Right = 0,
    Left = 1,
    Top = 2,
    Bottom = 3,
};

class CChartLegend
{
public:
    explicit CChartLegend(CChartCtrl* ctrl) : pCtrl(ctrl) {}
    CChartLegend(const CChartLegend&) = delete;
    CChartLegend& operator=(const CChartLegend&) = delete;
    virtual ~CChartLegend() = default;

    void Layout(CDC* dc, const RECT& area);
    void Paint(CDC* dc);

    CChartCtrl* pCtrl;
    RECT rcLegend = {0, 0, 0, 0};
    std::string strFontFace = "Times New Roman";
    int nFontSizeTenths = 100;
    bool bAttachedToSide = true;
    ChartLegendSide eSide = ChartLegendSide::Right;
    int nLeft = 0;
    int nTop = 0;
    bool bVisible = false;
    bool bTransparent = false;
    bool bHorizontal = false;
    bool bDropShadow = true;
    int nShadowOffset = 3;
    COLORREF crBackground = 0xFFFFFF;
    COLORREF crShadow = 0;  // owners that show the shadow set it first
    int nKeyWidth = 16;
    int nKeyHeight = 16;

private:
    BOOL CreateNameFont(CFont& font, CDC* dc) const;
    CChartSerie* NextEntry();
    void PlaceBox(const RECT& area, int width, int height);
};
