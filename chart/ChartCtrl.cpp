// Chart window: window class, axes and series ownership, redraw batching, layout and
// off-screen painting, mouse zoom/pan, axis scroll bars and printing.
#include "chart/ChartCtrl.h"

#include "chart/ChartAxis.h"
#include "chart/ChartAxisLabel.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartGdiGuards.h"
#include "chart/ChartGrid.h"
#include "chart/ChartLegend.h"
#include "chart/ChartScrollBar.h"
#include "chart/ChartSerie.h"
#include "chart/ChartTitle.h"

namespace
{
const char CHART_CLASS_NAME[] = "ChartCtrl";
const UINT SCROLL_BAR_ID = 100;
const int CHART_INSET = 3;
const int PRINT_HEADING_HEIGHT = -20;  // character heights in logical units of the print page
const int PRINT_CHART_HEIGHT = -10;

// Order in which zoom and its reset visit the axes.
const ChartAxisSide ZOOM_ORDER[] = {ChartAxisSide::Bottom, ChartAxisSide::Left, ChartAxisSide::Top,
                                    ChartAxisSide::Right};

int SideIndex(ChartAxisSide side)
{
    return static_cast<int>(side);
}

bool IsHorizontalSide(ChartAxisSide side)
{
    return side == ChartAxisSide::Bottom || side == ChartAxisSide::Top;
}

bool IsSecondarySide(ChartAxisSide side)
{
    return side == ChartAxisSide::Right || side == ChartAxisSide::Top;
}

bool RectIsEmpty(const RECT& rc)
{
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

void CreatePrintFont(CFont& font, int height)
{
    font.Attach(::CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                              CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial"));
}

TRIVERTEX Vertex(int x, int y, COLORREF color)
{
    TRIVERTEX v;
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    v.Alpha = 0;
    return v;
}

void GradientRect(HDC hdc, int left, int top, COLORREF from, int right, int bottom, COLORREF to, ULONG mode)
{
    TRIVERTEX vertices[2] = {Vertex(left, top, from), Vertex(right, bottom, to)};
    GRADIENT_RECT rect = {0, 1};
    ::GradientFill(hdc, vertices, 2, &rect, 1, mode);
}
}

const COLORREF g_seriesPalette[10] = {
    0x0000FF, 0x009600, 0xFF0000, 0x00FFFF, 0xFFFF00, 0x0080FF, 0x800080, 0x008080, 0xFF00FF, 0x808040,
};

void FillGradient(CDC* dc, const RECT* rect, COLORREF from, COLORREF to, ChartGradientMode mode)
{
    HDC hdc = dc->GetSafeHdc();
    const RECT& r = *rect;
    switch (mode)
    {
    case ChartGradientMode::LeftToRight:
        GradientRect(hdc, r.left, r.top, from, r.right, r.bottom, to, GRADIENT_FILL_RECT_H);
        break;
    case ChartGradientMode::TopToBottom:
        GradientRect(hdc, r.left, r.top, from, r.right, r.bottom, to, GRADIENT_FILL_RECT_V);
        break;
    case ChartGradientMode::LeftRightMirror:
    {
        const int half = (r.right - r.left) / 2;
        GradientRect(hdc, r.left, r.top, from, r.left + half, r.bottom, to, GRADIENT_FILL_RECT_H);
        GradientRect(hdc, r.left + half, r.top, to, r.left + 2 * half, r.bottom, from, GRADIENT_FILL_RECT_H);
        break;
    }
    default:
    {
        const int half = (r.bottom - r.top) / 2;
        GradientRect(hdc, r.left, r.top, from, r.right, r.top + half, to, GRADIENT_FILL_RECT_V);
        GradientRect(hdc, r.left, r.top + half, to, r.right, r.top + 2 * half, from, GRADIENT_FILL_RECT_V);
        break;
    }
    }
}

BEGIN_MESSAGE_MAP(CChartCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK()
    ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CChartCtrl::CChartCtrl()
{
    RegisterChartClass();
    crGradientFrom = ::GetSysColor(COLOR_BTNFACE);
    crGradientTo = ::GetSysColor(COLOR_BTNFACE);
    crBackground = ::GetSysColor(COLOR_BTNFACE);
    itSeriesCursor = mapSeriesById.end();
    pLegendBox = new CChartLegend(this);
    pTitleBlock = new CChartTitle(this);
    CreatePrintFont(fontPrintHeading, PRINT_HEADING_HEIGHT);
    CreatePrintFont(fontPrintChart, PRINT_CHART_HEIGHT);
}

// Series go first: each unlinks itself from its axes, which must still exist.
CChartCtrl::~CChartCtrl()
{
    for (auto& entry : mapSeriesById)
        delete entry.second;
    mapSeriesById.clear();
    for (auto& entry : mapOverlays)
        delete entry.second;
    mapOverlays.clear();
    for (CChartAxis*& axis : apAxisBySide)
    {
        delete axis;
        axis = nullptr;
    }
    delete pLegendBox;
    pLegendBox = nullptr;
    delete pTitleBlock;
    pTitleBlock = nullptr;
    fontPrintChart.DeleteObject();
    fontPrintHeading.DeleteObject();
    ReleaseBuffer();
    DestroyWindow();
}

bool CChartCtrl::RegisterChartClass()
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (::GetClassInfoA(instance, CHART_CLASS_NAME, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = CHART_CLASS_NAME;
    return ::RegisterClassA(&wc) != 0;
}

void CChartCtrl::PlaceAxis(CChartAxis* axis, ChartAxisSide side)
{
    const bool horizontal = IsHorizontalSide(side);
    const bool secondary = IsSecondarySide(side);
    axis->pCtrl = this;
    axis->pGrid->pCtrl = this;
    axis->pLabel->pCtrl = this;
    axis->bHorizontal = horizontal;
    axis->bSecondary = secondary;
    axis->pGrid->bHorizontal = horizontal;
    axis->pLabel->bHorizontal = horizontal;
    axis->pLabel->style.bRotated90 = !horizontal;
    axis->pLabel->style.bFontStale = true;

    delete axis->pAxisScrollBar;  // an axis placed again gets a new bar
    CChartScrollBar* bar = new CChartScrollBar(axis);
    bar->bActive = false;
    bar->bHoverOnly = true;
    axis->pAxisScrollBar = bar;
    const RECT barRect = {rcPlot.left + 1, rcPlot.top + 1, rcPlot.right, rcPlot.bottom};
    if (GetSafeHwnd())
        bar->CreateForAxis(this, barRect, horizontal, secondary, SCROLL_BAR_ID);

    CChartAxis*& slot = apAxisBySide[SideIndex(side)];
    if (slot && slot != axis)
        delete slot;
    slot = axis;
}

CChartDateTimeAxis* CChartCtrl::AddTimeAxis()
{
    CChartDateTimeAxis* axis = new CChartDateTimeAxis();
    PlaceAxis(axis, ChartAxisSide::Bottom);
    return axis;
}

void CChartCtrl::InsertSeries(CChartSerie* series)
{
    if (!series)
        return;
    series->rcPlot = rcPlot;
    series->crSeries = g_seriesPalette[mapSeriesById.size() % 10];
    if (series->pCtrl)
        series->pCtrl->Redraw();
    CChartAxis* left = Axis(ChartAxisSide::Left);
    CChartAxis* bottom = Axis(ChartAxisSide::Bottom);
    series->pXAxis = bottom;
    series->pYAxis = left;
    mapSeriesById[series->nSeriesId] = series;
    SuspendRedraw();
    if (left)
    {
        left->LinkSeries(series);
        left->FitRangeToSeries();
    }
    if (bottom)
    {
        bottom->LinkSeries(series);
        bottom->FitRangeToSeries();
    }
    Redraw();
    ResumeRedraw();
}

void CChartCtrl::SuspendRedraw()
{
    --nRedrawEnable;
    RunPendingRedraw();
}

void CChartCtrl::ResumeRedraw()
{
    ++nRedrawEnable;
    RunPendingRedraw();
}

void CChartCtrl::RunPendingRedraw()
{
    if (nRedrawEnable > 0 && bRedrawPending)
    {
        bRedrawPending = false;
        Redraw();
    }
}

void CChartCtrl::ReleaseBuffer()
{
    if (!dcBuffer.GetSafeHdc())
        return;
    if (hOldBufferBitmap)
        ::SelectObject(dcBuffer.GetSafeHdc(), hOldBufferBitmap);
    hOldBufferBitmap = nullptr;
    bmpBuffer.DeleteObject();
    dcBuffer.DeleteDC();
}

void CChartCtrl::Redraw()
{
    if (!GetSafeHwnd())
        return;
    if (nRedrawEnable < 1)
    {
        bRedrawPending = true;
        return;
    }
    CClientDC client(this);
    RECT rc;
    GetClientRect(&rc);
    if (!dcBuffer.GetSafeHdc())
    {
        dcBuffer.CreateCompatibleDC(&client);
        bmpBuffer.Attach(::CreateCompatibleBitmap(client.GetSafeHdc(), rc.right - rc.left, rc.bottom - rc.top));
        hOldBufferBitmap = ::SelectObject(dcBuffer.GetSafeHdc(), bmpBuffer.GetSafeHandle());
    }
    RenderBackground(&dcBuffer, rc);
    ::InflateRect(&rc, -CHART_INSET, -CHART_INSET);
    RenderChart(&dcBuffer, rc);
    for (CChartAxis* axis : apAxisBySide)
        if (axis)
            axis->DockScrollBar();
    ++nRenderCount;
    ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CChartCtrl::RenderBackground(CDC* dc, RECT rect)
{
    HDC hdc = dc->GetSafeHdc();
    CBrush brush;
    brush.Attach(::CreateSolidBrush(crBackground));
    if (bGradient)
        FillGradient(dc, &rect, crGradientFrom, crGradientTo, eGradientMode);
    else
    {
        ::SetBkColor(hdc, crBackground);
        ::FillRect(hdc, &rect, static_cast<HBRUSH>(brush.GetSafeHandle()));
    }
    ::DrawEdge(hdc, &rect, nBorderEdge, BF_RECT);
}

void CChartCtrl::RenderChart(CDC* dc, RECT area)
{
    rcPlot = area;
    const CSize title = pTitleBlock->Measure(dc);
    SetRect(&pTitleBlock->rcTitle, area.left, area.top, area.right, area.top + title.cy);
    area.top += title.cy;
    pTitleBlock->Paint(dc);

    pLegendBox->Layout(dc, area);
    CutAreaForLegend(area);

    LayoutAxes(dc, area, false);
    LayoutAxes(dc, area, true);
    PaintPlotBorder(dc);
    PaintSeries(dc);
    pLegendBox->Paint(dc);
}

void CChartCtrl::CutAreaForLegend(RECT& area) const
{
    const RECT& legend = pLegendBox->rcLegend;
    if (RectIsEmpty(legend) || !pLegendBox->bAttachedToSide)
        return;
    switch (pLegendBox->eSide)
    {
    case ChartLegendSide::Right:
        area.right = legend.left + 2;
        break;
    case ChartLegendSide::Left:
        area.left = legend.right - 2;
        break;
    case ChartLegendSide::Top:
        area.top = legend.bottom + 2;
        break;
    case ChartLegendSide::Bottom:
        area.bottom = legend.top - 2;
        break;
    }
}

// First pass (paint false) shrinks the plot for every axis's margin; the second places
// each axis on the final plot and paints it.
void CChartCtrl::LayoutAxes(CDC* dc, const RECT& area, bool paint)
{
    for (CChartAxis* axis : apAxisBySide)
    {
        if (!axis)
            continue;
        axis->SetPixelSpan(area, rcPlot);
        if (axis->bAutoStep)
            axis->ChooseTickStep();
        axis->AlignFirstTick();
        if (paint)
            axis->Paint(dc);
        else
            axis->ReserveMargin(area, &rcPlot, dc);
    }
}

void CChartCtrl::PaintPlotBorder(CDC* dc)
{
    HDC hdc = dc->GetSafeHdc();
    CPen pen;
    pen.Attach(::CreatePen(PS_SOLID, 0, crPlotBorder));
    CChartSelect select(hdc, pen.GetSafeHandle());
    ChartDrawBox(hdc, rcPlot);
}

void CChartCtrl::PaintSeries(CDC* dc)
{
    for (auto& entry : mapSeriesById)
    {
        CChartSerie* series = entry.second;
        SetRect(&series->rcPlot, rcPlot.left, rcPlot.top, rcPlot.right + 1, rcPlot.bottom + 1);
        series->PaintVisible(dc);
    }
    CChartClip clip(dc->GetSafeHdc(), rcPlot);
    for (auto& entry : mapSeriesById)
        entry.second->PaintAnnotations(dc);
}

CChartSerie* CChartCtrl::RewindSeries()
{
    itSeriesCursor = mapSeriesById.begin();
    return itSeriesCursor == mapSeriesById.end() ? nullptr : itSeriesCursor->second;
}

CChartSerie* CChartCtrl::NextSeries()
{
    if (itSeriesCursor == mapSeriesById.end())
        return nullptr;
    CChartSerie* series = itSeriesCursor->second;
    ++itSeriesCursor;
    return series;
}

void CChartCtrl::OnPaint()
{
    CPaintDC paint(this);
    if (!bPaintedOnce)
    {
        Redraw();
        bPaintedOnce = true;
    }
    RECT rc;
    GetClientRect(&rc);
    HDC hdc = paint.GetSafeHdc();
    ::BitBlt(hdc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, dcBuffer.GetSafeHdc(), 0, 0, SRCCOPY);
    if (bZoomAllowed && bZooming)
    {
        CPen pen;
        pen.Attach(::CreatePen(PS_SOLID, 1, crZoomRect));
        CChartSelect select(hdc, pen.GetSafeHandle());
        ChartDrawBox(hdc, rcZoom);
    }
    for (auto& entry : mapOverlays)
        entry.second->Paint(&paint);
}

// The blit covers the whole client area: erasing first would only flicker.
BOOL CChartCtrl::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CChartCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    ReleaseBuffer();
    Redraw();
}

bool CChartCtrl::InPlot(CPoint point) const
{
    return ::PtInRect(&rcPlot, point) != FALSE;
}

void CChartCtrl::PanAxes(CPoint point)
{
    SuspendRedraw();
    static const ChartAxisSide vertical[] = {ChartAxisSide::Left, ChartAxisSide::Right};
    static const ChartAxisSide horizontal[] = {ChartAxisSide::Bottom, ChartAxisSide::Top};
    for (ChartAxisSide side : vertical)
        if (CChartAxis* axis = Axis(side))
            axis->PanByPixels(ptPanLast.y, point.y);
    for (ChartAxisSide side : horizontal)
        if (CChartAxis* axis = Axis(side))
            axis->PanByPixels(ptPanLast.x, point.x);
    Redraw();
    ResumeRedraw();
    UpdateWindow();
    ptPanLast = point;
}

// A hover-only bar shows only while the cursor is over its place. Each bar's visibility is set
// once per move (rather than hiding every bar and showing the hovered one again), so the bar
// under the cursor does not flicker.
void CChartCtrl::ShowHoveredScrollBar(CPoint point)
{
    HWND hovered = ::ChildWindowFromPoint(GetSafeHwnd(), point);  // also finds hidden children
    for (CChartAxis* axis : apAxisBySide)
    {
        CChartScrollBar* bar = axis ? axis->pAxisScrollBar : nullptr;
        HWND hwnd = bar ? bar->GetSafeHwnd() : nullptr;
        if (!hwnd || !bar->bActive || !bar->bHoverOnly)
            continue;
        const bool show = hwnd == hovered;
        if (show != (::IsWindowVisible(hwnd) != FALSE))
            ::ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    }
}

void CChartCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (bPanning && bPanAllowed && (point.x != ptPanLast.x || point.y != ptPanLast.y))
        PanAxes(point);
    if (bZooming && bZoomAllowed)
    {
        rcZoom.right = point.x;
        rcZoom.bottom = point.y;
        ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    }
    ShowHoveredScrollBar(point);
    const bool inPlot = InPlot(point);
    if (inPlot)
    {
        for (auto& entry : mapOverlays)
            entry.second->OnMouseMove(point.x, point.y);
        ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    }
    if (!bArrowCursor && inPlot)
        ::SetCursor(nullptr);
    else
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    RouteMouseEvent(ChartMouseEvent::Move, point);
    Default();
}

void CChartCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    ::SetCapture(GetSafeHwnd());
    if (bZoomAllowed)
    {
        bZooming = true;
        SetRect(&rcZoom, point.x, point.y, point.x, point.y);
    }
    if (InPlot(point))
    {
        for (auto& entry : mapOverlays)
            entry.second->OnLButtonDown(point.x, point.y);
        ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    }
    RouteMouseEvent(ChartMouseEvent::LeftDown, point);
    Default();
}

void CChartCtrl::ResetZoom()
{
    SuspendRedraw();
    for (ChartAxisSide side : ZOOM_ORDER)
        if (CChartAxis* axis = Axis(side))
            axis->RestoreHomeRange();
    ResumeRedraw();
}

void CChartCtrl::ZoomToBox()
{
    for (ChartAxisSide side : ZOOM_ORDER)
    {
        CChartAxis* axis = Axis(side);
        if (!axis)
            continue;
        double a;
        double b;
        if (IsHorizontalSide(side))
        {
            a = axis->PixelToValue(rcZoom.left);
            b = axis->PixelToValue(rcZoom.right);
        }
        else
        {
            a = axis->PixelToValue(rcZoom.bottom);
            b = axis->PixelToValue(rcZoom.top);
        }
        if (axis->bInverted)
            axis->ZoomTo(b, a);
        else
            axis->ZoomTo(a, b);
    }
    Redraw();
}

void CChartCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    // The drag ends before the capture goes, so that OnCaptureChanged does not cancel it;
    // a drag that lost the capture earlier was cancelled there and applies nothing.
    const bool dragged = bZooming;
    bZooming = false;
    ::ReleaseCapture();
    if (bZoomAllowed && dragged)
    {
        if (rcZoom.right < rcZoom.left || rcZoom.bottom < rcZoom.top)
            ResetZoom();
        else if (rcZoom.left != rcZoom.right && rcZoom.top != rcZoom.bottom)
            ZoomToBox();
    }
    if (InPlot(point))
    {
        for (auto& entry : mapOverlays)
            entry.second->OnLButtonUp(point.x, point.y);
        ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    }
    RouteMouseEvent(ChartMouseEvent::LeftUp, point);
    Default();
}

void CChartCtrl::OnLButtonDblClk(UINT flags, CPoint point)
{
    RouteMouseEvent(ChartMouseEvent::LeftDouble, point);
    Default();
}

void CChartCtrl::OnRButtonDown(UINT flags, CPoint point)
{
    ::SetCapture(GetSafeHwnd());
    bPanning = true;
    if (bPanAllowed)
        ptPanLast = point;
    RouteMouseEvent(ChartMouseEvent::RightDown, point);
    Default();
}

void CChartCtrl::OnRButtonUp(UINT flags, CPoint point)
{
    ::ReleaseCapture();
    bPanning = false;
    RouteMouseEvent(ChartMouseEvent::RightUp, point);
    Default();
}

void CChartCtrl::OnRButtonDblClk(UINT flags, CPoint point)
{
    RouteMouseEvent(ChartMouseEvent::RightDouble, point);
    Default();
}

// The capture went elsewhere (Alt+Tab, a message box, another window) while a button was held:
// the button's release may never reach us, so the drag is cancelled here. A zoom box is
// dropped unapplied and erased from the screen; a pan keeps what it has moved so far.
LRESULT CChartCtrl::OnCaptureChanged(WPARAM, LPARAM newCapture)
{
    if (reinterpret_cast<HWND>(newCapture) != GetSafeHwnd())
    {
        if (bZooming)
            ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
        bZooming = false;
        bPanning = false;
    }
    return Default();
}

void CChartCtrl::RouteMouseEvent(ChartMouseEvent kind, CPoint point)
{
    if (pMouseSink)
    {
        if (::PtInRect(&pTitleBlock->rcTitle, point))
            pMouseSink->OnTitleMouse(kind, point.x, point.y);
        if (::PtInRect(&pLegendBox->rcLegend, point))
            pMouseSink->OnLegendMouse(kind, point.x, point.y);
        for (CChartAxis* axis : apAxisBySide)
            if (axis && ::PtInRect(&axis->rcAxis, point))
                pMouseSink->OnAxisMouse(kind, point.x, point.y, axis);
        if (InPlot(point))
            pMouseSink->OnPlotMouse(kind, point.x, point.y);
    }
    for (auto it = mapSeriesById.rbegin(); it != mapSeriesById.rend(); ++it)
        if (it->second->HandleMouse(kind, point))
            break;
}

void CChartCtrl::HandleScroll(UINT code, UINT pos, CScrollBar* bar)
{
    CChartScrollBar* chartBar = dynamic_cast<CChartScrollBar*>(bar);
    if (chartBar && chartBar->pAxis)
    {
        HWND hwnd = chartBar->GetSafeHwnd();
        const int current = ::GetScrollPos(hwnd, SB_CTL);
        int min = 0;
        int max = 0;
        ::GetScrollRange(hwnd, SB_CTL, &min, &max);
        bool changed = false;
        const int next = CChartScrollBar::NewPosition(static_cast<int>(code), static_cast<int>(pos), current, min,
                                                      max, changed);
        if (changed)
        {
            ::SetScrollPos(hwnd, SB_CTL, next, TRUE);
            CChartAxis* axis = chartBar->pAxis;
            const bool reversed = axis->bInverted ? axis->bHorizontal : !axis->bHorizontal;
            axis->ApplyScrollStep(current, next, reversed);
        }
    }
    Default();
    Redraw();
}

void CChartCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar)
{
    HandleScroll(code, pos, bar);
}

void CChartCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar)
{
    HandleScroll(code, pos, bar);
}

void CChartCtrl::PrintToDC(CDC* dc, const std::string& heading)
{
    CPrintInfo info;
    HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->GetSafeHdc();
    SetRect(&info.m_rectDraw, 0, 0, ::GetDeviceCaps(attrib, HORZRES), ::GetDeviceCaps(attrib, VERTRES));
    PreparePrint(dc, &info);
    PrintPages(dc, &info, heading);
    FinishPrint(dc, &info);
}

// One page per number of the record's range (PreparePrint leaves one); stops at a failed page.
bool CChartCtrl::PrintPages(CDC* dc, CPrintInfo* info, const std::string& heading)
{
    bool pageOk = true;
    for (UINT page = info->GetMinPage(); page <= info->GetMaxPage() && pageOk; ++page)
    {
        ::StartPage(dc->GetSafeHdc());
        info->m_nCurPage = page;
        DrawPrintPage(dc, info, heading);
        pageOk = ::EndPage(dc->GetSafeHdc()) > 0;
    }
    return pageOk;
}

int CChartCtrl::PrintLogicalLength(int deviceUnits, int screenDpi, int printerDpi)
{
    if (printerDpi <= 0)
        return 0;
    return deviceUnits * screenDpi / printerDpi * 3 / 4;
}

