#include "app/ChartPrintJob.h"

namespace
{
const char kChartDocumentName[] = "KelvoroChart";

const DWORD kChartDialogFlags =
    PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

void PresetOrientation(CPrintDialog& dialog, short orientation)
{
    // Without a default printer there are no settings: the dialog opens as the platform allows.
    DEVMODEA* devMode = dialog.LockDevMode();
    if (devMode == nullptr)
        return;
    devMode->dmFields |= DM_ORIENTATION;
    devMode->dmOrientation = orientation;
    dialog.ReleaseDevMode();
}

// The copies are made by drawing the pages once per copy: the driver must print each page once,
// or N copies would come out N x N times. The whole block goes back, since the driver's private
// part holds more of what was chosen in the dialog (tray, duplex, colour).
void PrintOneCopyPerPage(CDC& dc, const CPrintDialog& dialog)
{
    CDevMode settings = dialog.GetDevMode();
    DEVMODEA* devMode = settings.Get();
    if (devMode == nullptr || devMode->dmCopies == 1)
        return;
    devMode->dmFields |= DM_COPIES;
    devMode->dmCopies = 1;
    ResetDCA(dc.GetSafeHdc(), devMode);
}
}  // namespace

bool PrintChartDocument(short orientation, const ChartCopyPrinter& printCopy)
{
    CPrintDialog dialog(FALSE, kChartDialogFlags);
    dialog.GetDefaults();
    PresetOrientation(dialog, orientation);
    dialog.m_pd.Flags &= ~PD_RETURNDEFAULT;
    if (dialog.DoModal() != IDOK)
        return false;

    CDC dc;
    dc.Attach(dialog.GetPrinterDC());
    dc.m_bPrinting = TRUE;
    PrintOneCopyPerPage(dc, dialog);

    DOCINFOA doc = {};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = kChartDocumentName;
    const int started = dc.StartDoc(&doc);
    // The copy count is read again before every pass, as the settings hold it.
    for (int copy = 0; copy < dialog.GetCopies(); ++copy)
        printCopy(dc, dialog);
    if (started > 0)
        dc.EndDoc();
    else
        dc.AbortDoc();
    // The dialog still owns the DC and deletes it with itself.
    dc.Detach();
    return true;
}

double RadarPageScale(const DEVMODEA& devMode, CDC& dc)
{
    // Negative print qualities are draft/low/medium/high codes, not dots per inch.
    int dotsPerInch = devMode.dmPrintQuality;
    if (dotsPerInch <= 0)
        dotsPerInch = dc.GetDeviceCaps(LOGPIXELSY);
    return dotsPerInch > 0 ? 300.0 / dotsPerInch : 1.0;
}
