// The IPv4 addresses of this namespace's interfaces, to tell which local
// interface a simulated device sits on.
#pragma once

#include <string>
#include <vector>

#include "SimulatedInterface.h"

struct LocalAddress {
    Address address;
    unsigned interfaceIndex;
    std::string interfaceName;
};

std::vector<LocalAddress> ListLocalAddresses();

// nullptr when no local interface has the address.
const LocalAddress* FindLocalAddress(const std::vector<LocalAddress>& locals, const Address& address);