void CChartCtrl::PreparePrint(CDC* dc, CPrintInfo* info)
{
    HDC printer = dc->m_hAttribDC ? dc->m_hAttribDC : dc->GetSafeHdc();
    const int printerDpiX = ::GetDeviceCaps(printer, LOGPIXELSX);
    const int printerDpiY = ::GetDeviceCaps(printer, LOGPIXELSY);
    HDC screen = dcBuffer.GetSafeHdc();
    const int screenDpiX = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
    const int screenDpiY = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    szPrintDevice.cx = ::GetDeviceCaps(printer, HORZRES);
    szPrintDevice.cy = ::GetDeviceCaps(printer, VERTRES);
    szPrintLogical.cx = PrintLogicalLength(szPrintDevice.cx, screenDpiX, printerDpiX);
    szPrintLogical.cy = PrintLogicalLength(szPrintDevice.cy, screenDpiY, printerDpiY);
    info->SetMaxPage(1);
    info->m_nCurPage = 1;
}

void CChartCtrl::DrawPrintPage(CDC* dc, CPrintInfo* info, const std::string& heading)
{
    if (!dc || !info || !dc->GetSafeHdc())
        return;
    HDC hdc = dc->GetSafeHdc();
    CChartSelect headingFont(hdc, fontPrintHeading.GetSafeHandle());
    ::SetMapMode(hdc, MM_ANISOTROPIC);
    ::SetWindowExtEx(hdc, szPrintLogical.cx, szPrintLogical.cy, nullptr);
    ::SetViewportExtEx(hdc, szPrintDevice.cx, szPrintDevice.cy, nullptr);
    ::SetWindowOrgEx(hdc, 0, 0, nullptr);

    RECT band = {0, 15, szPrintLogical.cx, 45};
    ::DrawTextA(hdc, heading.c_str(), static_cast<int>(heading.size()), &band,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetRect(&info->m_rectDraw, 15, 45, szPrintLogical.cx - 15, szPrintLogical.cy - 30);

    // FinishPrint of an earlier print deleted the chart's font: a later print makes it again
    // rather than drawing the chart in the heading's font.
    if (!fontPrintChart.GetSafeHandle())
        CreatePrintFont(fontPrintChart, PRINT_CHART_HEIGHT);
    ::SelectObject(hdc, fontPrintChart.GetSafeHandle());
    RenderChart(dc, info->m_rectDraw);
    ::SetWindowOrgEx(hdc, 0, 0, nullptr);
}

// The print layout overwrote the plot, the axes' spans and the series' rectangles:
// lay the chart out again for the screen.
void CChartCtrl::FinishPrint(CDC*, CPrintInfo*)
{
    fontPrintChart.DeleteObject();
    Redraw();
}

void CChartCtrl::PrintWithDialog(const std::string& name, CPrintDialog* dialog)
{
    CPrintDialog ownDialog(FALSE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE |
                                      PD_HIDEPRINTTOFILE);
    HDC printer = nullptr;
    if (dialog)
        printer = dialog->GetPrinterDC();
    else
    {
        if (ownDialog.DoModal() != IDOK)
            return;
        printer = ownDialog.GetPrinterDC();
    }
    if (!printer)
        return;

    CDC dc;
    dc.Attach(printer);
    dc.m_bPrinting = TRUE;
    DOCINFOA doc = {sizeof(DOCINFOA), name.c_str(), nullptr, nullptr, 0};
    const bool started = ::StartDocA(printer, &doc) > 0;
    CPrintInfo info;
    SetRect(&info.m_rectDraw, 0, 0, ::GetDeviceCaps(printer, HORZRES), ::GetDeviceCaps(printer, VERTRES));
    PreparePrint(&dc, &info);
    bool lastPageOk = false;
    if (started)
        lastPageOk = PrintPages(&dc, &info, name);
    FinishPrint(&dc, &info);
    if (started && lastPageOk)
        ::EndDoc(printer);
    else
        ::AbortDoc(printer);
    // The DC stays with the dialog that made it (ours deletes it when it goes).
    dc.Detach();
}
