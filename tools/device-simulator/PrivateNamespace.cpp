#include "PrivateNamespace.h"

#include <net/if.h>

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

bool IsPrivateInterfaceName(const std::string& name)
{
    return name == "lo" || StartsWith(name, "veth") || StartsWith(name, "tnet") || StartsWith(name, "dummy");
}

bool FindForeignInterfaces(std::vector<std::string>& foreign)
{
    // Asked over netlink, so the answer is this process's namespace; a
    // /sys/class/net not remounted after unshare would show the host's.
    struct if_nameindex* interfaces = if_nameindex();
    if (interfaces == nullptr) return false;
    for (const struct if_nameindex* i = interfaces; i->if_index != 0; ++i) {
        if (!IsPrivateInterfaceName(i->if_name)) foreign.push_back(i->if_name);
    }
    if_freenameindex(interfaces);
    return true;
}
