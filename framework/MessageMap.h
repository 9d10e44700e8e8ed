// Static message maps: a table per class from a message, or a command id range plus a
// notification code, to a member handler. The macros check each handler's signature at
// compile time and record a signature tag by which the dispatcher calls it back.
#pragma once

#include <windows.h>

#include <cstring>

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;
class CCmdUI;
class CPoint;

typedef void (CCmdTarget::*AFX_PMSG)();

// Stores a handler of any member signature in a map entry and gets it back unchanged; the
// entry's signature tag says which type it was.
template <typename To, typename From>
inline To AfxHandlerCast(From handler)
{
    static_assert(sizeof(To) == sizeof(From), "member function pointers differ in size");
    To result;
    std::memcpy(&result, &handler, sizeof result);
    return result;
}

enum AfxSig : unsigned int
{
    AfxSig_end = 0,
    // Window messages (handlers are CWnd members).
    AfxSig_is,       // int (LPCREATESTRUCT)
    AfxSig_vv,       // void ()
    AfxSig_bD,       // BOOL (CDC*)
    AfxSig_vwii,     // void (UINT, int, int)
    AfxSig_vt,       // void (UINT_PTR)
    AfxSig_vwp,      // void (UINT, CPoint)
    AfxSig_bwsp,     // BOOL (UINT, short, CPoint)
    AfxSig_vwwW,     // void (UINT, UINT, CScrollBar*)
    AfxSig_bWww,     // BOOL (CWnd*, UINT, UINT)
    AfxSig_hDWw,     // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,      // HBRUSH (CDC*, UINT), reflected colour
    AfxSig_vOWNER,   // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vDRAW,    // void (LPDRAWITEMSTRUCT), reflected draw
    AfxSig_vwww,     // void (UINT, UINT, UINT)
    AfxSig_vW,       // void (CWnd*)
    AfxSig_vMMI,     // void (MINMAXINFO*)
    AfxSig_vbw,      // void (BOOL, UINT)
    AfxSig_lwl,      // LRESULT (WPARAM, LPARAM)
    // Commands and notifications (handlers are CCmdTarget members).
    AfxSigCmd_v,     // void ()
    AfxSigCmd_w,     // void (UINT): command id ranges
    AfxSigCmd_UI,    // void (CCmdUI*)
    AfxSigNotify_v,  // void (NMHDR*, LRESULT*)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;  // WM_COMMAND and WM_NOTIFY entries use nCode and the id range
    UINT nCode;     // notification code (16 bits) or CN_UPDATE_COMMAND_UI
    UINT nID;
    UINT nLastID;
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Passed as the extra argument of OnCmdMsg for WM_NOTIFY.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler, to ask whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Command codes of OnCmdMsg besides the controls' notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Sent by the application's idle time to the main window and the windows below it, so that
// they can bring their user-interface items up to date (wParam TRUE: disable items without a handler).
#define WM_IDLEUPDATECMDUI 0x0363

// Messages a parent sends back to the child control that notified it (reflection).
#define WM_REFLECT_BASE 0xBC00
// Stands for the seven WM_CTLCOLOR* messages in maps; the handler gets the control type.
#define AFX_WM_CTLCOLOR 0x0019

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const AFX_MSGMAP* GetThisMessageMap();    \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                  \
    {                                                                                \
        [[maybe_unused]] typedef theClass ThisClass; /* a map may have no entries */ \
        typedef baseClass TheBaseClass;                                              \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                         \
            {0, 0, 0, 0, AfxSig_end, nullptr}                                     \
        };                                                                        \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]}; \
        return &messageMap;                                                       \
    }

#define AFX_WND_HANDLER(type, fn) AfxHandlerCast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))
#define AFX_CMD_HANDLER(type, fn) static_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))

#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_WND_HANDLER(type, fn)},

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_vv, void (CWnd::*)(), OnMouseLeave)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwW, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwW, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(AFX_WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vOWNER, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_GETMINMAXINFO() \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)

// Reflected back from the parent to the control itself.
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxSig_vDRAW, void (CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + AFX_WM_CTLCOLOR, AfxSig_hDw, HBRUSH (CWnd::*)(CDC*, UINT), CtlColor)

#define ON_MESSAGE(message, fn) \
    {message, 0, 0, 0, AfxSig_lwl, AFX_WND_HANDLER(LRESULT (CWnd::*)(WPARAM, LPARAM), fn)},

#define ON_COMMAND(id, fn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSigCmd_v, AFX_CMD_HANDLER(void (CCmdTarget::*)(), fn)},
#define ON_COMMAND_RANGE(id, idLast, fn)                                \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSigCmd_w, \
     AfxHandlerCast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::fn))},
#define ON_UPDATE_COMMAND_UI(id, fn)                                             \
    {WM_COMMAND, 0xFFFF, (UINT)(id), (UINT)(id), AfxSigCmd_UI,                   \
     AfxHandlerCast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::fn))},
#define ON_CONTROL(code, id, fn) \
    {WM_COMMAND, (WORD)(code), (UINT)(id), (UINT)(id), AfxSigCmd_v, AFX_CMD_HANDLER(void (CCmdTarget::*)(), fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_NOTIFY(code, id, fn)                                                        \
    {WM_NOTIFY, (WORD)(int)(code), (UINT)(id), (UINT)(id), AfxSigNotify_v,            \
     AfxHandlerCast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::fn))},
#define ON_NOTIFY_REFLECT(code, fn)                                                            \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(code), 0, 0, AfxSigNotify_v,                    \
     AfxHandlerCast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::fn))},
#define ON_CONTROL_REFLECT(code, fn) \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(code), 0, 0, AfxSigCmd_v, AFX_CMD_HANDLER(void (CCmdTarget::*)(), fn)},
