// The radar page's grey band with its one line of text.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

class CRadarChartTitleWnd : public CWnd
{
    DECLARE_DYNAMIC(CRadarChartTitleWnd)

public:
    CString m_strText;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
