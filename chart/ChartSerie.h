// Abstract series: what the control, its axes and its legend reach every series through.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/ChartFrameworkIncludes.h"

#include <string>

class CChartCtrl;
class CChartAxis;
class CChartSerie;

// Series are numbered in creation order over the life of the process, across controls.
extern unsigned g_nextSeriesId;

// Object drawn over a series after every series was painted; owned by its series.
class CChartAnnotation
{
public:
    virtual ~CChartAnnotation() = default;
    virtual void Paint(CDC* dc, int key) = 0;
};

// Receiver of mouse events that hit a series; not owned by the series.
class CChartSeriesMouseSink
{
public:
    virtual ~CChartSeriesMouseSink() = default;
    virtual void OnSeriesMouse(ChartMouseEvent ev, CPoint pt, CChartSerie* series, unsigned index) = 0;
};

class CChartSerie
{
public:
    explicit CChartSerie(CChartCtrl* ctrl);
    CChartSerie(const CChartSerie&) = delete;
    CChartSerie& operator=(const CChartSerie&) = delete;

    virtual unsigned PointCount() const = 0;
    virtual CPoint IndexToPixel(unsigned i) const = 0;
    virtual bool YBounds(double& min, double& max) const = 0;
    virtual bool XBounds(double& min, double& max) const = 0;
    virtual bool XBoundsVisible(double& min, double& max) const = 0;
    virtual bool YBoundsVisible(double& min, double& max) const = 0;
    virtual ~CChartSerie();
    virtual bool HitTest(const CPoint& pt, unsigned& index) const = 0;
    virtual bool VisibleIndexRange(unsigned& first, unsigned& last) const = 0;
    virtual void PaintLegendKey(CDC* dc, const RECT& rc) = 0;
    virtual void PaintNewPoints(CDC* dc) = 0;
    virtual void PaintVisible(CDC* dc) = 0;
    virtual void PaintAnnotations(CDC* dc) = 0;
    virtual bool HandleMouse(ChartMouseEvent ev, const CPoint& pt) = 0;

    CPoint ValuesToPixel(double x, double y) const;
    // After a data change: refits both axes and redraws the control once.
    void RescaleAndRedraw();

    CChartCtrl* pCtrl;
    CChartAxis* pYAxis = nullptr;
    CChartAxis* pXAxis = nullptr;
    std::string strName;
    bool bVisible = true;
    bool bDropShadow = false;
    COLORREF crSeries = 0;
    COLORREF crShadow = 0x969696;
    int nShadowOffset = 2;
    RECT rcPlot = {0, 0, 0, 0};
    unsigned nSeriesId;
    bool bNotifyClicks = true;
    bool bNotifyMoves = false;
};
