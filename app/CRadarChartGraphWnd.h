// The radar chart itself: a week of one value per minute on eleven rings and seven day spokes,
// drawn with GDI+ on screen and on a printed page.
#pragma once

#include "app/CGdiplusGraphics.h"
#include "app/RadarConstants.h"
#include "app/RadarGeometry.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

class CDC;
class CRect;

class CRadarChartGraphWnd : public CWnd
{
    DECLARE_DYNAMIC(CRadarChartGraphWnd)

public:
    CRadarChartGraphWnd();
    ~CRadarChartGraphWnd() override;
    CRadarChartGraphWnd(const CRadarChartGraphWnd&) = delete;
    CRadarChartGraphWnd& operator=(const CRadarChartGraphWnd&) = delete;

    // Takes the scale of the kind from g_radarScales; an unknown kind keeps the current one.
    void SetScaleForKind(int nKind);
    // Draws the week on one printed page; scale turns 1/300 inch into printer pixels.
    void PrintPage(CDC* pDC, double scale);

    // The whole screen picture onto a device context of the given client size.
    void DrawChart(CDC& dc, const CRect& client);

    int m_nKind;
    int m_nScaleMin;
    int m_nScaleMax;
    int m_nScaleStep;
    int m_nCount;
    CString m_strKindName;
    CString m_strStart;
    CString m_strEnd;
    float* m_pValues;   // RADAR_MINUTES slots, RADAR_NO_VALUE where there is no reading
    double* m_pAngles;  // RADAR_MINUTES angles in radians, counter-clockwise from the x axis

    // Status of the last failed GDI+ call of the last drawing (Ok when none failed).
    Gdiplus::GpStatus m_lastGdiplusStatus = Gdiplus::Ok;

protected:
    void OnPaint();

    void DrawRing(CGdiplusGraphics& graphics, int cx, int cy, int radius, bool bDashed);
    void DrawRings(CGdiplusGraphics& graphics, int cx, int cy, int ringStep);
    void DrawSpokes(CGdiplusGraphics& graphics, int cx, int cy, const POINT ends[RADAR_SPOKE_COUNT]);
    void DrawTrace(CGdiplusGraphics& graphics, int cx, int cy, float scale);
    // Leaves rect one step above the last label.
    void DrawRingLabels(CDC& dc, CRect& rect, int ringStep);

    DECLARE_MESSAGE_MAP()
};
