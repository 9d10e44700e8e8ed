// The common window procedure and message routing of CWnd.
#include "framework/CWnd.h"

#include "framework/CDC.h"
#include "framework/CScrollBar.h"
#include "framework/CWinApp.h"
#include "framework/Exceptions.h"
#include "framework/HandleMap.h"

#include <exception>

namespace {

CHandleMap<HWND, CWnd>& WindowMap()
{
    static CHandleMap<HWND, CWnd> map([](CWnd& wnd) { wnd.m_hWnd = nullptr; });
    return map;
}

struct CreationHook
{
    HHOOK hook = nullptr;
    CWnd* pending = nullptr;
};

thread_local CreationHook t_creation;
thread_local MSG t_currentMessage = {};

LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_creation.pending != nullptr) {
        CWnd* wnd = t_creation.pending;
        t_creation.pending = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        wnd->Attach(hWnd);
        wnd->PreSubclassWindow();
        const WNDPROC old = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc)));
        if (old != &CWnd::WndProc)
            wnd->m_pfnSuper = old;
    }
    return ::CallNextHookEx(t_creation.hook, code, wParam, lParam);
}

// Keeps the current message for Default() across nested window procedure calls.
class CurrentMessageScope
{
public:
    CurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) : m_saved(t_currentMessage)
    {
        t_currentMessage.hwnd = hWnd;
        t_currentMessage.message = message;
        t_currentMessage.wParam = wParam;
        t_currentMessage.lParam = lParam;
    }
    ~CurrentMessageScope() { t_currentMessage = m_saved; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG m_saved;
};

CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

// ---- Handle map and creation hook

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WindowMap().FromHandle(hWnd, [](HWND handle) {
        auto wnd = std::make_unique<CWnd>();
        wnd->m_hWnd = handle;
        return wnd;
    });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? WindowMap().LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    WindowMap().DeleteTemporary();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    WindowMap().SetPermanent(hWnd, this);
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        WindowMap().RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

void AfxHookWindowCreate(CWnd* wnd)
{
    if (t_creation.hook == nullptr)
        t_creation.hook = ::SetWindowsHookExA(WH_CBT, &CreationHookProc, nullptr, ::GetCurrentThreadId());
    t_creation.pending = wnd;
}

bool AfxUnhookWindowCreate()
{
    if (t_creation.hook != nullptr) {
        ::UnhookWindowsHookEx(t_creation.hook);
        t_creation.hook = nullptr;
    }
    const bool created = t_creation.pending == nullptr;
    t_creation.pending = nullptr;
    return created;
}

const MSG* AfxGetCurrentMessage()
{
    return &t_currentMessage;
}

// ---- The window procedure

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    CurrentMessageScope scope(hWnd, message, wParam, lParam);
    LRESULT result = 0;
    // No C++ exception may unwind through the system's frames: report it here.
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
        result = wnd->ReportHandlerException(message);
        e->ReportError();
        e->Delete();
    } catch (const std::bad_alloc&) {
        result = wnd->ReportHandlerException(message);
        CMemoryException().ReportError();
    } catch (const std::exception& e) {
        result = wnd->ReportHandlerException(message);
        AfxMessageBox(e.what());
    } catch (...) {
        result = wnd->ReportHandlerException(message);
        CException().ReportError();
    }
    if (message == WM_NCDESTROY)
        wnd->OnNcDestroyed();
    return result;
}

LRESULT CWnd::ReportHandlerException(UINT message)
{
    // Keep a failing paint handler from being called again while the error box is up.
    if (message == WM_PAINT && m_hWnd != nullptr)
        ::ValidateRect(m_hWnd, nullptr);
    if (message == WM_CREATE)
        return -1;
    return 0;
}

void CWnd::OnNcDestroyed()
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = t_currentMessage;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        LRESULT notifyResult = 0;
        if (header == nullptr || header->hwndFrom == nullptr || !OnNotify(wParam, lParam, &notifyResult))
            return FALSE;
        *result = notifyResult;
        return TRUE;
    }
    UINT key = message;
    if (IsCtlColorMessage(message))
        key = AFX_WM_CTLCOLOR;
    else if (message >= WM_REFLECT_BASE && IsCtlColorMessage(message - WM_REFLECT_BASE))
        key = WM_REFLECT_BASE + AFX_WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(key, 0, 0);
    if (entry == nullptr)
        return FALSE;
    return DispatchWindowMessage(entry, message, wParam, lParam, result);
}

