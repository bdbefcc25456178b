#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/DiscoveryPackets.h"
#include "tests/native/ReplyBuilder.h"

namespace {

std::optional<DiscoveryReply> Decode(const Datagram& bytes, std::uint32_t source = Ip(10, 0, 0, 7))
{
    return DecodeReply(bytes.data(), bytes.size(), source);
}

TEST(DiscoveryQuery, IsTheMagicTheKindAndZeros)
{
    const Datagram query = BuildDiscoveryQuery();
    ASSERT_EQ(query.size(), 153u);
    EXPECT_EQ(Datagram(query.begin(), query.begin() + 5), (Datagram{'Q', 'R', 'Y', 'M', 82}));
    EXPECT_EQ(Datagram(query.begin() + 5, query.end()), Datagram(148, 0));
}

TEST(KnownDevicesQuery, ListsOneTailPerInterfaceAndFlagsFailedChecks)
{
    EXPECT_EQ(BuildKnownDevicesQuery({}), (Datagram{'Q', 'R', 'Y', '2', 86, 0, 0, 0, 0, 0}));

    const std::vector<KnownTail> tails = {{{1, 2, 3, 4, 0x05, 0x06}, true},
                                          {{1, 2, 3, 4, 0x05, 0x07}, false},
                                          {{1, 2, 3, 4, 0x85, 0x08}, false},
                                          {{9, 9, 9, 9, 0x00, 0x00}, true}};
    EXPECT_EQ(BuildKnownDevicesQuery(tails),
              (Datagram{'Q', 'R', 'Y', '2', 86, 0x05, 0x06, 0x85, 0x07, 0x05, 0x08, 0, 0, 0, 0, 0, 0, 0}));
}

// 1500 bytes hold 745 tails; more are sent in further datagrams, never cut off.
TEST(KnownDevicesQuery, SplitsLongListsIntoDatagramsOf745Tails)
{
    std::vector<KnownTail> tails;
    for (int i = 0; i < 2000; ++i) {
        tails.push_back({{0, 0, 0, 0, std::uint8_t(i >> 8 & 0x7F), std::uint8_t(i)}, true});
    }
    EXPECT_EQ(BuildKnownDevicesQuery(std::vector<KnownTail>(tails.begin(), tails.begin() + 745)).size(), 1500u);
    EXPECT_EQ(BuildKnownDevicesQueries({}).size(), 1u);

    for (size_t count : {size_t(745), size_t(746), size_t(1490), size_t(2000)}) {
        const std::vector<KnownTail> some(tails.begin(), tails.begin() + static_cast<long>(count));
        const std::vector<Datagram> queries = BuildKnownDevicesQueries(some);
        ASSERT_EQ(queries.size(), (count + 744) / 745) << count;
        std::vector<std::uint8_t> listed;
        for (const Datagram& query : queries) {
            ASSERT_LE(query.size(), 1500u);
            ASSERT_EQ(Datagram(query.end() - 5, query.end()), Datagram(5, 0));
            listed.insert(listed.end(), query.begin() + 5, query.end() - 5);
        }
        ASSERT_EQ(listed.size(), 2 * count);
        for (size_t i = 0; i < count; ++i) {
            ASSERT_EQ(listed[2 * i], some[i].interfaceMac[4]);
            ASSERT_EQ(listed[2 * i + 1], some[i].interfaceMac[5]);
        }
    }
}

TEST(DecodeReply, TakesTheRecordAndTheSource)
{
    ReplyBuilder builder;
    builder.configured = Ip(192, 168, 1, 20);
    const Datagram bytes = builder.Bytes();
    const auto reply = Decode(bytes, Ip(192, 168, 1, 20));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->source, Ip(192, 168, 1, 20));
    EXPECT_EQ(reply->record, builder.Record());
    EXPECT_EQ(ConfiguredAddress(reply->record), Ip(192, 168, 1, 20));
    EXPECT_EQ(InterfaceMac(reply->record), builder.interfaceMac);
}

