#include "framework/Wnd.h"

#include "framework/MessageBox.h"

namespace {

// Links a window to the CWnd that runs it; a property leaves the window's own
// user data alone.
const char kWindowObjectProperty[] = "Tandrel.CWnd";

}  // namespace

CWnd::~CWnd()
{
    // A window that outlives its object must stop calling into it.
    if (m_pfnSuper != nullptr && ::IsWindow(m_hWnd)) UnsubclassWindowProc();
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
void CWnd::SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }

void CWnd::GetWindowText(std::string& text) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    text.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CMenu CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
HWND CWnd::GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

void CWnd::OnSysCommand(UINT nID, LPARAM lParam) { DefWindowProc(WM_SYSCOMMAND, nID, lParam); }
void CWnd::OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }
HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(DefWindowProc(WM_QUERYDRAGICON, 0, 0));
}
void CWnd::OnTimer(UINT_PTR nIDEvent) { DefWindowProc(WM_TIMER, nIDEvent, 0); }

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMessage.message, m_currentMessage.wParam,
                         m_currentMessage.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        // Commands and control notifications: identifier in the low word,
        // notification code in the high word.
        if (!OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) return false;
        *pResult = 0;
        return true;
    }

    UINT code = 0, id = 0;
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    const MessageMapEntry* entry = FindMessageEntry(message, code, id);
    if (entry == nullptr) return false;
    *pResult = entry->handler(this, wParam, lParam);
    return true;
}

void CWnd::SubclassWindowProc(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kWindowObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProc)));
}

void CWnd::UnsubclassWindowProc()
{
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kWindowObjectProperty);
    m_pfnSuper = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return static_cast<CWnd*>(::GetPropA(hWnd, kWindowObjectProperty));
}

LRESULT CALLBACK CWnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    // Handlers may run nested message loops (modal dialogs, message boxes),
    // so the current message is saved and restored around each dispatch.
    const Message outer = pWnd->m_currentMessage;
    pWnd->m_currentMessage = {message, wParam, lParam};

    LRESULT result = 0;
    try {
        if (!pWnd->OnWndMsg(message, wParam, lParam, &result)) {
            result = pWnd->DefWindowProc(message, wParam, lParam);
        }
    } catch (...) {
        // No exception may unwind through Windows' own frames.
        AfxReportCurrentException();
    }
    pWnd->m_currentMessage = outer;

    if (message == WM_NCDESTROY) {
        pWnd->UnsubclassWindowProc();
        pWnd->m_hWnd = nullptr;
        pWnd->PostNcDestroy();
    }
    return result;
}
