#include "framework/CPrintDialog.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, HWND hParent) : m_pd()
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.hwndOwner = hParent;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    FreePrinterDC();
    if (m_pd.hDevMode != nullptr)
        GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        GlobalFree(m_pd.hDevNames);
}

void CPrintDialog::FreePrinterDC()
{
    if (m_pd.hDC != nullptr)
    {
        DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
}

INT_PTR CPrintDialog::DoModal()
{
    // Without an owner the program's window would stay usable behind a modal dialog.
    if (m_pd.hwndOwner == nullptr)
    {
        HWND active = GetActiveWindow();
        m_pd.hwndOwner = active != nullptr ? GetAncestor(active, GA_ROOT) : nullptr;
    }
    // A DC from an earlier call (GetDefaults returns one too) would be overwritten and lost.
    FreePrinterDC();
    return PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The platform refuses to return defaults into settings that are already there.
    if (m_pd.hDevMode != nullptr)
        GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
    FreePrinterDC();
    m_pd.Flags |= PD_RETURNDEFAULT;
    return PrintDlgA(&m_pd);
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        const CDevMode devMode = GetDevMode();
        if (!devMode.IsEmpty())
            return devMode.Get()->dmCopies;
    }
    return m_pd.nCopies;
}

int CPrintDialog::GetFromPage() const
{
    return PrintRange() ? m_pd.nFromPage : -1;
}

int CPrintDialog::GetToPage() const
{
    return PrintRange() ? m_pd.nToPage : -1;
}

DEVMODEA* CPrintDialog::LockDevMode() const
{
    return m_pd.hDevMode != nullptr ? static_cast<DEVMODEA*>(GlobalLock(m_pd.hDevMode)) : nullptr;
}

void CPrintDialog::ReleaseDevMode() const
{
    if (m_pd.hDevMode != nullptr)
        GlobalUnlock(m_pd.hDevMode);
}

CDevMode CPrintDialog::GetDevMode() const
{
    return CDevMode(m_pd.hDevMode);
}

CString CPrintDialog::DevNamesText(WORD DEVNAMES::*offset) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    const DEVNAMES* names = static_cast<const DEVNAMES*>(GlobalLock(m_pd.hDevNames));
    if (names == nullptr)
        return CString();
    CString text(reinterpret_cast<const char*>(names) + names->*offset);
    GlobalUnlock(m_pd.hDevNames);
    return text;
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesText(&DEVNAMES::wDeviceOffset);
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesText(&DEVNAMES::wDriverOffset);
}

CString CPrintDialog::GetPortName() const
{
    return DevNamesText(&DEVNAMES::wOutputOffset);
}

HDC CPrintDialog::DetachPrinterDC()
{
    HDC dc = m_pd.hDC;
    m_pd.hDC = nullptr;
    return dc;
}

HDC CPrintDialog::CreatePrinterDC()
{
    FreePrinterDC();
    if (m_pd.hDevNames == nullptr)
        return nullptr;
    DEVMODEA* devMode = LockDevMode();
    m_pd.hDC = CreateDCA(GetDriverName(), GetDeviceName(), GetPortName(), devMode);
    ReleaseDevMode();
    return m_pd.hDC;
}
