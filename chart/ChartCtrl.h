// The chart window: owns axes, series, legend and title, lays them out and paints them
// into an off-screen picture that WM_PAINT copies to the screen.
#pragma once

#include "chart/ChartTypes.h"
#include "chart/ChartFrameworkIncludes.h"

#include <map>
#include <string>

class CChartAxis;
class CChartDateTimeAxis;
class CChartSerie;
class CChartLegend;
class CChartTitle;

enum class ChartGradientMode : int
{
    LeftToRight = 0,
    TopToBottom = 1,
    LeftRightMirror = 2,
    TopBottomMirror = 3,
};

// Default series colours, taken in insertion order modulo 10.
extern const COLORREF g_seriesPalette[10];

// Object drawn over the finished picture; owned by the control.
class CChartOverlay
{
public:
    virtual ~CChartOverlay() = default;
    virtual void OnMouseMove(int x, int y) = 0;
    virtual void OnLButtonDown(int x, int y) = 0;
    virtual void OnLButtonUp(int x, int y) = 0;
    virtual void Paint(CDC* dc) = 0;
};

// Receiver of mouse events on the chart's parts; not owned by the control.
class CChartMouseSink
{
public:
    virtual ~CChartMouseSink() = default;
    virtual void OnTitleMouse(ChartMouseEvent kind, int x, int y) = 0;
    virtual void OnAxisMouse(ChartMouseEvent kind, int x, int y, CChartAxis* axis) = 0;
    virtual void OnLegendMouse(ChartMouseEvent kind, int x, int y) = 0;
    virtual void OnPlotMouse(ChartMouseEvent kind, int x, int y) = 0;
};

void FillGradient(CDC* dc, const RECT* rect, COLORREF from, COLORREF to, ChartGradientMode mode);

class CChartCtrl : public CWnd
{
public:
    CChartCtrl();
    ~CChartCtrl() override;

    static bool RegisterChartClass();

    void PlaceAxis(CChartAxis* axis, ChartAxisSide side);
    CChartDateTimeAxis* AddTimeAxis();
    void InsertSeries(CChartSerie* series);
    CChartAxis* Axis(ChartAxisSide side) const { return apAxisBySide[static_cast<int>(side)]; }

    void Redraw();
    void SuspendRedraw();
    void ResumeRedraw();

    CChartSerie* RewindSeries();
    CChartSerie* NextSeries();

    void RouteMouseEvent(ChartMouseEvent kind, CPoint point);
    void ResetZoom();

    // A printer length in logical units: measured in screen pixels and taken at three quarters.
    static int PrintLogicalLength(int deviceUnits, int screenDpi, int printerDpi);

    virtual void PrintToDC(CDC* dc, const std::string& heading);
    virtual void PrintWithDialog(const std::string& name, CPrintDialog* dialog);
    virtual void PreparePrint(CDC* dc, CPrintInfo* info);
    virtual void DrawPrintPage(CDC* dc, CPrintInfo* info, const std::string& heading);
    virtual void FinishPrint(CDC* dc, CPrintInfo* info);
    virtual void RenderChart(CDC* dc, RECT area);
    virtual void RenderBackground(CDC* dc, RECT rect);

    // Number of times the chart was laid out and painted into the off-screen picture.
    unsigned RenderCount() const { return nRenderCount; }

    int nRedrawEnable = 1;
    bool bRedrawPending = false;
    CDC dcBuffer;
    bool bPaintedOnce = false;
    bool bGradient = false;
    COLORREF crGradientFrom;
    COLORREF crGradientTo;
    ChartGradientMode eGradientMode = ChartGradientMode::TopToBottom;
    COLORREF crBackground;
    COLORREF crPlotBorder = 0;
    int nBorderEdge = EDGE_RAISED;
    RECT rcPlot = {0, 0, 0, 0};
    std::map<unsigned, CChartSerie*> mapSeriesById;  // owned
    CChartAxis* apAxisBySide[CHART_AXIS_SIDES] = {};  // owned
    CChartLegend* pLegendBox;
    CChartTitle* pTitleBlock;
    bool bPanAllowed = true;
    bool bPanning = false;
    POINT ptPanLast = {0, 0};
    bool bZoomAllowed = true;
    bool bZooming = false;
    RECT rcZoom = {0, 0, 0, 0};
    COLORREF crZoomRect = 0xFFFFFF;
    CFont fontPrintChart;
    CFont fontPrintHeading;
    SIZE szPrintLogical = {0, 0};
    SIZE szPrintDevice = {0, 0};
    std::map<int, CChartOverlay*> mapOverlays;  // owned
    CChartMouseSink* pMouseSink = nullptr;
    bool bArrowCursor = true;
    std::map<unsigned, CChartSerie*>::iterator itSeriesCursor;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnRButtonDblClk(UINT flags, CPoint point);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);

    DECLARE_MESSAGE_MAP()

private:
    void LayoutAxes(CDC* dc, const RECT& area, bool paint);
    void PaintPlotBorder(CDC* dc);
    void PaintSeries(CDC* dc);
    void CutAreaForLegend(RECT& area) const;
    void ZoomToBox();
    void PanAxes(CPoint point);
    void ShowHoveredScrollBar(CPoint point);
    void HandleScroll(UINT code, UINT pos, CScrollBar* bar);
    bool InPlot(CPoint point) const;
    void ReleaseBuffer();
    void RunPendingRedraw();
    bool PrintPages(CDC* dc, CPrintInfo* info, const std::string& heading);

    CBitmap bmpBuffer;  // lives as long as dcBuffer's DC
    HGDIOBJ hOldBufferBitmap = nullptr;
    unsigned nRenderCount = 0;
};
