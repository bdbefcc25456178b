// The application object: exactly one, global, constructed before WinMain.
// The framework's WinMain initialises the process once (common controls, the
// application's name) and calls InitInstance; a false result ends the program
// without a message loop.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CWinApp : public CCmdTarget {
public:
    // Without a name, the application is named after its executable's base name
    // ("Tandrel" for Tandrel.exe); the name captions every message box.
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    HICON LoadIcon(UINT nIDResource) const;

    const char* m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

protected:
    // The default help handler. No help file ships with the program, so the
    // Help command (F1) has nothing to show.
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    std::string m_appName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();

// The standard Help command.
#define ID_HELP 0xE146