BOOL CWnd::DispatchWindowMessage(const AFX_MSGMAP_ENTRY* entry, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT* result)
{
    const AFX_PMSG pfn = entry->pfn;
    const UINT ctlType = IsCtlColorMessage(message) ? message - WM_CTLCOLORMSGBOX
                                                    : message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX;
    LRESULT value = 0;
    switch (entry->nSig) {
    case AfxSig_is:
        value = (this->*AfxHandlerCast<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(
            reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_vv:
        (this->*AfxHandlerCast<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bD:
        value = (this->*AfxHandlerCast<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_vwii:
        (this->*AfxHandlerCast<void (CWnd::*)(UINT, int, int)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                      HIWORD(lParam));
        break;
    case AfxSig_vt:
        (this->*AfxHandlerCast<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_vwp:
        (this->*AfxHandlerCast<void (CWnd::*)(UINT, CPoint)>(pfn))(static_cast<UINT>(wParam),
                                                                    PointFromLParam(lParam));
        break;
    case AfxSig_bwsp:
        value = (this->*AfxHandlerCast<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(
            LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointFromLParam(lParam));
        break;
    case AfxSig_vwwW:
        (this->*AfxHandlerCast<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(
            LOWORD(wParam), HIWORD(wParam),
            static_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        break;
    case AfxSig_bWww:
        value = (this->*AfxHandlerCast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hDWw:
        value = reinterpret_cast<LRESULT>((this->*AfxHandlerCast<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
            ctlType));
        break;
    case AfxSig_hDw: {
        HBRUSH brush = (this->*AfxHandlerCast<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), ctlType);
        if (brush == nullptr)
            return FALSE;  // the control leaves it to its parent
        value = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case AfxSig_vOWNER:
        (this->*AfxHandlerCast<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))(
            static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        value = TRUE;
        break;
    case AfxSig_vDRAW:
        (this->*AfxHandlerCast<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pfn))(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        value = TRUE;
        break;
    case AfxSig_vwww:
        (this->*AfxHandlerCast<void (CWnd::*)(UINT, UINT, UINT)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                        HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*AfxHandlerCast<void (CWnd::*)(CWnd*)>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vMMI:
        (this->*AfxHandlerCast<void (CWnd::*)(MINMAXINFO*)>(pfn))(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_vbw:
        (this->*AfxHandlerCast<void (CWnd::*)(BOOL, UINT)>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_lwl:
        value = (this->*AfxHandlerCast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    default:
        return FALSE;
    }
    *result = value;
    return TRUE;
}

// ---- Commands, notifications and reflection

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (control == nullptr) {
        if (id == 0)
            return FALSE;
        code = CN_COMMAND;  // menu or accelerator
    } else if (SendChildNotify(control, WM_COMMAND, wParam, lParam, nullptr)) {
        return TRUE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (SendChildNotify(header->hwndFrom, WM_NOTIFY, header->idFrom, lParam, result))
        return TRUE;
    AFX_NOTIFY notify = {result, header};
    const int code = static_cast<int>(MAKELONG(LOWORD(header->code), WM_NOTIFY));
    return OnCmdMsg(static_cast<UINT>(header->idFrom), code, &notify, nullptr);
}

BOOL CWnd::SendChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = FromHandlePermanent(child);
    if (wnd == nullptr)
        return FALSE;
    LRESULT ignored = 0;
    return wnd->OnChildNotify(message, wParam, lParam, result != nullptr ? result : &ignored);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        const int code = static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND));
        return OnCmdMsg(0, code, nullptr, nullptr);
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {result, header};
        const int code = static_cast<int>(MAKELONG(LOWORD(header->code), WM_REFLECT_BASE + WM_NOTIFY));
        return OnCmdMsg(0, code, &notify, nullptr);
    }
    if (message == WM_DRAWITEM || IsCtlColorMessage(message))
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
    return FALSE;
}

// ---- The base class's own map: reflection of owner-draw and colour messages to the child

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT drawItem)
{
    LRESULT result = 0;
    if (drawItem->CtlType != ODT_MENU &&
        SendChildNotify(drawItem->hwndItem, WM_DRAWITEM, t_currentMessage.wParam, t_currentMessage.lParam, &result))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT)
{
    LRESULT result = 0;
    if (wnd != nullptr && SendChildNotify(wnd->m_hWnd, t_currentMessage.message, t_currentMessage.wParam,
                                          t_currentMessage.lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}
