// The framework's message box, captioned with the application's title.
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Exceptions.h"

#include <windows.h>

namespace {

// The main window owns the box when it is there; otherwise the window in front of this thread.
HWND MessageBoxOwner()
{
    HWND owner = AfxGetMainWnd()->GetSafeHwnd();
    if (owner == nullptr || !::IsWindowEnabled(owner))
        owner = ::GetActiveWindow();
    if (owner != nullptr)
        owner = ::GetLastActivePopup(owner);
    return owner;
}

const char* Caption()
{
    const char* title = AfxGetAppName();
    if (title[0] != '\0')
        return title;
    static CString fallback;
    if (fallback.IsEmpty() && !fallback.LoadString(0xE000))
        fallback = "KELVORO";
    return fallback.GetString();
}

}  // namespace

int AfxMessageBox(const char* text, unsigned int type, unsigned int)
{
    return ::MessageBoxA(MessageBoxOwner(), text != nullptr ? text : "", Caption(), type);
}

int AfxMessageBox(unsigned int stringId, unsigned int type, unsigned int)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text.GetString(), type);
}
