// The modal dialog "Select USB Data File": proposes TEMPDATA.txt in the root of every drive
// that holds one, offers the open-file dialog for any other place, and asks for the device kind.
#pragma once

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CListBox.h"
#include "framework/CString.h"

class CFileSelectDlg : public CDialog
{
public:
    CFileSelectDlg();

    CEdit m_editPath;                // 1000: the path being chosen
    CListBox m_listFiles;            // 1001: the paths found on the drives
    CButton m_radioUltFreezer;       // 1002: kind 1
    CButton m_radioFreezer;          // 1003: kind 2
    CButton m_radioRefrigerator;     // 1004: kind 3

    // Results, valid after DoModal returned IDOK.
    CString m_strPath;
    int m_nDeviceKind;
    CString m_strKindName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnListDblClk();

    DECLARE_MESSAGE_MAP()

private:
    void ListDrivesHoldingLog();
};
