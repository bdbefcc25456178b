#include "framework/AsyncSocket.h"

#include <map>

#include "framework/MessageBox.h"
#include "framework/WinApp.h"

// The hidden window that receives the sockets' notifications for the
// user-interface thread, and the table from socket to object.
class SocketNotifications {
public:
    static SocketNotifications& Instance()
    {
        static SocketNotifications notifications;
        return notifications;
    }

    HWND Window()
    {
        if (m_hWnd == nullptr) {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = &SocketNotifications::WindowProc;
            windowClass.hInstance = AfxGetInstanceHandle();
            windowClass.lpszClassName = kClassName;
            ::RegisterClassA(&windowClass);
            m_hWnd = ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       AfxGetInstanceHandle(), nullptr);
        }
        return m_hWnd;
    }

    void Add(CAsyncSocket* socket) { m_sockets[socket->m_hSocket] = socket; }
    void Remove(SOCKET socket) { m_sockets.erase(socket); }

    static const UINT kMessage = WM_APP + 0x100;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != kMessage) return ::DefWindowProcA(hWnd, message, wParam, lParam);
        auto& sockets = Instance().m_sockets;
        const auto found = sockets.find(static_cast<SOCKET>(wParam));
        // A socket closed since the notification was queued is gone from the table.
        if (found != sockets.end() && WSAGETSELECTEVENT(lParam) == FD_READ) {
            try {
                found->second->OnReceive(WSAGETSELECTERROR(lParam));
            } catch (...) {
                AfxReportCurrentException();
            }
        }
        return 0;
    }

    static constexpr const char* kClassName = "Tandrel.SocketNotifications";
    HWND m_hWnd = nullptr;
    std::map<SOCKET, CAsyncSocket*> m_sockets;
};

CAsyncSocket::~CAsyncSocket() { Close(); }

BOOL CAsyncSocket::Create(UINT nSocketPort, int nSocketType, long lEvent, const char* lpszSocketAddress)
{
    Close();
    SOCKET handle = ::socket(AF_INET, nSocketType, 0);
    if (handle == INVALID_SOCKET) return FALSE;

    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = ::htons(static_cast<u_short>(nSocketPort));
    address.sin_addr.s_addr = lpszSocketAddress ? ::inet_addr(lpszSocketAddress) : ::htonl(INADDR_ANY);
    HWND window = SocketNotifications::Instance().Window();
    if ((lpszSocketAddress != nullptr && address.sin_addr.s_addr == INADDR_NONE) ||
        ::bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == SOCKET_ERROR ||
        window == nullptr ||
        ::WSAAsyncSelect(handle, window, SocketNotifications::kMessage, lEvent) == SOCKET_ERROR) {
        const int error = ::WSAGetLastError();
        ::closesocket(handle);
        ::WSASetLastError(error);
        return FALSE;
    }
    m_hSocket = handle;
    SocketNotifications::Instance().Add(this);
    return TRUE;
}

BOOL CAsyncSocket::SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel)
{
    return ::setsockopt(m_hSocket, nLevel, nOptionName, static_cast<const char*>(lpOptionValue),
                        nOptionLen) != SOCKET_ERROR;
}

int CAsyncSocket::SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen,
                         int nFlags)
{
    return ::sendto(m_hSocket, static_cast<const char*>(lpBuf), nBufLen, nFlags, lpSockAddr, nSockAddrLen);
}

int CAsyncSocket::ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen,
                              int nFlags)
{
    return ::recvfrom(m_hSocket, static_cast<char*>(lpBuf), nBufLen, nFlags, lpSockAddr, lpSockAddrLen);
}

void CAsyncSocket::Close()
{
    if (m_hSocket == INVALID_SOCKET) return;
    SocketNotifications::Instance().Remove(m_hSocket);
    ::closesocket(m_hSocket);
    m_hSocket = INVALID_SOCKET;
}

int CAsyncSocket::GetLastError() { return ::WSAGetLastError(); }

void CAsyncSocket::OnReceive(int) {}
