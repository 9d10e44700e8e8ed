// The page-loop record of one print job: its print dialog with the page range, the page being
// printed and the rectangle to draw it in.
#pragma once

#include "framework/CPrintDialog.h"

#include <windows.h>

class CPrintInfo
{
public:
    // Builds its own print dialog with the page range 1 to 65535.
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = static_cast<WORD>(page); }
    void SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(page); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }

    CPrintDialog* m_pPD;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    RECT m_rectDraw = {0, 0, 0, 0};
};
