// The about box, opened from the port list window's system menu.
#pragma once

#include "framework/Framework.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
