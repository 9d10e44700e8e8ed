#include "framework/CCmdUI.h"

#include "framework/CCmdTarget.h"
#include "framework/CWnd.h"

void CCmdUI::Enable(BOOL on)
{
    if (m_hMenu != nullptr)
        ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    else if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
        m_pOther->EnableWindow(on);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check)
{
    if (m_hMenu != nullptr)
        ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check != 0 ? MF_CHECKED : MF_UNCHECKED));
    else if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

void CCmdUI::SetRadio(BOOL on)
{
    SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(const char* text)
{
    if (m_hMenu != nullptr) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text != nullptr ? text : "");
        ::SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &info);
    } else if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr) {
        m_pOther->SetWindowText(text);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    const BOOL handled = target->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {};
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
