// The finder's whole receive path, for fuzzing: bytes as they arrive at an
// endpoint, the loopback rule, decoding, merging into the device tree, and
// what the tree is asked afterwards (labels, addresses, the known-devices
// queries). Any input must leave the tree consistent and read nothing out of
// bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class DeviceTree;

// Splits input into datagrams and feeds each through the receive path of
// tree. Input layout, repeated: one byte choosing the source (odd: 127.0.0.1,
// so the loopback trailer applies; even: one of a few LAN addresses), two
// bytes of length (up to the endpoint's 1024-byte buffer), then that many
// bytes (or what is left). A length of 0xFFFF clears the tree instead, as
// Search Again does.
void FeedReceivePath(const std::uint8_t* input, std::size_t size, DeviceTree& tree);

// Checks the tree's invariants and exercises every read of it; returns a
// description of the first broken invariant, or "" when all hold.
std::string CheckTree(const DeviceTree& tree);
