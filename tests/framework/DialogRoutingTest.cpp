// A dialog window routed through the framework: created by the system from a template, its
// messages go through the map first and then to the dialog manager's own procedure.
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_dialogLog;

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// An in-memory template: a 100 x 50 dialog with a default push button IDOK.
struct DialogTemplate
{
    DLGTEMPLATE header;
    WORD menu, windowClass, title;  // DLGTEMPLATE is 18 bytes: the item starts DWORD-aligned
    DLGITEMTEMPLATE button;
    WORD buttonClass[2];
    WORD buttonTitle;
    WORD creationData;
};

static_assert(offsetof(DialogTemplate, button) % 4 == 0, "dialog items must be DWORD-aligned");

DialogTemplate MakeTemplate()
{
    DialogTemplate t = {};
    t.header.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    t.header.cdit = 1;
    t.header.cx = 100;
    t.header.cy = 50;
    t.button.style = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
    t.button.x = 10;
    t.button.y = 10;
    t.button.cx = 40;
    t.button.cy = 14;
    t.button.id = IDOK;
    t.buttonClass[0] = 0xFFFF;
    t.buttonClass[1] = 0x0080;  // the button class
    return t;
}

class RoutedDialog : public CWnd
{
protected:
    void OnOK() { g_dialogLog.push_back("OnOK"); }
    LRESULT OnInitDialog(WPARAM, LPARAM)
    {
        g_dialogLog.push_back("OnInitDialog");
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutedDialog, CWnd)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
END_MESSAGE_MAP()

}  // namespace

TEST(DialogRouting, DialogMessagesReachTheMapThenTheDialogManager)
{
    g_dialogLog.clear();
    const DialogTemplate tmpl = MakeTemplate();
    RoutedDialog dialog;
    AfxHookWindowCreate(&dialog);
    HWND hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), &tmpl.header, nullptr, PassiveDialogProc, 0);
    EXPECT_TRUE(AfxUnhookWindowCreate());
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(hWnd, dialog.m_hWnd);
    EXPECT_NE(nullptr, dialog.m_pfnSuper);

    // The dialog manager still answers what the map leaves alone.
    EXPECT_EQ(MAKELRESULT(IDOK, DC_HASDEFID), dialog.SendMessage(DM_GETDEFID));
    dialog.GetDlgItem(IDOK)->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<std::string>{"OnInitDialog", "OnOK"}), g_dialogLog);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}
