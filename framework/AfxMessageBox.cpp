// The framework's message box, captioned with the application's title.
#include "framework/Exceptions.h"

#include <windows.h>

namespace {

const char kAppTitle[] = "KELVORO";

HWND MessageBoxOwner()
{
    HWND owner = ::GetActiveWindow();
    if (owner != nullptr)
        owner = ::GetLastActivePopup(owner);
    return owner;
}

}  // namespace

int AfxMessageBox(const char* text, unsigned int type, unsigned int)
{
    return ::MessageBoxA(MessageBoxOwner(), text != nullptr ? text : "", kAppTitle, type);
}

int AfxMessageBox(unsigned int stringId, unsigned int type, unsigned int)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text.GetString(), type);
}
