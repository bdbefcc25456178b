// The finder's endpoints: one CDiscoverySocket per local IPv4 interface, up
// to 20, owned by the set.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "discovery/DiscoverySocket.h"

const std::size_t kMaxEndpoints = 20;

class EndpointSet {
public:
    // Makes one endpoint per interface the system lists, in its order, each
    // sending its first DiscoveryQuery at once; returns how many were made.
    // Systems with more than 20 interfaces are served on their first 20; an
    // interface list that cannot be had leaves the set empty.
    std::size_t OpenEndpoints(DiscoveryReplyOwner* owner);
    void SendQueryAll();
    void SendKnownDevicesAll(const std::vector<KnownTail>& tails);
    // Destroys every endpoint, closing its socket.
    void CloseEndpoints();

    std::size_t Count() const { return m_count; }

private:
    std::unique_ptr<CDiscoverySocket> m_endpoints[kMaxEndpoints];
    std::size_t m_count = 0;
};
