#include <gtest/gtest.h>

#include "PrivateNamespace.h"

namespace {

TEST(PrivateNamespace, AllowsOnlyTheInterfacesATestNamespaceHolds)
{
    const struct {
        const char* name;
        bool allowed;
    } cases[] = {
        {"lo", true},
        {"veth0", true},
        {"veth", true},
        {"tnet-a", true},
        {"dummy0", true},
        {"lo0", false},
        {"Lo", false},
        {"eth0", false},
        {"enp3s0", false},
        {"wlan0", false},
        {"docker0", false},
        {"br-veth", false},
        {"xtnet", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPrivateInterfaceName(c.name), c.allowed) << '"' << c.name << '"';
    }
}

}  // namespace