// The texts after the fixed part: (datagram tail after byte 153, name, app).
TEST(DecodeReply, ReadsTheNameAndTheApplicationText)
{
    const std::string hundred(100, 'n');
    const struct {
        const char* what;
        std::string tail;
        std::string name;
        std::string app;
    } cases[] = {
        {"no texts at all", "", "", ""},
        {"name and application", std::string("ab\0xyz\0", 7), "ab", ":xyz"},
        {"one byte after the name's zero", std::string("ab\0x", 4), "ab", ""},
        {"two bytes after it", std::string("ab\0x\0", 5), "ab", ":x"},
        {"application without its zero", std::string("ab\0xyz", 6), "ab", ":xyz"},
        {"name without its zero", "abc", "abc", ""},
        {"empty name", std::string("\0xyz\0", 5), "", ":xyz"},
        {"Unknown means none", std::string("ab\0Unknown\0", 11), "ab", ""},
        {"case matters", std::string("ab\0unknown\0", 11), "ab", ":unknown"},
        {"long name is cut, application still found", hundred + std::string("\0app\0", 5),
         std::string(79, 'n'), ":app"},
        {"long application is cut", std::string("n\0", 2) + std::string(300, 'a'), "n",
         ":" + std::string(198, 'a')},
    };
    for (const auto& c : cases) {
        Datagram bytes = ReplyBuilder().Bytes();
        bytes.resize(153);
        bytes.insert(bytes.end(), c.tail.begin(), c.tail.end());
        const auto reply = Decode(bytes);
        ASSERT_TRUE(reply) << c.what;
        EXPECT_EQ(reply->Device_Name, c.name) << c.what;
        EXPECT_EQ(reply->Device_App, c.app) << c.what;
    }
}

TEST(DecodeReply, DropsWhatIsNotACompleteReply)
{
    Datagram reply = ReplyBuilder().Bytes();
    EXPECT_TRUE(Decode(reply));
    Datagram wrongMagic = reply;
    wrongMagic[3] = 'Y';
    EXPECT_FALSE(Decode(wrongMagic));
    EXPECT_FALSE(Decode(BuildDiscoveryQuery()));
    // The magic, but too short to hold the whole record.
    for (size_t length : {size_t(0), size_t(4), size_t(5), size_t(100), size_t(152)}) {
        EXPECT_FALSE(DecodeReply(reply.data(), length, 0)) << length;
    }
    EXPECT_TRUE(DecodeReply(reply.data(), 153, 0));
}

TEST(LoopbackTrailer, GivesTheRealSourceOfRepliesThroughLoopback)
{
    Datagram bytes(204, 0);
    bytes[200] = 10;
    bytes[203] = 7;
    size_t length = bytes.size();
    std::uint32_t source = kLoopbackAddress;
    ASSERT_TRUE(TakeLoopbackTrailer(bytes.data(), length, source));
    EXPECT_EQ(length, 200u);
    EXPECT_EQ(source, Ip(10, 0, 0, 7));

    length = 200;
    source = Ip(192, 168, 1, 20);
    ASSERT_TRUE(TakeLoopbackTrailer(bytes.data(), length, source));
    EXPECT_EQ(length, 200u);
    EXPECT_EQ(source, Ip(192, 168, 1, 20));

    for (size_t tooShort : {size_t(0), size_t(3)}) {
        length = tooShort;
        source = kLoopbackAddress;
        EXPECT_FALSE(TakeLoopbackTrailer(bytes.data(), length, source)) << tooShort;
    }
    length = 4;
    source = kLoopbackAddress;
    ASSERT_TRUE(TakeLoopbackTrailer(bytes.data(), length, source));
    EXPECT_EQ(length, 0u);
}

TEST(RecordFunctions, KeyMacCompareMacAddressCheck)
{
    ReplyBuilder builder;
    EXPECT_EQ(KeyMac(builder.Record()), builder.interfaceMac);
    builder.unitMac = {0, 0, 0, 0, 0, 1};
    EXPECT_EQ(KeyMac(builder.Record()), builder.unitMac);

    EXPECT_EQ(CompareMac({0x80, 0, 0, 0, 0, 0}, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 1);
    EXPECT_EQ(CompareMac({1, 2, 3, 4, 5, 5}, {1, 2, 3, 4, 5, 9}), -1);
    EXPECT_EQ(CompareMac({1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}), 0);

    const std::uint32_t a = Ip(10, 0, 0, 1), b = Ip(10, 0, 0, 2), c = Ip(10, 0, 0, 3);
    const struct {
        std::uint8_t marker;
        std::uint32_t configured, active, source;
        bool passes;
    } cases[] = {
        {0xAB, a, b, c, true},   // no active address stated
        {0x00, a, b, c, true},
        {0xAA, 0, 0, 0, true},
        {0xAA, a, b, b, true},   // from the active address
        {0xAA, a, b, a, true},   // from the configured address
        {0xAA, a, b, c, false},
        {0xAA, 0, b, c, false},
    };
    for (const auto& c2 : cases) {
        DeviceRecord record = ReplyBuilder().Record();
        record[125] = c2.marker;
        for (int i = 0; i < 4; ++i) {
            record[4 + static_cast<size_t>(i)] = std::uint8_t(c2.configured >> (24 - 8 * i));
            record[126 + static_cast<size_t>(i)] = std::uint8_t(c2.active >> (24 - 8 * i));
        }
        EXPECT_EQ(AddressCheck(record, c2.source), c2.passes)
            << int(c2.marker) << " " << c2.configured << " " << c2.active << " " << c2.source;
    }
}

}  // namespace
