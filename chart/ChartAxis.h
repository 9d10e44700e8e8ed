// Base of the chart's numeric and date-time axes: range, value/pixel mapping, zoom,
// pan, scroll, margin reservation and painting of line, ticks, labels and grid.
#pragma once

#include <windows.h>

#include <list>
#include <string>
#include <vector>

#include "chart/ChartTypes.h"

class CDC;
class CChartCtrl;
class CChartSerie;
class CChartGrid;
class CChartAxisLabel;
class CChartScrollBar;

// How an axis's range follows its series.
enum class ChartRangeMode : int
{
    Fixed = 0,
    AllPoints = 1,
    VisiblePoints = 2
};

class CChartAxis
{
public:
    CChartAxis();
    virtual ~CChartAxis();

    CChartAxis(const CChartAxis&) = delete;
    CChartAxis& operator=(const CChartAxis&) = delete;

    virtual void SetBinned(bool b);
    virtual double PixelToValue(int pixel) const;
    virtual double FirstTick() const = 0;
    // Stores the tick after current in next; true while next lies after current and still
    // within the range.
    virtual bool TickAfter(double current, double& next) const = 0;
    virtual int TickPixel(double value) const = 0;
    virtual int BinMidPixel(double value) const = 0;
    virtual int ValueToPixel(double value) const;
    virtual std::string FormatTickText(double value) const = 0;
    virtual void ChooseTickStep() = 0;
    virtual void AlignFirstTick() = 0;
    virtual void ScrollSteps(int& steps, int& position) const;
    virtual void ApplyScrollStep(int oldPosition, int newPosition, bool reversed);
    virtual void PanByPixels(int fromPixel, int toPixel);
    virtual void ZoomTo(double newMin, double newMax);

    // Layout, called by the control for each present axis.
    void SetPixelSpan(const RECT& area, const RECT& plot);
    int ReserveMargin(const RECT& area, RECT* plot, CDC* dc);
    void DockScrollBar();

    // The tick walk: dMin alone for an empty range, else FirstTick and each TickAfter while it
    // answers true; the first tick is kept even beyond dMax.
    std::vector<double> TickValues() const;
    int LabelPixel(double value) const;
    bool IsLabelInside(double value) const;
    SIZE MaxTickLabelExtent(CDC* dc) const;

    // Painting (second layout pass).
    void Paint(CDC* dc);
    void PaintTick(double value, CDC* dc);
    void PlaceAxisLabel(CDC* dc);

    // Series drawn against this axis (not owned).
    void LinkSeries(CChartSerie* series);
    void UnlinkSeries(CChartSerie* series);
    void SeriesBounds(double& min, double& max) const;
    void FitRangeToSeries();

    void RestoreHomeRange();
    void SyncScrollBar();

    CChartCtrl* pCtrl = nullptr;
    bool bHorizontal = true;
    bool bInverted = false;
    ChartRangeMode eRangeMode = ChartRangeMode::Fixed;
    bool bVisible = true;
    bool bSecondary = false;
    double dMax = 0.0;
    double dMin = 0.0;
    double dHomeMin = 0.0;
    double dHomeMax = 0.0;
    bool bAutoStep = true;
    bool bBinned = false;
    int nStartPixel = 0;
    int nEndPixel = 0;
    RECT rcAxis = {0, 0, 0, 0};
    int nFontSizeTenths = 80;  // tick labels, 8.0 pt
    std::string strFontFace = "Microsoft Sans Serif";
    COLORREF crText = 0;
    COLORREF crLine = 0;
    CChartGrid* pGrid;                        // owned
    CChartAxisLabel* pLabel;                  // owned
    std::list<CChartSerie*> lstLinkedSeries;  // not owned
    bool bRecalcMargin = true;
    int nMargin = 0;
    bool bZoomAllowed = true;
    double dMinZoomSpan = 0.001;
    CChartScrollBar* pAxisScrollBar = nullptr;  // owned; created by the control

private:
    int SpanLength() const;
    int MiddlePixel() const;
    bool IsPixelInSpan(int pixel) const;
    void LinkedSeriesBounds(bool visiblePointsOnly, double& min, double& max) const;
    bool ScrollBarRunsAgainstValues() const;
};
