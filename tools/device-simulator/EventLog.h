// One line per event, flushed at once, for tests to read while the
// simulator runs:
//   <ms> listening <port>
//   <ms> recv <src ip>:<port> on <ifname> <length> <hex of all bytes, "-" if none>
//   <ms> sent <from ip> -> <dst ip>:<port> <length>
//   <ms> send-failed <from ip> -> <dst ip>:<port> <reason>
// <ms> counts milliseconds since the simulator started.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "SimulatedInterface.h"

class EventLog {
public:
    explicit EventLog(std::FILE* out) : out_(out) {}

    void Listening(long long ms, int port);
    void Received(long long ms, const Address& source, int port, const std::string& interfaceName,
                  const std::uint8_t* datagram, std::size_t length);
    void Sent(long long ms, const Address& from, const Address& destination, int port, std::size_t length);
    void SendFailed(long long ms, const Address& from, const Address& destination, int port,
                    const std::string& reason);

private:
    void Write(const std::string& line);

    std::FILE* out_;
};
