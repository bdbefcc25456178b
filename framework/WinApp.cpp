#include "framework/WinApp.h"

namespace {

CWinApp* g_app = nullptr;

std::string ExecutableBaseName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : MAX_PATH);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName)
    : m_appName(pszAppName != nullptr ? pszAppName : ExecutableBaseName())
{
    m_pszAppName = m_appName.c_str();
    m_hInstance = ::GetModuleHandleA(nullptr);
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(nIDResource));
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app != nullptr ? g_app->m_pMainWnd : nullptr; }

const char* AfxGetAppName()
{
    if (g_app != nullptr) return g_app->m_pszAppName;
    static const std::string name = ExecutableBaseName();
    return name.c_str();
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app != nullptr ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}
