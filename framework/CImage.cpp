#include "framework/CImage.h"

#include <gdiplus.h>

namespace gdip = Gdiplus::DllExports;

CImage::~CImage()
{
    Destroy();
}

HRESULT CImage::Load(IStream* pStream)
{
    Destroy();
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (pStream == nullptr || gdip::GdipCreateBitmapFromStream(pStream, &bitmap) != Gdiplus::Ok)
        return E_FAIL;
    UINT width = 0, height = 0;
    HBITMAP decoded = nullptr;
    bool ok = gdip::GdipGetImageWidth(bitmap, &width) == Gdiplus::Ok &&
              gdip::GdipGetImageHeight(bitmap, &height) == Gdiplus::Ok &&
              gdip::GdipCreateHBITMAPFromBitmap(bitmap, &decoded, 0) == Gdiplus::Ok;
    gdip::GdipDisposeImage(bitmap);
    if (!ok || decoded == nullptr)
        return E_FAIL;
    m_hBitmap = decoded;
    m_nWidth = static_cast<int>(width);
    m_nHeight = static_cast<int>(height);
    return S_OK;
}

void CImage::Destroy()
{
    while (m_nDCRefs > 0)
        ReleaseDC();
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_nWidth = m_nHeight = 0;
}

HDC CImage::GetDC() const
{
    if (m_hBitmap == nullptr)
        return nullptr;
    if (m_nDCRefs++ == 0) {
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    }
    return m_hDC;
}

void CImage::ReleaseDC() const
{
    if (m_nDCRefs == 0 || --m_nDCRefs > 0)
        return;
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_hOldBitmap = nullptr;
}
