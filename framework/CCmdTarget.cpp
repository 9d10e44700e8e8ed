#include "framework/CCmdTarget.h"

#include "framework/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && id >= entry->nID && id <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = HIWORD(static_cast<UINT>(nCode));
    if (message == 0 || message == 0xFFFF)
        message = WM_COMMAND;
    const UINT code = LOWORD(static_cast<UINT>(nCode));
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, code, nID);
    if (entry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = entry->pfn;
        return TRUE;
    }
    switch (entry->nSig) {
    case AfxSigCmd_v:
        (this->*entry->pfn)();
        return TRUE;
    case AfxSigCmd_w:
        (this->*AfxHandlerCast<void (CCmdTarget::*)(UINT)>(entry->pfn))(nID);
        return TRUE;
    case AfxSigCmd_UI: {
        CCmdUI* cmdUI = static_cast<CCmdUI*>(pExtra);
        if (cmdUI == nullptr)
            return FALSE;
        (this->*AfxHandlerCast<void (CCmdTarget::*)(CCmdUI*)>(entry->pfn))(cmdUI);
        return TRUE;
    }
    case AfxSigNotify_v: {
        AFX_NOTIFY* notify = static_cast<AFX_NOTIFY*>(pExtra);
        if (notify == nullptr)
            return FALSE;
        (this->*AfxHandlerCast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(entry->pfn))(notify->pNMHDR,
                                                                                     notify->pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
