// What the view band and the owner-drawn tabs paint, read back from a metafile: texts, places
// and colours.
#include "MetafileTexts.h"
#include "ViewLogs.h"

#include "app/CKelvoroApp.h"

#include <gtest/gtest.h>

namespace
{
COLORREF HalfOf(COLORREF c)
{
    return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

std::vector<MetafileText> DrawTab(CUserTabCtrl& tabs, int item, const RECT& rcItem)
{
    return RecordTexts([&](CDC& dc) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_TAB;
        dis.CtlID = 200;
        dis.itemID = static_cast<UINT>(item);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = tabs.m_hWnd;
        dis.hDC = dc.m_hDC;
        dis.rcItem = rcItem;
        tabs.DrawItem(&dis);
    });
}

const MetafileText* FirstText(const std::vector<MetafileText>& texts)
{
    for (const MetafileText& t : texts)
        if (!t.bFill)
            return &t;
    return nullptr;
}
}  // namespace

TEST(PaintedTexts, BandShowsTheProductLineAndDateOnButtonFace)
{
    ViewHost host;
    CTempDegreeContainer& view = host.View();
    const CRect client(0, 0, 900, 600);
    const struct { const char* title; const char* shown; } cases[] = {
        {"", "Product  "},
        {"ULT-FREEZER (2023-05-15 ~ 2023-05-22)", "Product  ULT-FREEZER (2023-05-15 ~ 2023-05-22)"},
    };
    for (const auto& c : cases)
    {
        view.m_strTitle = c.title;
        const std::vector<MetafileText> texts = RecordTexts([&](CDC& dc) { view.DrawBand(dc, client); });
        ASSERT_EQ(3u, texts.size());
        EXPECT_TRUE(texts[0].bFill);
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), texts[0].bkColour);
        EXPECT_EQ(900, texts[0].bounds.right);
        EXPECT_EQ(c.shown, texts[1].text);
        EXPECT_EQ("Date", texts[2].text);
        for (int i : {1, 2})
        {
            EXPECT_EQ(10, texts[i].origin.x);
            EXPECT_EQ(RGB(0, 0, 0), texts[i].textColour);
        }
        // Each line is centred in its 30-pixel half of the band: "Date" 30 pixels below the product.
        EXPECT_GT(texts[1].origin.y, 0);
        EXPECT_LT(texts[1].origin.y, 15);
        EXPECT_EQ(texts[1].origin.y + 30, texts[2].origin.y);
    }
}

TEST(PaintedTexts, SelectedTabIsButtonFaceWithWindowTextOthersAtHalfBrightness)
{
    ViewHost host;
    CUserTabCtrl& tabs = host.View().m_tabCtrl;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const struct { int item; COLORREF inactive; COLORREF fill; COLORREF text; int bottomShift; int textDrop; } cases[] = {
        {0, 0xFFFFFFFF, face, ::GetSysColor(COLOR_WINDOWTEXT), -1, 6},  // selected
        {1, 0xFFFFFFFF, face, HalfOf(face), 2, 5},
        {2, RGB(200, 100, 50), RGB(200, 100, 50), RGB(100, 50, 25), 2, 5},
    };
    for (const auto& c : cases)
    {
        tabs.m_crInactive = c.inactive;
        RECT item;
        tabs.GetItemRect(c.item, &item);
        const std::vector<MetafileText> texts = DrawTab(tabs, c.item, item);
        ASSERT_FALSE(texts.empty());
        EXPECT_TRUE(texts[0].bFill) << c.item;
        EXPECT_EQ(c.fill, texts[0].bkColour) << c.item;
        EXPECT_EQ(item.bottom + c.bottomShift, texts[0].bounds.bottom) << c.item;
        const MetafileText* title = FirstText(texts);
        ASSERT_NE(nullptr, title);
        EXPECT_EQ(c.text, title->textColour) << c.item;
        EXPECT_EQ(item.top + c.textDrop, title->origin.y) << c.item;
    }
    tabs.m_crInactive = 0xFFFFFFFF;
}

// Metafile contexts cannot measure text under Wine, so this one is drawn into a bitmap: a title
// cut to its tab's width leaves no ink beside the tab, as a centred full title would.
TEST(PaintedTexts, ATabTitleTooWideForItsTabIsCutToTheTab)
{
    ViewHost host;
    CUserTabCtrl& tabs = host.View().m_tabCtrl;
    const RECT narrow = {100, 0, 140, 20};
    DibPixels pixels(240, 20);
    pixels.Dc().FillSolidRect(CRect(0, 0, 240, 20), RGB(255, 255, 255));
    HGDIOBJ oldFont = ::SelectObject(pixels.Dc().m_hDC, g_fontControl.GetSafeHandle());
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_TAB;
    dis.itemID = 2;  // "Radar Chart", about 60 pixels wide in this font
    dis.hwndItem = tabs.m_hWnd;
    dis.hDC = pixels.Dc().m_hDC;
    dis.rcItem = narrow;
    tabs.DrawItem(&dis);
    ::SelectObject(pixels.Dc().m_hDC, oldFont);

    const COLORREF ink = HalfOf(::GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(pixels.CountColour(ink, RECT{103, 0, 137, 20}), 0);
    EXPECT_EQ(0, pixels.CountColour(ink, RECT{0, 0, 100, 20}));
    EXPECT_EQ(0, pixels.CountColour(ink, RECT{140, 0, 240, 20}));
}
