// Control binding: DoDataExchange attaches control objects to the dialog's
// controls by identifier.
#pragma once

#include <windows.h>

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;  // true: controls to members; false: members to controls
    CDialog* m_pDlgWnd;
};

// Attaches rControl to the dialog's control nIDC (once; later exchanges keep
// the binding). A template without that control is a programming error and
// throws std::logic_error.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
