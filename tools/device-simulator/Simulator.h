// The simulated devices on one UDP socket: receives the finder's queries,
// learns which local interface each arrived on, and has every device on that
// interface answer from its own address after its delay.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "EventLog.h"
#include "ReplyQueue.h"
#include "SimulatedInterface.h"

class Simulator {
public:
    Simulator(const std::vector<SimulatedInterface>& devices, EventLog& log);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Binds 0.0.0.0:port; false with a reason when that fails.
    bool Open(int port, std::string& error);

    // Serves until stopFd (a signalfd) becomes readable; false with a reason
    // on a socket failure.
    bool Run(int stopFd, std::string& error);

private:
    long long NowMs() const;
    bool ReceiveAll(std::string& error);
    void HandleDatagram(const std::uint8_t* datagram, std::size_t length, const Address& source,
                        std::uint16_t port, unsigned arrivalInterface);
    void SendDueReplies();

    std::vector<SimulatedInterface> devices_;
    EventLog& log_;
    ReplyQueue queue_;
    std::vector<std::uint8_t> buffer_;
    int socket_ = -1;
    std::chrono::steady_clock::time_point start_;
};
