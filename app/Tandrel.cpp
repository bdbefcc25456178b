#include "app/Tandrel.h"

#include "portlist/TandrelDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CTandrelApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

// Named after the executable: "Tandrel", the caption of every message box.
CTandrelApp::CTandrelApp() = default;

CTandrelApp theApp;

BOOL CTandrelApp::InitInstance()
{
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }

    CTandrelDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
