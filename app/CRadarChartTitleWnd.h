// The radar page's grey band with its one line of text.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

class CDC;

class CRadarChartTitleWnd : public CWnd
{
    DECLARE_DYNAMIC(CRadarChartTitleWnd)

public:
    // The band's picture onto a device context of the given client size.
    void Draw(CDC& dc, const CRect& client);

    CString m_strText;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
