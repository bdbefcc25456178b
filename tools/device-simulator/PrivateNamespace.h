// The network-safety rule: the simulator answers broadcasts, so it runs only
// in a network namespace a test made, never on the machine's real network.
#pragma once

#include <string>
#include <vector>

// lo, and names starting with veth, tnet or dummy: what a test namespace holds.
bool IsPrivateInterfaceName(const std::string& name);

// The names of this namespace's interfaces that break the rule. False when
// the interfaces cannot be listed, which must count as unsafe.
bool FindForeignInterfaces(std::vector<std::string>& foreign);
