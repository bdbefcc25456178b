#include "tests/fuzz/ReceivePath.h"

#include <algorithm>
#include <vector>

#include "discovery/DeviceTree.h"

void FeedReceivePath(const std::uint8_t* input, std::size_t size, DeviceTree& tree)
{
    const std::uint32_t lanSources[] = {0x0A000114u, 0x0A000115u, 0x0A000214u, 0u};
    std::size_t at = 0;
    while (size - at >= 3) {
        const std::uint8_t chooser = input[at];
        const std::size_t declared = std::size_t(input[at + 1]) << 8 | input[at + 2];
        at += 3;
        if (declared == 0xFFFF) {
            tree.Clear();
            continue;
        }
        std::size_t length = std::min({declared, size - at, std::size_t(1024)});
        // Each datagram gets its own exact-size copy, so that ASan sees any
        // read past its end.
        std::vector<std::uint8_t> datagram(input + at, input + at + length);
        at += length;

        std::uint32_t source = (chooser & 1) ? kLoopbackAddress : lanSources[(chooser >> 1) % 4];
        if (length == 0) continue;  // the endpoint ignores empty reads
        if (!TakeLoopbackTrailer(datagram.data(), length, source)) continue;
        datagram.resize(length);
        tree.HandleReply(datagram.data(), datagram.size(), source);
    }
}

std::string CheckTree(const DeviceTree& tree)
{
    std::size_t leaves = 0;
    const DeviceEntry* previous = nullptr;
    for (const DeviceEntry* root = tree.Head(); root != nullptr; root = root->m_pNext) {
        if (root->m_pParent != nullptr) return "a root has a parent";
        if (previous != nullptr && CompareMac(previous->m_keyMac, root->m_keyMac) <= 0) {
            return "roots are not in strictly descending key order";
        }
        previous = root;
        std::size_t children = 0;
        for (const DeviceEntry* child = root->m_pFirstChild; child != nullptr; child = child->m_pNext) {
            if (child->m_pFirstChild != nullptr) return "a child has children";
            if (child->m_pParent != root) return "a child does not name its parent";
            if (child->m_keyMac != root->m_keyMac) return "a child is filed under another unit";
            ++children;
            child->Label();
            child->DeviceAddress();
            if (child->StateImage() < 2 || child->StateImage() > 5) return "a child's image is out of range";
        }
        if (children == 1) return "a root has exactly one child";
        leaves += children == 0 ? 1 : children;
        root->Label();
        root->DeviceAddress();
        if (root->StateImage() < 1 || root->StateImage() > 5) return "a root's image is out of range";
    }
    const std::vector<KnownTail> tails = tree.KnownTails();
    if (tails.size() != leaves) return "the known tails do not list every interface once";
    std::size_t listed = 0;
    for (const Datagram& query : BuildKnownDevicesQueries(tails)) {
        if (query.size() > 1500) return "a known-devices query exceeds 1500 bytes";
        listed += (query.size() - 10) / 2;
    }
    if (listed != tails.size()) return "the known-devices queries lose tails";
    return std::string();
}
