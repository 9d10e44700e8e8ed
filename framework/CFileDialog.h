// The system's open-file (or save-file) dialog.
#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

#include <commdlg.h>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // bVistaStyle asks for the system's newer (explorer-style) dialog.
    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    // Full path of the chosen file.
    CString GetPathName() const;

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    char m_szFileName[MAX_PATH];
};
