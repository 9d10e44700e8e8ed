// The data-file selection dialog.
#include "app/CFileSelectDlg.h"

#include "app/DeviceKind.h"
#include "framework/CFileDialog.h"
#include "framework/Exceptions.h"
#include "res/resource.h"

#include <shlwapi.h>

#include <cstdio>

namespace {

const char kLogFileName[] = "TEMPDATA.txt";

}  // namespace

BEGIN_MESSAGE_MAP(CFileSelectDlg, CDialog)
    ON_BN_CLICKED(IDC_FILE_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_LBN_DBLCLK(IDC_FILE_LIST, OnListDblClk)
END_MESSAGE_MAP()

CFileSelectDlg::CFileSelectDlg() : CDialog(IDD_FILE_SELECT), m_nDeviceKind(static_cast<int>(DeviceKind::UltFreezer))
{
}

void CFileSelectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILE_PATH, m_editPath);
    DDX_Control(pDX, IDC_FILE_LIST, m_listFiles);
    DDX_Control(pDX, IDC_KIND_ULT_FREEZER, m_radioUltFreezer);
    DDX_Control(pDX, IDC_KIND_FREEZER, m_radioFreezer);
    DDX_Control(pDX, IDC_KIND_REFRIGERATOR, m_radioRefrigerator);
}

BOOL CFileSelectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ListDrivesHoldingLog();
    m_radioUltFreezer.SetCheck(BST_CHECKED);
    return TRUE;
}

// Drive A: is never looked at: probing a floppy drive would stall the dialog.
void CFileSelectDlg::ListDrivesHoldingLog()
{
    DWORD drives = ::GetLogicalDrives();
    for (int i = 1; i < 32; ++i) {
        if ((drives & (1u << i)) == 0)
            continue;
        char root[4] = {static_cast<char>('A' + i), ':', '\\', '\0'};
        CString path;
        path.Format("%s%s", root, kLogFileName);
        if (::PathFileExistsA(path))
            m_listFiles.AddString(path);
    }
}

void CFileSelectDlg::OnBrowse()
{
    CFileDialog dialog(TRUE, nullptr, kLogFileName, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                       nullptr, nullptr, 0, TRUE);
    if (dialog.DoModal() == IDOK)
        m_editPath.SetWindowText(dialog.GetPathName());
}

void CFileSelectDlg::OnListDblClk()
{
    int selected = m_listFiles.GetCurSel();
    if (selected < 0)
        return;
    CString path;
    m_listFiles.GetText(selected, path);
    m_editPath.SetWindowText(path);
}

void CFileSelectDlg::OnOK()
{
    m_editPath.GetWindowText(m_strPath);
    if (m_strPath.IsEmpty()) {
        AfxMessageBox("File을 선택하십시요", MB_OK);
        return;
    }
    DeviceKind kind = DeviceKind::UltFreezer;
    if (m_radioFreezer.GetCheck() == BST_CHECKED)
        kind = DeviceKind::Freezer;
    else if (m_radioRefrigerator.GetCheck() == BST_CHECKED)
        kind = DeviceKind::Refrigerator;
    m_nDeviceKind = static_cast<int>(kind);
    m_strKindName = GetDeviceKindInfo(m_nDeviceKind).pszCaption;
    CDialog::OnOK();
}
