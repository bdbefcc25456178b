// The device simulator's log, read by the finder tests: every datagram that
// reached the simulated devices' side of the wire, with its time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WireDatagram {
    long long ms;            // milliseconds since the simulator started
    std::string source;      // dotted address
    int sourcePort;
    std::string link;        // the simulator-side interface it arrived on
    std::vector<std::uint8_t> bytes;

    bool IsDiscoveryQuery() const;
    bool IsKnownDevicesQuery() const;
};

// A reply the simulator sent.
struct SentReply {
    long long ms;
    std::string from;  // the simulated interface's address
};

// The datagrams received, and the replies sent, so far, in log order (log
// path from the TANDREL_SIM_LOG environment variable, a Unix path).
std::vector<WireDatagram> ReceivedDatagrams();
std::vector<SentReply> SentReplies();
