#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CScrollBar.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A 32 x 32 memory context over a bitmap compatible with the screen, white to begin with.
class MemoryCanvas : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 32, 32));
        m_oldBitmap = m_dc.SelectObject(&m_bitmap)->m_hObject;
        m_dc.FillSolidRect(0, 0, 32, 32, kWhite);
    }
    void TearDown() override
    {
        m_dc.SelectGdiObject(m_oldBitmap);
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    }

    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};

}  // namespace

TEST_F(MemoryCanvas, LineDrawnWithASelectedPenReachesThePixels)
{
    CPen red(PS_SOLID, 1, kRed);
    {
        CSelectGuard pen(&m_dc, &red);
        m_dc.MoveTo(2, 10);
        m_dc.LineTo(30, 10);
    }
    EXPECT_EQ(kRed, m_dc.GetPixel(2, 10));
    EXPECT_EQ(kRed, m_dc.GetPixel(29, 10));
    EXPECT_EQ(kWhite, m_dc.GetPixel(30, 10));  // the end point is not drawn
    EXPECT_EQ(kWhite, m_dc.GetPixel(15, 11));
    // The guard put the stock pen back, so the red pen is no longer selected.
    EXPECT_NE(red.m_hObject, ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN));
}

TEST_F(MemoryCanvas, SelectObjectReturnsTheDisplacedObjectOfItsKind)
{
    CPen pen(PS_SOLID, 2, kRed);
    CPen* old = m_dc.SelectObject(&pen);
    ASSERT_NE(nullptr, old);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), old->m_hObject);
    EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(&pen, m_dc.SelectObject(old));  // the permanent object, not a wrapper
    EXPECT_EQ(m_dc.m_hDC, m_dc.m_hAttribDC);
    EXPECT_EQ(&m_dc, CDC::FromHandle(m_dc.m_hDC));
}

TEST_F(MemoryCanvas, FillsAndFrames)
{
    m_dc.FillSolidRect(CRect(4, 4, 8, 8), kRed);
    EXPECT_EQ(kRed, m_dc.GetPixel(4, 4));
    EXPECT_EQ(kRed, m_dc.GetPixel(7, 7));
    EXPECT_EQ(kWhite, m_dc.GetPixel(8, 8));
    m_dc.Draw3dRect(CRect(10, 10, 20, 20), kRed, RGB(0, 0, 255));
    EXPECT_EQ(kRed, m_dc.GetPixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 255), m_dc.GetPixel(19, 19));
    EXPECT_EQ(kWhite, m_dc.GetPixel(15, 15));
}

TEST_F(MemoryCanvas, PointFontHeightIsInTheContextsLogicalUnits)
{
    const int dpi = m_dc.GetDeviceCaps(LOGPIXELSY);
    const struct {
        int windowExt;  // logical units per viewport unit (scale of the mapping)
        int expected;
    } cases[] = {
        {1, -::MulDiv(dpi, 100, 720)},
        {2, -2 * ::MulDiv(dpi, 100, 720)},
    };
    for (const auto& c : cases) {
        m_dc.SetMapMode(MM_ANISOTROPIC);
        m_dc.SetWindowExt(c.windowExt, c.windowExt);
        m_dc.SetViewportExt(1, 1);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, "Arial", &m_dc));
        LOGFONTA logFont = {};
        font.GetLogFont(&logFont);
        EXPECT_EQ(c.expected, logFont.lfHeight) << c.windowExt;
        EXPECT_STREQ("Arial", logFont.lfFaceName);
        m_dc.SetMapMode(MM_TEXT);
    }
}

TEST(CFont, TenPointsOnA96DpiScreenAre13PixelsHigh)
{
    CClientDC screen(nullptr);
    if (screen.GetDeviceCaps(LOGPIXELSY) != 96)
        GTEST_SKIP() << "screen is not at 96 dpi";
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Microsoft Sans Serif"));
    LOGFONTA logFont = {};
    font.GetLogFont(&logFont);
    EXPECT_EQ(-13, logFont.lfHeight);
}

TEST(GdiOwnership, DestroyedObjectsGiveTheirHandlesBack)
{
    // Wine answers 0 for the count (a stub); the handle checks below hold there too.
    const DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<HGDIOBJ> handles;
    for (int i = 0; i < 20; ++i) {
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kRed);
        CFont font;
        font.CreatePointFont(90, "Arial");
        CRgn region;
        region.CreateRectRgn(0, 0, 5, 5);
        CClientDC screen(nullptr);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 4, 4);
        CSelectGuard selectBitmap(&memory, &bitmap);
        CSelectGuard selectFont(&memory, &font);
        handles.insert(handles.end(), {pen.m_hObject, brush.m_hObject, font.m_hObject, region.m_hObject,
                                       bitmap.m_hObject, memory.m_hDC});
    }
    for (HGDIOBJ handle : handles)
        EXPECT_EQ(0u, ::GetObjectType(handle));
    EXPECT_EQ(before, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
}

namespace {

// A global GDI object, as the program's fonts are: constructed before the handle map comes into
// being on first use, and destroyed at exit after everything made later.
class GlobalFont : public CFont
{
public:
    ~GlobalFont() override
    {
        // Its clean-up goes through the handle map: the map must still know it.
        if (m_hObject != nullptr && CGdiObject::FromHandle(m_hObject) != this) {
            std::fputs("the handle map was gone before a global GDI object\n", stderr);
            std::_Exit(3);
        }
    }
};

GlobalFont g_globalFont;

}  // namespace

TEST(GdiOwnershipDeathTest, GlobalObjectsStillFindTheHandleMapAtExit)
{
    EXPECT_EXIT(
        {
            g_globalFont.CreatePointFont(90, "Arial");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(CScrollBar, ControlKeepsRangeAndPosition)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 150, 16), &parent, 77));
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CWnd)));
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 29;
    info.nPage = 10;
    info.nPos = 5;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(5, bar.GetScrollPos());
    int low = -1, high = -1;
    bar.GetScrollRange(&low, &high);
    EXPECT_EQ(0, low);
    EXPECT_EQ(29, high);
    EXPECT_EQ(20, bar.GetScrollLimit());
    bar.SetScrollPos(25);
    EXPECT_EQ(20, bar.GetScrollPos());  // the page keeps the thumb inside the range
    EXPECT_EQ(&bar, CWnd::FromHandle(::GetDlgItem(parent.m_hWnd, 77)));
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, bar.m_hWnd);
}
