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

// Selects a style's font into a DC (nothing for a null style) and selects the font it displaced
// back on destruction, clearing the style's pOldFont.
class CChartStyleFont
{
public:
    CChartStyleFont(CChartTextStyle* style, CDC* dc) : m_style(style), m_dc(dc)
    {
        if (m_style)
            m_style->SelectInto(m_dc);
    }
    ~CChartStyleFont()
    {
        if (!m_style)
            return;
        m_dc->SelectObject(m_style->pOldFont);
        m_style->pOldFont = nullptr;
    }
    CChartStyleFont(const CChartStyleFont&) = delete;
    CChartStyleFont& operator=(const CChartStyleFont&) = delete;

private:
    CChartTextStyle* m_style;
    CDC* m_dc;
};
