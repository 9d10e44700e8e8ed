// Base of everything that receives commands through a message map.
#pragma once

#include "framework/CObject.h"
#include "framework/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Routes a command to this object's map. nCode is the notification code, combined with the
    // message in the high word for WM_NOTIFY (MAKELONG(code, WM_NOTIFY)) and reflected messages;
    // pExtra is the CCmdUI* for CN_UPDATE_COMMAND_UI and the AFX_NOTIFY* for WM_NOTIFY.
    // With pHandlerInfo given, only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    // Finds the entry for (message, code, id) in this class's map or its bases'.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;
};
