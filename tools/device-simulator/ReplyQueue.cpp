#include "ReplyQueue.h"

void ReplyQueue::Schedule(long long dueMs, const PendingReply& reply)
{
    // A multimap keeps equal keys in insertion order.
    pending_.emplace(dueMs, reply);
}

std::optional<long long> ReplyQueue::NextDue() const
{
    if (pending_.empty()) return std::nullopt;
    return pending_.begin()->first;
}

std::vector<PendingReply> ReplyQueue::TakeDue(long long nowMs)
{
    std::vector<PendingReply> due;
    const auto end = pending_.upper_bound(nowMs);
    for (auto i = pending_.begin(); i != end; ++i) due.push_back(i->second);
    pending_.erase(pending_.begin(), end);
    return due;
}
