// The state of one user-interface item (menu item, control, status bar pane) that an
// ON_UPDATE_COMMAND_UI handler sets.
#pragma once

#include <windows.h>

class CCmdTarget;
class CWnd;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);  // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(const char* text);

    // Asks target for the item's state; with disableIfNoHandler an item without any handler
    // is disabled. Returns whether an update handler ran.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;         // position in m_hMenu
    HMENU m_hMenu = nullptr;   // the menu holding the item, if a menu item
    CWnd* m_pOther = nullptr;  // the window of the item, if not a menu item
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
