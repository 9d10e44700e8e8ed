// The program's resources as the user meets them: dialog templates, menu, strings, icon
// and the splash picture.
#include "res/resource.h"
#include "support/DialogTemplate.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

struct ExpectedItem
{
    int id;
    const char* className;
    const char* text;
    DWORD style;  // in addition to WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    int x, y, cx, cy;
};

struct ExpectedDialog
{
    const char* name;
    int resourceId;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int cx, cy;
    int fontPoints;
    std::vector<ExpectedItem> items;
};

const ExpectedDialog kDialogs[] = {
    {"About", IDD_ABOUT, "KELVORO", 0x80C800C8, 0, 206, 92, 9,
     {
         {-1, "Static", "#128", SS_ICON, 0, 14, 22, 20, 20},
         {-1, "Static", "VANTORI FREEZER & REFRIGERATOR", SS_NOPREFIX | WS_GROUP, 0, 48, 14, 137, 8},
         {-1, "Static", "KELVORO ver 2.0", SS_NOPREFIX | WS_GROUP, 0, 48, 25, 137, 8},
         {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 149, 71, 50, 14},
     }},
    {"FileSelect", IDD_FILE_SELECT, "Select USB Data File", 0x80C800C8, 0, 300, 130, 8,
     {
         {1000, "Edit", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 40, 7, 171, 13},
         {3, "Button", "File", BS_PUSHBUTTON | WS_TABSTOP, 0, 243, 7, 50, 14},
         {1002, "Button", "ULT-FREEZER", BS_AUTORADIOBUTTON, 0, 12, 29, 60, 10},
         {1003, "Button", "VANTORI FREEZER", BS_AUTORADIOBUTTON, 0, 79, 29, 91, 10},
         {1004, "Button", "VANTORI REFRIGERATOR", BS_AUTORADIOBUTTON, 0, 178, 29, 110, 10},
         {1001, "ListBox", "",
          WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT, 0, 7, 44, 286, 61},
         {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 190, 109, 50, 14},
         {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0, 244, 109, 50, 14},
         {-1, "Static", "File", WS_GROUP, 0, 9, 8, 20, 11},
     }},
    {"Splash", IDD_SPLASH, "", 0x800000C8, WS_EX_TOPMOST, 595, 318, 8,
     {
         {1004, "Static", "", SS_BLACKFRAME, WS_EX_CLIENTEDGE, 6, 7, 581, 304},
     }},
};

void PrintTo(const ExpectedDialog& dialog, std::ostream* os)
{
    *os << dialog.name;
}

class DialogTemplates : public ::testing::TestWithParam<ExpectedDialog> {};

TEST_P(DialogTemplates, MatchTheirLayoutStylesAndTexts)
{
    const ExpectedDialog& want = GetParam();
    DialogTemplate got = LoadDialogTemplate(want.resourceId);
    ASSERT_TRUE(got.found);
    EXPECT_EQ(want.caption, got.caption);
    EXPECT_EQ(want.style, got.style);
    EXPECT_EQ(want.exStyle, got.exStyle);
    EXPECT_EQ(want.cx, got.cx);
    EXPECT_EQ(want.cy, got.cy);
    EXPECT_EQ(want.fontPoints, got.fontPoints);
    EXPECT_EQ("MS Shell Dlg", got.fontName);
    ASSERT_EQ(want.items.size(), got.items.size());
    for (size_t i = 0; i < want.items.size(); ++i) {
        const ExpectedItem& w = want.items[i];
        const DialogItem& g = got.items[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " \"" + w.text + "\"");
        EXPECT_EQ(w.id, g.id);
        EXPECT_EQ(w.className, g.className);
        EXPECT_EQ(w.text, g.text);
        EXPECT_EQ(w.style | kVisibleChild, g.style);
        EXPECT_EQ(w.exStyle, g.exStyle);
        EXPECT_EQ(w.x, g.x);
        EXPECT_EQ(w.y, g.y);
        EXPECT_EQ(w.cx, g.cx);
        EXPECT_EQ(w.cy, g.cy);
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, DialogTemplates, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<ExpectedDialog>& info) { return info.param.name; });

std::string MenuText(HMENU menu, UINT position)
{
    char text[128] = {};
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(MainMenu, HoldsFileAndHelpWithTheirCommands)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(2, ::GetMenuItemCount(menu));
    EXPECT_EQ("File(&F)", MenuText(menu, 0));
    EXPECT_EQ("Help(&H)", MenuText(menu, 1));

    HMENU file = ::GetSubMenu(menu, 0);
    ASSERT_EQ(3, ::GetMenuItemCount(file));
    EXPECT_EQ("Print(&P)", MenuText(file, 0));
    EXPECT_EQ(32773u, ::GetMenuItemID(file, 0));
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), ::GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("Exit(&X)", MenuText(file, 2));
    EXPECT_EQ(57665u, ::GetMenuItemID(file, 2));

    HMENU help = ::GetSubMenu(menu, 1);
    ASSERT_EQ(1, ::GetMenuItemCount(help));
    EXPECT_EQ("About KELVORO(&A)", MenuText(help, 0));
    EXPECT_EQ(57664u, ::GetMenuItemID(help, 0));
    ::DestroyMenu(menu);
}

TEST(StringTable, HoldsTitleIdleTextAndIndicators)
{
    const struct { UINT id; const char* text; } cases[] = {
        {128, "KELVORO"}, {57344, "KELVORO"}, {57345, "Ready"},
        {59137, "CAP"},   {59138, "NUM"},     {59139, "SCRL"},
    };
    for (const auto& c : cases) {
        char text[64] = {};
        ::LoadStringA(::GetModuleHandleA(nullptr), c.id, text, sizeof text);
        EXPECT_STREQ(c.text, text) << "string " << c.id;
    }
}

TEST(MainIcon, LoadsAtLargeAndSmallSize)
{
    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                     IMAGE_ICON, size, size, 0));
        EXPECT_NE(nullptr, icon) << size;
        if (icon)
            ::DestroyIcon(icon);
    }
}

TEST(SplashPicture, IsA24BitBitmapFileOf868By490)
{
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_SPLASH), "Image");
    ASSERT_NE(nullptr, found);
    DWORD size = ::SizeofResource(nullptr, found);
    const BYTE* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, found)));
    ASSERT_GE(size, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes + sizeof(BITMAPFILEHEADER), sizeof info);
    EXPECT_EQ(868, info.biWidth);
    EXPECT_EQ(490, info.biHeight);
    EXPECT_EQ(24, info.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), info.biCompression);
}

TEST(Accelerators, CtrlPChoosesPrint)
{
    HACCEL table = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL entries[8] = {};
    int count = ::CopyAcceleratorTableA(table, entries, 8);
    ASSERT_EQ(1, count);
    EXPECT_EQ(FVIRTKEY | FCONTROL, entries[0].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT));
    EXPECT_EQ('P', entries[0].key);
    EXPECT_EQ(ID_PRINT_DATA, entries[0].cmd);
    ::DestroyAcceleratorTable(table);
}

}  // namespace
