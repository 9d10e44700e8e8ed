// A picture decoded through GDI+ (which must be started) into a bitmap that GDI can draw.
#pragma once

#include <windows.h>
#include <objidl.h>

class CImage
{
public:
    CImage() = default;
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // Decodes a picture file's bytes from the stream; S_OK, or E_FAIL leaving the image empty.
    HRESULT Load(IStream* pStream);
    void Destroy();

    bool IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    // A memory device context with the picture selected; every GetDC needs its ReleaseDC.
    HDC GetDC() const;
    void ReleaseDC() const;

private:
    HBITMAP m_hBitmap = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    mutable HDC m_hDC = nullptr;
    mutable HGDIOBJ m_hOldBitmap = nullptr;
    mutable int m_nDCRefs = 0;
};
