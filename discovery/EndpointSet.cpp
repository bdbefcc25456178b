#include "discovery/EndpointSet.h"

#include <ws2tcpip.h>

#include <string>

namespace {

// The system's interface list. SIO_GET_INTERFACE_LIST fails outright when the
// room is too small, so the room grows until the list fits.
std::vector<INTERFACE_INFO> InterfaceList()
{
    SOCKET probe = ::WSASocketA(AF_INET, SOCK_DGRAM, 0, nullptr, 0, 0);
    if (probe == INVALID_SOCKET) return {};
    std::vector<INTERFACE_INFO> list;
    for (std::size_t room = kMaxEndpoints; room <= 4096; room *= 4) {
        list.assign(room, INTERFACE_INFO());
        DWORD bytes = 0;
        if (::WSAIoctl(probe, SIO_GET_INTERFACE_LIST, nullptr, 0, list.data(),
                       static_cast<DWORD>(list.size() * sizeof(INTERFACE_INFO)), &bytes, nullptr,
                       nullptr) == 0) {
            list.resize(bytes / sizeof(INTERFACE_INFO));
            ::closesocket(probe);
            return list;
        }
        if (::WSAGetLastError() != WSAEFAULT) break;
    }
    ::closesocket(probe);
    return {};
}

}  // namespace

std::size_t EndpointSet::OpenEndpoints(DiscoveryReplyOwner* owner)
{
    const std::vector<INTERFACE_INFO> interfaces = InterfaceList();
    for (const INTERFACE_INFO& entry : interfaces) {
        if (m_count == kMaxEndpoints) break;
        // A copy: inet_ntoa's buffer is shared, and the endpoint may show a
        // message box, whose message loop runs other code.
        const std::string address = ::inet_ntoa(entry.iiAddress.AddressIn.sin_addr);
        m_endpoints[m_count].reset(new CDiscoverySocket(owner, address.c_str()));
        m_endpoints[m_count]->SendQuery();
        ++m_count;
    }
    return m_count;
}

void EndpointSet::SendQueryAll()
{
    for (std::size_t i = 0; i < m_count; ++i) m_endpoints[i]->SendQuery();
}

void EndpointSet::SendKnownDevicesAll(const std::vector<KnownTail>& tails)
{
    for (std::size_t i = 0; i < m_count; ++i) m_endpoints[i]->SendKnownDevices(tails);
}

void EndpointSet::CloseEndpoints()
{
    for (std::size_t i = 0; i < m_count; ++i) m_endpoints[i].reset();
    m_count = 0;
}
