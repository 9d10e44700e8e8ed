// Decoding a picture file's bytes from a stream into a bitmap GDI can draw.
#include "framework/CImage.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <gdiplus.h>

#include <cstring>
#include <string>

namespace {

// A 24-bit bottom-up bitmap file whose every pixel is colour (0x00BBGGRR).
std::string BitmapFile(int width, int height, COLORREF colour)
{
    int stride = (width * 3 + 3) & ~3;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char* p = &pixels[static_cast<size_t>(y) * stride + x * 3];
            p[0] = static_cast<char>(GetBValue(colour));
            p[1] = static_cast<char>(GetGValue(colour));
            p[2] = static_cast<char>(GetRValue(colour));
        }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) + pixels;
}

class Image : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&m_token, &input, nullptr));
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

    HRESULT LoadBytes(CImage& image, const std::string& bytes)
    {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
        std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
        ::GlobalUnlock(block);
        IStream* stream = nullptr;
        EXPECT_EQ(S_OK, ::CreateStreamOnHGlobal(block, TRUE, &stream));
        HRESULT result = image.Load(stream);
        stream->Release();
        return result;
    }

    ULONG_PTR m_token = 0;
};

TEST_F(Image, BitmapFileDecodesAtItsOwnSizeAndDrawsItsPixels)
{
    CImage image;
    ASSERT_EQ(S_OK, LoadBytes(image, BitmapFile(7, 5, RGB(10, 120, 200))));
    EXPECT_FALSE(image.IsNull());
    EXPECT_EQ(7, image.GetWidth());
    EXPECT_EQ(5, image.GetHeight());
    HDC dc = image.GetDC();
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(RGB(10, 120, 200), ::GetPixel(dc, 6, 4));
    EXPECT_EQ(dc, image.GetDC()) << "nested uses share one device context";
    image.ReleaseDC();
    image.ReleaseDC();
}

TEST_F(Image, UndecodableBytesLeaveTheImageEmpty)
{
    const std::string cases[] = {"", "not a picture at all", BitmapFile(4, 4, 0).substr(0, 20)};
    for (const std::string& bytes : cases) {
        CImage image;
        EXPECT_EQ(E_FAIL, LoadBytes(image, bytes)) << bytes.size() << " bytes";
        EXPECT_TRUE(image.IsNull());
        EXPECT_EQ(0, image.GetWidth());
        EXPECT_EQ(nullptr, image.GetDC());
    }
}

}  // namespace
