// The program's entry: hands control to the one global application object.
#include <windows.h>

#include <commctrl.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->m_hInstance = hInstance;

    // Once per process: the common control classes the dialogs use (IP address
    // field, tree view) must be registered before any dialog is created.
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                         ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
