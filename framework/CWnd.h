// A window object over an HWND. Every window the framework creates or subclasses runs through
// one window procedure, which finds the object and routes the message through the class's
// message map, then the base classes' maps, then the default processing (DefWindowProc, or
// the window's original procedure for subclassed system controls and dialogs).
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"
#include "framework/Geometry.h"

class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
struct CCreateContext;

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    // A window still alive when its object goes is destroyed with it.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Special insert-after windows for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- Creation and attachment
    virtual BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes an existing window (a dialog's control, say) through this object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // The object of a window: its permanent object, else a temporary wrapper freed when idle.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();

    // Safe on a null object pointer.
    HWND GetSafeHwnd() const;
    operator HWND() const { return GetSafeHwnd(); }

    // ---- Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Sends to every child (and their children when deep), or only to those with an object.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE,
                                  BOOL onlyPermanent = FALSE) const;
    // Default processing of the message being handled.
    LRESULT Default();
    static const MSG* GetCurrentMessage();

    // ---- Family
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetTopLevelParent() const;
    CWnd* ChildWindowFromPoint(POINT point) const;

    // ---- State and appearance
    BOOL ShowWindow(int command);
    void UpdateWindow();
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void ValidateRect(const RECT* rect);
    BOOL RedrawWindow(const RECT* update = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsChild(const CWnd* wnd) const;
    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;
    int GetWindowText(char* buffer, int maxCount) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, const char* text);
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void SetRedraw(BOOL redraw = TRUE);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    HMENU GetMenuHandle() const;

    // ---- Geometry
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    // Centres on the owner (or alternate) when that is visible, else on the work area.
    void CenterWindow(CWnd* alternate = nullptr);

    // ---- Input
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static BOOL ReleaseCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // ---- Device contexts (a temporary CDC; give it back with ReleaseDC)
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // ---- Scroll bars of this window (bar: SB_HORZ, SB_VERT, or SB_CTL on a scroll bar control)
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH);

    // ---- Routing (overridable)
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A parent hands its child control's notifications back to it first; TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Offered every queued message for this window or its children before dispatch.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual void PreSubclassWindow();
    // Called after the window is gone (WM_NCDESTROY); heap-owned windows delete themselves here.
    virtual void PostNcDestroy();

    // Called by the window procedure when a handler lets an exception escape.
    virtual LRESULT ReportHandlerException(UINT message);

    // The common window procedure.
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // ---- Default message handlers (they run the default processing)
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    void OnClose();
    void OnMouseLeave();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);
    void OnTimer(UINT_PTR id);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnRButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnShowWindow(BOOL show, UINT status);

    // The original procedure of a subclassed window (null: DefWindowProc).
    WNDPROC m_pfnSuper = nullptr;

protected:
    // Child side of reflection: looks the message up as WM_REFLECT_BASE + message in this map.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Parent side: offers the message to the permanent object of child; TRUE when it handled it.
    static BOOL SendChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    BOOL DispatchWindowMessage(const AFX_MSGMAP_ENTRY* entry, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result);
    void OnNcDestroyed();
    friend struct AfxWndProcAccess;
};

// Registers (once) a window class of the given style, cursor, brush and icon whose windows the
// framework routes; returns its name, valid for the life of the process.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);
// Has the next window this thread creates routed to wnd from its first message on (used by
// Create and by dialogs, whose windows the system creates).
void AfxHookWindowCreate(CWnd* wnd);
// Ends it; returns false when no window was created since the hook.
bool AfxUnhookWindowCreate();
// The message being handled on this thread.
const MSG* AfxGetCurrentMessage();
