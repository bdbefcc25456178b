#include <gtest/gtest.h>

#include <vector>

#include "ReplyQueue.h"

namespace {

std::vector<std::size_t> Devices(const std::vector<PendingReply>& replies)
{
    std::vector<std::size_t> devices;
    for (const PendingReply& reply : replies) devices.push_back(reply.device);
    return devices;
}

TEST(ReplyQueue, HandsOutRepliesWhenDueEarliestFirst)
{
    ReplyQueue queue;
    EXPECT_FALSE(queue.NextDue().has_value());

    const Address finder = {10, 0, 1, 1};
    queue.Schedule(300, {0, finder, 20034});
    queue.Schedule(100, {1, finder, 20034});
    queue.Schedule(100, {2, finder, 20035});
    queue.Schedule(200, {3, finder, 20034});
    EXPECT_EQ(queue.NextDue(), 100);

    EXPECT_TRUE(queue.TakeDue(99).empty());
    EXPECT_EQ(Devices(queue.TakeDue(200)), (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(queue.NextDue(), 300);
    EXPECT_TRUE(queue.TakeDue(200).empty());
    EXPECT_EQ(Devices(queue.TakeDue(1000)), (std::vector<std::size_t>{0}));
    EXPECT_FALSE(queue.NextDue().has_value());
}

}  // namespace
