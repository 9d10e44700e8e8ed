#include "framework/CDC.h"

#include "framework/CWnd.h"
#include "framework/Exceptions.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

CHandleMap<HDC, CDC>& DcMap()
{
    static CHandleMap<HDC, CDC> map([](CDC& dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; });
    return map;
}

template <typename T>
T* Displaced(HGDIOBJ old)
{
    return old != nullptr && old != HGDI_ERROR ? static_cast<T*>(CGdiObject::FromHandle(old)) : nullptr;
}

}  // namespace

CDC::~CDC()
{
    DeleteDC();
}

HDC CDC::GetSafeHdc() const
{
    const CDC* self = this;
    asm("" : "+r"(self));
    return self != nullptr ? self->m_hDC : nullptr;
}

void CDC::SetHandles(HDC hDC)
{
    m_hDC = hDC;
    m_hAttribDC = hDC;
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    DcMap().SetPermanent(hDC, this);
    SetHandles(hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        DcMap().RemovePermanent(hDC, this);
    SetHandles(nullptr);
    return hDC;
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DcMap().FromHandle(hDC, [](HDC handle) {
        auto dc = std::make_unique<CDC>();
        dc->SetHandles(handle);
        return dc;
    });
}

void CDC::DeleteTempMap()
{
    DcMap().DeleteTemporary();
}

BOOL CDC::CreateDC(const char* driver, const char* device, const char* output, const DEVMODEA* initData)
{
    return Attach(::CreateDCA(driver, device, output, initData));
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    return Attach(::CreateCompatibleDC(dc->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    HDC hDC = Detach();
    return hDC != nullptr && ::DeleteDC(hDC);
}

// ---- Objects

CPen* CDC::SelectObject(CPen* pen)
{
    return Displaced<CPen>(::SelectObject(m_hDC, pen->GetSafeHandle()));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return Displaced<CBrush>(::SelectObject(m_hDC, brush->GetSafeHandle()));
}

CFont* CDC::SelectObject(CFont* font)
{
    return Displaced<CFont>(::SelectObject(m_hDC, font->GetSafeHandle()));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return Displaced<CBitmap>(::SelectObject(m_hDC, bitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* region)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, region->GetSafeHandle())));
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ handle)
{
    return Displaced<CGdiObject>(::SelectObject(m_hDC, handle));
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return SelectGdiObject(::GetStockObject(index));
}

CPen* CDC::GetCurrentPen() const
{
    return Displaced<CPen>(::GetCurrentObject(m_hDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return Displaced<CBrush>(::GetCurrentObject(m_hDC, OBJ_BRUSH));
}

CFont* CDC::GetCurrentFont() const
{
    return Displaced<CFont>(::GetCurrentObject(m_hDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return Displaced<CBitmap>(::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int savedDC)
{
    return ::RestoreDC(m_hDC, savedDC);
}

// ---- Attributes

int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
int CDC::SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

// ---- Mapping

int CDC::SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old = {};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CPoint CDC::GetViewportOrg() const
{
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return CPoint(point);
}

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT old = {};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &old);
    return CPoint(old);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE old = {};
    ::SetViewportExtEx(m_hDC, cx, cy, &old);
    return CSize(old);
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return CSize(size);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old = {};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return CPoint(point);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE old = {};
    ::SetWindowExtEx(m_hDC, cx, cy, &old);
    return CSize(old);
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return CSize(size);
}

void CDC::LPtoDP(LPPOINT points, int count) const { ::LPtoDP(m_hAttribDC, points, count); }
void CDC::LPtoDP(LPRECT rect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2); }
void CDC::DPtoLP(LPPOINT points, int count) const { ::DPtoLP(m_hAttribDC, points, count); }
void CDC::DPtoLP(LPRECT rect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2); }

// ---- Clipping

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}

int CDC::IntersectClipRect(const RECT* rect)
{
    return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    return ::ExcludeClipRect(m_hDC, left, top, right, bottom);
}

int CDC::SelectClipRgn(CRgn* region)
{
    return ::SelectClipRgn(m_hDC, static_cast<HRGN>(region->GetSafeHandle()));
}

int CDC::SelectClipRgn(CRgn* region, int mode)
{
    return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(region->GetSafeHandle()), mode);
}

int CDC::GetClipBox(LPRECT rect) const
{
    return ::GetClipBox(m_hDC, rect);
}

// ---- Lines and shapes

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

CPoint CDC::GetCurrentPosition() const
{
    POINT point = {};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return CPoint(point);
}

BOOL CDC::Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
BOOL CDC::PolyBezier(const POINT* points, int count) { return ::PolyBezier(m_hDC, points, static_cast<DWORD>(count)); }
BOOL CDC::Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
BOOL CDC::Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
BOOL CDC::Rectangle(const RECT* rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height)
{
    return ::RoundRect(m_hDC, left, top, right, bottom, width, height);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }
BOOL CDC::Ellipse(const RECT* rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }

BOOL CDC::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, left, top, right, bottom, x3, y3, x4, y4);
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, left, top, right, bottom, x3, y3, x4, y4);
}

void CDC::FillRect(const RECT* rect, CBrush* brush)
{
    ::FillRect(m_hDC, rect, static_cast<HBRUSH>(brush->GetSafeHandle()));
}

// Fills through the background colour, the usual way to paint a solid area without a brush.
void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    const COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

void CDC::FrameRect(const RECT* rect, CBrush* brush)
{
    ::FrameRect(m_hDC, rect, static_cast<HBRUSH>(brush->GetSafeHandle()));
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
BOOL CDC::DrawFocusRect(const RECT* rect) { return ::DrawFocusRect(m_hDC, rect); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

// ---- Text

BOOL CDC::TextOut(int x, int y, const char* text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }
BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text.GetString(), text.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const INT* dx)
{
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, count, dx);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const CString& text, const INT* dx)
{
    return ExtTextOut(x, y, options, rect, text.GetString(), static_cast<UINT>(text.GetLength()), dx);
}

int CDC::DrawText(const char* text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextA(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

CSize CDC::GetTextExtent(const char* text, int count) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hAttribDC, text, count, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

CSize CDC::GetOutputTextExtent(const CString& text) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, text.GetString(), text.GetLength(), &size);
    return CSize(size);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, metrics);
}

// ---- Bitmaps

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source->GetSafeHdc(), xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source->GetSafeHdc(), xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    return ::PatBlt(m_hDC, x, y, width, height, rop);
}

// ---- Printing

int CDC::StartDoc(LPDOCINFOA docInfo) { return ::StartDocA(m_hDC, docInfo); }

int CDC::StartDoc(const char* docName)
{
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = docName;
    return StartDoc(&info);
}

int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }
int CDC::AbortDoc() { return ::AbortDoc(m_hDC); }

int CDC::Escape(int escape, int inputSize, const char* input, void* output)
{
    return ::Escape(m_hDC, escape, inputSize, input, output);
}

// ---- Window contexts, given back on destruction

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd())
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd())
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
