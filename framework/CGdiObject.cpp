#include "framework/CGdiObject.h"

#include "framework/CDC.h"
#include "framework/Exceptions.h"
#include "framework/HandleMap.h"

#include <cstdlib>
#include <cstring>
#include <memory>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

// Never destroyed: global GDI objects (the program's fonts) are built before the map's first
// use, so at exit they are destroyed after it, and their destructors still go through it. What
// it holds at exit is only memory; the handles belong to the objects.
CHandleMap<HGDIOBJ, CGdiObject>& GdiMap()
{
    static auto* map = new CHandleMap<HGDIOBJ, CGdiObject>([](CGdiObject& object) { object.m_hObject = nullptr; });
    return *map;
}

// A wrapper of the class that matches the handle's kind, so run-time type tests hold.
std::unique_ptr<CGdiObject> WrapperFor(HGDIOBJ handle)
{
    std::unique_ptr<CGdiObject> object;
    switch (::GetObjectType(handle)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        object = std::make_unique<CPen>();
        break;
    case OBJ_BRUSH:
        object = std::make_unique<CBrush>();
        break;
    case OBJ_FONT:
        object = std::make_unique<CFont>();
        break;
    case OBJ_BITMAP:
        object = std::make_unique<CBitmap>();
        break;
    case OBJ_REGION:
        object = std::make_unique<CRgn>();
        break;
    default:
        object = std::make_unique<CGdiObject>();
        break;
    }
    object->m_hObject = handle;
    return object;
}

}  // namespace

// ---- CGdiObject

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* self = this;
    asm("" : "+r"(self));
    return self != nullptr ? self->m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (handle == nullptr || m_hObject != nullptr)
        return FALSE;
    GdiMap().SetPermanent(handle, this);
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    if (handle != nullptr)
        GdiMap().RemovePermanent(handle, this);
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ handle = Detach();
    return handle != nullptr && ::DeleteObject(handle);
}

int CGdiObject::GetObject(int size, void* buffer) const
{
    return ::GetObjectA(m_hObject, size, buffer);
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(::GetStockObject(index));
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    return GdiMap().FromHandle(handle, WrapperFor);
}

void CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemporary();
}

void CGdiObject::AttachOrThrow(HGDIOBJ handle)
{
    if (!Attach(handle))
        AfxThrowResourceException();
}

// ---- CPen

CPen::CPen(int style, int width, COLORREF color)
{
    AttachOrThrow(::CreatePen(style, width, color));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return Attach(::CreatePen(style, width, color));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    return Attach(::CreatePenIndirect(logPen));
}

// ---- CBrush

CBrush::CBrush(COLORREF color)
{
    AttachOrThrow(::CreateSolidBrush(color));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int index, COLORREF color)
{
    return Attach(::CreateHatchBrush(index, color));
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    return Attach(::GetSysColorBrush(index));
}

// ---- CFont

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    return Attach(::CreateFontIndirectA(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName)
{
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                                outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = pointSizeTenths;
    if (faceName != nullptr)
        std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&logFont, dc);
}

// Tenths of a point become device pixels through the device's LOGPIXELSY, then logical units
// through the context's mapping, measured from the mapped origin.
BOOL CFont::CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc)
{
    HDC attrib = dc != nullptr ? dc->m_hAttribDC : nullptr;
    HDC screen = attrib == nullptr ? ::GetDC(nullptr) : nullptr;
    HDC hdc = attrib != nullptr ? attrib : screen;
    POINT height = {0, ::MulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), logFont->lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(hdc, &height, 1);
    ::DPtoLP(hdc, &origin, 1);
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    LOGFONTA scaled = *logFont;
    scaled.lfHeight = -std::abs(height.y - origin.y);
    return CreateFontIndirect(&scaled);
}

int CFont::GetLogFont(LOGFONTA* logFont) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), logFont);
}

// ---- CBitmap

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)));
}

BOOL CBitmap::LoadBitmap(const char* resourceName)
{
    return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), resourceName));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const
{
    return ::GetObjectA(m_hObject, sizeof(BITMAP), bitmap);
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size);
}

// ---- CRgn

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect)
{
    return Attach(::CreateRectRgnIndirect(rect));
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return Attach(::CreateEllipticRgn(left, top, right, bottom));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height)
{
    return Attach(::CreateRoundRectRgn(left, top, right, bottom, width, height));
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom)
{
    ::SetRectRgn(static_cast<HRGN>(m_hObject), left, top, right, bottom);
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(a->GetSafeHandle()),
                        static_cast<HRGN>(b->GetSafeHandle()), mode);
}

int CRgn::OffsetRgn(int dx, int dy)
{
    return ::OffsetRgn(static_cast<HRGN>(m_hObject), dx, dy);
}

int CRgn::GetRgnBox(LPRECT rect) const
{
    return ::GetRgnBox(static_cast<HRGN>(m_hObject), rect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y);
}
