// The common print dialog: asks for a printer, its settings and a page range, and makes the printer DC.
#pragma once

#include "framework/CDevMode.h"
#include "framework/CString.h"

#include <windows.h>
#include <commdlg.h>

class CPrintDialog
{
public:
    // A print dialog (bPrintSetupOnly false) returns a printer DC (PD_RETURNDC is added to dwFlags).
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          HWND hParent = nullptr);
    // Gives back the DC and the settings the dialog returned, unless a caller took the DC.
    virtual ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // Shows the dialog; IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    // Fetches the default printer's settings (and DC) without showing anything; sets PD_RETURNDEFAULT.
    BOOL GetDefaults();

    // The copy count: the DEVMODE's dmCopies under PD_USEDEVMODECOPIES, else nCopies.
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    int GetFromPage() const;
    int GetToPage() const;

    // The settings' DEVMODE, locked; every call must be paired with ReleaseDevMode.
    DEVMODEA* LockDevMode() const;
    void ReleaseDevMode() const;
    // A copy of the whole settings block, the driver's private part included; empty when there
    // are no settings.
    CDevMode GetDevMode() const;

    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;

    // The DC the dialog returned; it stays owned by the dialog.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // Hands the returned DC over to the caller, who then deletes it.
    HDC DetachPrinterDC();
    // Makes a fresh DC from the chosen names and settings, replacing the one held; owned by the dialog.
    HDC CreatePrinterDC();

    PRINTDLGA m_pd;

private:
    CString DevNamesText(WORD DEVNAMES::*offset) const;
    void FreePrinterDC();
};
