// One discovery endpoint: a UDP socket bound to port 20034 of one local
// interface, which broadcasts the queries and hands every datagram it
// receives to its owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "discovery/DiscoveryPackets.h"
#include "framework/AsyncSocket.h"

const unsigned short kDiscoveryPort = 20034;
const unsigned short kFallbackPort = 20035;

// Who receives the endpoints' datagrams: the finder dialog.
class DiscoveryReplyOwner {
public:
    // One received datagram, with the loopback trailer already taken off
    // and its source address (first dotted byte most significant).
    virtual void HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source) = 0;

protected:
    ~DiscoveryReplyOwner() = default;
};

class CDiscoverySocket : public CAsyncSocket {
public:
    // Binds to port 20034 of the interface (dotted text), or, when that
    // fails, to port 20035 of every interface, and allows broadcasts. When
    // neither works, tells the user; the object then stays, unusable.
    CDiscoverySocket(DiscoveryReplyOwner* owner, const char* interfaceAddress);
    ~CDiscoverySocket() override;

    // Broadcasts a DiscoveryQuery to port 20034; returns the send result.
    int SendQuery();
    // Broadcasts the KnownDevicesQuery of tails (several datagrams when
    // there are more than one query holds); returns the last send result.
    int SendKnownDevices(const std::vector<KnownTail>& tails);

    // Called when a datagram is waiting: reads one and hands it on.
    void OnReceive(int nErrorCode) override;

private:
    int Broadcast(const Datagram& datagram);

    DiscoveryReplyOwner* m_pOwner;
    sockaddr_in m_broadcastTo;
};
