#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConfigParser.h"
#include "DeviceReply.h"
#include "HexText.h"

namespace {

// Where the record's free part lies in the datagram: its content is ours to
// choose, so it is the only place a case does not pin down.
const std::size_t kFreeFrom = 13;
const std::size_t kFreeTo = 112;

struct Field {
    std::size_t at;
    std::string hex;
};

// Text as it goes on the wire: its bytes and the closing zero byte.
std::string TextHex(const std::string& text)
{
    return ToHex(Bytes(text.begin(), text.end())) + "00";
}

SimulatedInterface ParseOne(const std::string& line)
{
    const ConfigResult config = ParseConfig(line);
    EXPECT_EQ(config.errorLine, 0) << line << ": " << config.error;
    if (config.interfaces.size() != 1) {
        ADD_FAILURE() << line;
        return SimulatedInterface();
    }
    return config.interfaces[0];
}

// Every field at its offset; every other byte outside the free part is zero.
TEST(DeviceReply, PutsEachFieldAtItsOffset)
{
    const std::string longName(100, 'N');
    const struct {
        std::string line;
        std::size_t length;
        std::vector<Field> fields;
    } cases[] = {
        {"interface ip=10.0.1.20 mac=00:11:22:33:44:01",
         160,
         {{9, "0a000114"}, {112, "001122334401"}, {130, "aa0a000114"}, {153, TextHex("Device")}}},
        {"interface ip=10.0.1.21 mac=00:11:22:33:44:02 unit=00:11:22:33:55:00 kind=1 name=\"Lab unit\" "
         "app=\"Serial Bridge\"",
         176,
         {{9, "0a000115"},
          {112, "001122334402"},
          {123, "001122335500"},
          {129, "01"},
          {130, "aa0a000115"},
          {153, TextHex("Lab unit") + TextHex("Serial Bridge")}}},
        // DHCP: configured for no address, using the one it answers from.
        {"interface ip=10.0.1.22 mac=00:11:22:33:44:03 configured=0.0.0.0",
         160,
         {{112, "001122334403"}, {130, "aa0a000116"}, {153, TextHex("Device")}}},
        // No active address: marker and address both zero.
        {"interface ip=10.0.1.23 mac=00:11:22:33:44:04 active=none kind=2",
         160,
         {{9, "0a000117"}, {112, "001122334404"}, {129, "02"}, {153, TextHex("Device")}}},
        {"interface ip=10.0.1.24 mac=fe:dc:ba:98:76:54 configured=192.168.5.5 active=172.16.0.9 kind=255",
         160,
         {{9, "c0a80505"}, {112, "fedcba987654"}, {129, "ff"}, {130, "aaac100009"}, {153, TextHex("Device")}}},
        {"interface ip=10.0.1.25 mac=00:11:22:33:44:05 name=" + longName,
         254,
         {{9, "0a000119"}, {112, "001122334405"}, {130, "aa0a000119"}, {153, TextHex(longName)}}},
        // An empty application text is still there: a second zero byte.
        {"interface ip=10.0.1.26 mac=00:11:22:33:44:06 app=\"\"",
         161,
         {{9, "0a00011a"}, {112, "001122334406"}, {130, "aa0a00011a"}, {153, TextHex("Device") + "00"}}},
        {"interface ip=10.0.1.27 mac=00:11:22:33:44:07 name=\"\"",
         154,
         {{9, "0a00011b"}, {112, "001122334407"}, {130, "aa0a00011b"}}},
        {"interface ip=10.0.1.28 mac=00:11:22:33:44:08 name=\"say \\\"hi\\\" \\\\ # kept\" # a comment",
         171,
         {{9, "0a00011c"}, {112, "001122334408"}, {130, "aa0a00011c"}, {153, TextHex("say \"hi\" \\ # kept")}}},
        {"interface ip=10.0.1.29 mac=00:11:22:33:44:09 name=Lab\" \"unit app=x",
         164,
         {{9, "0a00011d"}, {112, "001122334409"}, {130, "aa0a00011d"}, {153, TextHex("Lab unit") + TextHex("x")}}},
    };
    for (const auto& c : cases) {
        const Bytes reply = DeviceReply(ParseOne(c.line));
        ASSERT_EQ(reply.size(), c.length) << c.line;

        std::vector<bool> pinned(reply.size(), false);
        std::vector<Field> fields = {{0, "52504c5853"}, {5, "00000094"}};
        fields.insert(fields.end(), c.fields.begin(), c.fields.end());
        for (const Field& field : fields) {
            const std::size_t width = field.hex.size() / 2;
            ASSERT_LE(field.at + width, reply.size()) << c.line;
            EXPECT_EQ(ToHex(&reply[field.at], width), field.hex) << c.line << " at " << field.at;
            for (std::size_t i = 0; i < width; ++i) pinned[field.at + i] = true;
        }
        for (std::size_t i = 0; i < reply.size(); ++i) {
            if (pinned[i] || (i >= kFreeFrom && i < kFreeTo)) continue;
            EXPECT_EQ(reply[i], 0) << c.line << " at " << i;
        }
    }
}

TEST(DeviceReply, SendsRawBytesOrCutsTheWellFormedReply)
{
    const std::string device = "interface ip=10.0.1.20 mac=00:11:22:33:44:01 ";
    const std::string whole = ToHex(WellFormedReply(ParseOne(device)));
    const struct {
        std::string settings;
        std::string hex;
    } cases[] = {
        {"raw=52504c58", "52504c58"},
        {"raw=DEADbeef", "deadbeef"},
        {"raw=", ""},
        {"raw=\"\"", ""},
        {"truncate=0", ""},
        {"truncate=5", "52504c5853"},
        {"truncate=9", "52504c585300000094"},
        {"truncate=159", whole.substr(0, 318)},
        {"truncate=160", whole},
        {"truncate=1000", whole},
    };
    ASSERT_EQ(whole.size(), 320u);
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(DeviceReply(ParseOne(device + c.settings))), c.hex) << c.settings;
    }
}

}  // namespace
