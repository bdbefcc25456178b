// A socket whose readiness arrives as window messages on the thread that
// created it (Winsock's WSAAsyncSelect), so its handlers run between the
// other messages of the user interface and need no locking.
#pragma once

#include <winsock2.h>
#include <windows.h>

class CAsyncSocket {
public:
    CAsyncSocket() = default;
    // Closes the socket; notifications still queued for it are dropped.
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    // Creates a socket of nSocketType, binds it to lpszSocketAddress (dotted
    // text; any address when null) and nSocketPort, and asks for the events
    // in lEvent. FALSE on failure, with nothing left open.
    BOOL Create(UINT nSocketPort = 0, int nSocketType = SOCK_STREAM,
                long lEvent = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE,
                const char* lpszSocketAddress = nullptr);
    BOOL SetSockOpt(int nOptionName, const void* lpOptionValue, int nOptionLen, int nLevel = SOL_SOCKET);
    // The number of bytes sent, or SOCKET_ERROR.
    int SendTo(const void* lpBuf, int nBufLen, const SOCKADDR* lpSockAddr, int nSockAddrLen, int nFlags = 0);
    // The number of bytes read, 0, or SOCKET_ERROR (a datagram larger than
    // the buffer is lost and gives SOCKET_ERROR).
    int ReceiveFrom(void* lpBuf, int nBufLen, SOCKADDR* lpSockAddr, int* lpSockAddrLen, int nFlags = 0);
    void Close();
    static int GetLastError();

    SOCKET m_hSocket = INVALID_SOCKET;

protected:
    // Called when data is waiting (FD_READ); nErrorCode is Winsock's.
    virtual void OnReceive(int nErrorCode);

private:
    friend class SocketNotifications;
};
