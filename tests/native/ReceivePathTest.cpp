// A long randomized run of the finder's receive path under ASan and UBSan:
// mutated replies from a small pool of units and interfaces, so that they
// merge, split and update, mixed with garbage and truncations.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "discovery/DeviceTree.h"
#include "tests/fuzz/ReceivePath.h"
#include "tests/native/FakeTreeView.h"
#include "tests/native/ReplyBuilder.h"

namespace {

std::vector<std::uint8_t> RandomInput(std::mt19937& random)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> input;
    const int datagrams = 1 + random() % 40;
    for (int i = 0; i < datagrams; ++i) {
        ReplyBuilder builder;
        builder.Interface(std::uint8_t(random() % 6));
        if (random() % 2) builder.Unit(std::uint8_t(random() % 3));
        builder.kind = std::uint8_t(random() % 5);
        builder.configured = (random() % 3) ? 0x0A000100u + random() % 4 : 0;
        if (random() % 2) builder.Active(0x0A000100u + random() % 4);
        builder.name.assign(random() % 120, 'n');
        builder.hasApp = random() % 2;
        builder.app.assign(random() % 250, 'a');
        std::vector<std::uint8_t> datagram = builder.Bytes();

        switch (random() % 6) {
        case 0:  // cut anywhere
            datagram.resize(random() % (datagram.size() + 1));
            break;
        case 1:  // flip a few bytes, the magic included
            for (int flips = 1 + random() % 4; flips > 0; --flips) {
                datagram[random() % datagram.size()] = std::uint8_t(byte(random));
            }
            break;
        case 2:  // pure garbage
            datagram.assign(random() % 300, 0);
            for (auto& b : datagram) b = std::uint8_t(byte(random));
            break;
        default:
            break;
        }
        const bool loopback = random() % 4 == 0;
        if (loopback && random() % 2) {
            const std::uint8_t trailer[] = {10, 0, 1, std::uint8_t(random() % 4)};
            datagram.insert(datagram.end(), trailer, trailer + 4);
        }
        const std::size_t length = random() % 50 == 0 ? 0xFFFF : datagram.size();
        input.push_back(std::uint8_t((random() % 8) * 2 + (loopback ? 1 : 0)));
        input.push_back(std::uint8_t(length >> 8));
        input.push_back(std::uint8_t(length));
        if (length != 0xFFFF) input.insert(input.end(), datagram.begin(), datagram.end());
    }
    return input;
}

TEST(ReceivePath, RandomDatagramsKeepTheTreeConsistent)
{
    std::mt19937 random(20261211);
    for (int run = 0; run < 10000; ++run) {
        FakeTreeView view;
        DeviceTree tree(view);
        const std::vector<std::uint8_t> input = RandomInput(random);
        FeedReceivePath(input.data(), input.size(), tree);
        const std::string broken = CheckTree(tree);
        ASSERT_EQ(broken, "") << "run " << run;
        std::size_t nodes = 0;
        for (const DeviceEntry* root = tree.Head(); root; root = root->m_pNext) {
            ++nodes;
            for (const DeviceEntry* child = root->m_pFirstChild; child; child = child->m_pNext) ++nodes;
        }
        ASSERT_EQ(view.items.size(), nodes) << "every node has exactly one item, run " << run;
    }
}

TEST(ReceivePath, ArbitraryBytes)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 3000; ++run) {
        std::vector<std::uint8_t> input(random() % 3000);
        for (auto& b : input) b = std::uint8_t(byte(random));
        FakeTreeView view;
        DeviceTree tree(view);
        FeedReceivePath(input.data(), input.size(), tree);
        ASSERT_EQ(CheckTree(tree), "") << "run " << run;
    }
}

}  // namespace
