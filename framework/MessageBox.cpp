#include "framework/MessageBox.h"

#include <exception>
#include <string>

#include "framework/ResourceString.h"
#include "framework/WinApp.h"

namespace {

// The box is owned by the window the user is working in, so that window is
// disabled while the box is up.
HWND MessageBoxOwner()
{
    HWND active = ::GetActiveWindow();
    if (active != nullptr) return active;
    CWnd* mainWnd = AfxGetMainWnd();
    return (mainWnd != nullptr && ::IsWindow(mainWnd->m_hWnd)) ? mainWnd->m_hWnd : nullptr;
}

}  // namespace

int AfxMessageBox(const char* text, UINT nType)
{
    return ::MessageBoxA(MessageBoxOwner(), text, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    std::string text;
    AfxLoadString(nIDPrompt, text);
    return AfxMessageBox(text.c_str(), nType);
}

void AfxReportCurrentException()
{
    std::string text = "An unexpected error occurred";
    try {
        throw;
    } catch (const std::exception& error) {
        text += std::string(": ") + error.what();
    } catch (...) {
    }
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP);
}
