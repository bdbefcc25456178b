#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QueryRules.h"

namespace {

Bytes DiscoveryQuery()
{
    Bytes query = {'Q', 'R', 'Y', 'M', 82};
    query.resize(153, 0);
    return query;
}

Bytes KnownDevicesQuery(const std::vector<std::uint8_t>& tailBytes)
{
    Bytes query = {'Q', 'R', 'Y', '2', 86};
    query.insert(query.end(), tailBytes.begin(), tailBytes.end());
    query.insert(query.end(), 5, 0);
    return query;
}

TEST(QueryRules, AnswersDiscoveryAndUnlistedInterfacesOnly)
{
    const Mac device = {0x00, 0x11, 0x22, 0x33, 0x44, 0x01};
    const Mac zeroTail = {0x00, 0x11, 0x22, 0x33, 0x00, 0x00};
    const Mac markedZeroTail = {0x00, 0x11, 0x22, 0x33, 0x80, 0x00};
    const struct {
        const char* what;
        Bytes datagram;
        Mac mac;
        bool answers;
    } cases[] = {
        {"discovery query", DiscoveryQuery(), device, true},
        {"discovery header alone", {'Q', 'R', 'Y', 'M', 82}, device, true},
        {"discovery magic without kind", {'Q', 'R', 'Y', 'M'}, device, false},
        {"discovery magic, other kind", {'Q', 'R', 'Y', 'M', 83, 0, 0}, device, false},
        {"magic in lower case", {'q', 'r', 'y', 'm', 82, 0, 0}, device, false},
        {"empty datagram", {}, device, false},
        {"a device reply", {'R', 'P', 'L', 'X', 0x53, 0, 0, 0, 148}, device, false},
        {"known-devices magic, discovery kind", {'Q', 'R', 'Y', '2', 82, 0, 0, 0, 0, 0}, device, false},
        {"known-devices query too short to be one", {'Q', 'R', 'Y', '2', 86, 0, 0, 0, 0}, device, false},
        {"no tails", KnownDevicesQuery({}), device, true},
        {"listed, check passed", KnownDevicesQuery({0x44, 0x01}), device, false},
        {"listed, check failed", KnownDevicesQuery({0xC4, 0x01}), device, false},
        {"listed last of several", KnownDevicesQuery({0x44, 0x02, 0x45, 0x01, 0x44, 0x01}), device, false},
        {"listed first of several", KnownDevicesQuery({0x44, 0x01, 0x44, 0x02}), device, false},
        {"only the first byte matches", KnownDevicesQuery({0x44, 0x02}), device, true},
        {"only the second byte matches", KnownDevicesQuery({0x45, 0x01}), device, true},
        {"other mark than the failed check", KnownDevicesQuery({0x04, 0x01}), device, true},
        // Only the tail is compared: another unit with the same last two bytes hides this one too.
        {"same tail, other unit", KnownDevicesQuery({0x44, 0x01}), Mac{9, 9, 9, 9, 0x44, 0x01}, false},
        // The closing zero bytes are not tails.
        {"zero tail, none listed", KnownDevicesQuery({}), zeroTail, true},
        {"zero tail, others listed", KnownDevicesQuery({0x44, 0x01}), zeroTail, true},
        {"zero tail listed", KnownDevicesQuery({0x44, 0x01, 0x00, 0x00}), zeroTail, false},
        {"zero tail listed as failed", KnownDevicesQuery({0x80, 0x00}), zeroTail, false},
        {"marked tail listed as zero", KnownDevicesQuery({0x00, 0x00}), markedZeroTail, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnswersQuery(c.datagram.data(), c.datagram.size(), c.mac), c.answers) << c.what;
    }
}

}  // namespace
