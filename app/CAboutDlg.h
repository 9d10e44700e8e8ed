// The about box: icon, product line and version, closed by "OK".
#pragma once

#include "framework/CDialog.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
};
