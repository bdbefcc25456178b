#include "LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>

std::vector<LocalAddress> ListLocalAddresses()
{
    std::vector<LocalAddress> locals;
    struct ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return locals;
    for (const struct ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET) continue;
        // An address given a label ("tnet-b:1") still belongs to tnet-b.
        std::string name = i->ifa_name;
        name = name.substr(0, name.find(':'));
        LocalAddress local;
        const auto* inet = reinterpret_cast<const struct sockaddr_in*>(i->ifa_addr);
        std::memcpy(local.address.data(), &inet->sin_addr.s_addr, 4);
        local.interfaceIndex = if_nametoindex(name.c_str());
        local.interfaceName = name;
        if (local.interfaceIndex != 0) locals.push_back(local);
    }
    freeifaddrs(list);
    return locals;
}

const LocalAddress* FindLocalAddress(const std::vector<LocalAddress>& locals, const Address& address)
{
    for (const LocalAddress& local : locals) {
        if (local.address == address) return &local;
    }
    return nullptr;
}
