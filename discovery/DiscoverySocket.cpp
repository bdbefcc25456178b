#include "discovery/DiscoverySocket.h"

#include "framework/MessageBox.h"

namespace {

// The most one read takes; a larger datagram is lost.
const int kReceiveSize = 1024;

}  // namespace

CDiscoverySocket::CDiscoverySocket(DiscoveryReplyOwner* owner, const char* interfaceAddress)
    : m_pOwner(owner), m_broadcastTo()
{
    m_broadcastTo.sin_family = AF_INET;
    m_broadcastTo.sin_port = ::htons(kDiscoveryPort);
    m_broadcastTo.sin_addr.s_addr = ::htonl(INADDR_BROADCAST);

    const BOOL broadcast = TRUE;
    const bool bound = Create(kDiscoveryPort, SOCK_DGRAM, FD_READ, interfaceAddress) ||
                       Create(kFallbackPort, SOCK_DGRAM, FD_READ, nullptr);
    if (!bound || !SetSockOpt(SO_BROADCAST, &broadcast, sizeof(broadcast), SOL_SOCKET)) {
        // The message names no error: the user's remedy is the same for all.
        AfxMessageBox("Unable to Bind socket, is Flashwick already open?", MB_OK);
    }
}

CDiscoverySocket::~CDiscoverySocket() = default;

int CDiscoverySocket::Broadcast(const Datagram& datagram)
{
    return SendTo(datagram.data(), static_cast<int>(datagram.size()),
                  reinterpret_cast<const SOCKADDR*>(&m_broadcastTo), sizeof(m_broadcastTo));
}

int CDiscoverySocket::SendQuery() { return Broadcast(BuildDiscoveryQuery()); }

int CDiscoverySocket::SendKnownDevices(const std::vector<KnownTail>& tails)
{
    int result = 0;
    for (const Datagram& query : BuildKnownDevicesQueries(tails)) result = Broadcast(query);
    return result;
}

void CDiscoverySocket::OnReceive(int)
{
    std::uint8_t buffer[kReceiveSize];
    sockaddr_in from = {};
    int fromLength = sizeof(from);
    const int received = ReceiveFrom(buffer, sizeof(buffer), reinterpret_cast<SOCKADDR*>(&from), &fromLength);
    if (received <= 0) return;

    std::size_t length = static_cast<std::size_t>(received);
    std::uint32_t source = ::ntohl(from.sin_addr.s_addr);
    if (!TakeLoopbackTrailer(buffer, length, source)) return;
    m_pOwner->HandleReply(buffer, length, source);
}
