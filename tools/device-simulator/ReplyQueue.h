// Replies waiting for their device's delay, so that a slow device does not
// hold up the answers of the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "SimulatedInterface.h"

struct PendingReply {
    std::size_t device;  // index into the config's interfaces
    Address destination;
    std::uint16_t port;
};

class ReplyQueue {
public:
    void Schedule(long long dueMs, const PendingReply& reply);

    // The earliest due time, if anything waits.
    std::optional<long long> NextDue() const;

    // Everything due at nowMs or before, earliest first; replies due at the
    // same time in the order they were scheduled.
    std::vector<PendingReply> TakeDue(long long nowMs);

private:
    std::multimap<long long, PendingReply> pending_;
};
