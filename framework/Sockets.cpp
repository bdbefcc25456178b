#include "framework/Sockets.h"

#include <winsock2.h>

#include <cstdlib>

namespace {

bool g_socketsStarted = false;

void StopSockets()
{
    if (g_socketsStarted) ::WSACleanup();
    g_socketsStarted = false;
}

}  // namespace

BOOL AfxSocketInit()
{
    if (g_socketsStarted) return TRUE;
    WSADATA data;
    if (::WSAStartup(MAKEWORD(1, 1), &data) != 0) return FALSE;
    g_socketsStarted = true;
    std::atexit(&StopSockets);
    return TRUE;
}
