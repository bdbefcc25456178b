#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "mapping/MappingValues.h"

namespace {

PortRecord Record(int com, std::uint32_t ipa, std::uint16_t port, int mode)
{
    PortRecord r;
    r.com_port = com;
    r.ipa = ipa;
    r.net_port = port;
    r.mode = static_cast<ProtocolKind>(mode);
    return r;
}

const std::uint32_t k192_168_1_10 = AddressOfBytes(192, 168, 1, 10);

struct Expected {
    const char* name;
    StoredValueType type;
    const char* text;
};

void ExpectValues(const PortRecord& record, const std::vector<Expected>& expected)
{
    const std::vector<StoredValue> values = MappingValues(record);
    ASSERT_EQ(values.size(), expected.size());
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_STREQ(values[i].name, expected[i].name) << i;
        EXPECT_EQ(values[i].type, expected[i].type) << expected[i].name;
        EXPECT_EQ(values[i].text, expected[i].text) << expected[i].name;
    }
}

TEST(MappingValues, TcpClientAndEveryKindWithoutItsOwnColumn)
{
    for (int mode : {1, 0, 7, -1}) {
        SCOPED_TRACE(mode);
        ExpectValues(Record(5, k192_168_1_10, 5000, mode),
                     {{"ConnectionType", StoredValueType::String, "CLIENT"},
                      {"NetSettings", StoredValueType::OneStringList, "192.168.1.10:5000:1:0:7000:1000"},
                      {"PortSettings", StoredValueType::String, "Virtual:COM5:0"},
                      {"ProtocolSetttings", StoredValueType::String, "RAW:1:5000:2:2"},
                      {"ProxySettings", StoredValueType::String, "NONE::0:0::1:"},
                      {"SecuritySettings", StoredValueType::String, ""},
                      {"SignLines", StoredValueType::String, "0:0:0:1:1:1"}});
    }
}

TEST(MappingValues, TelnetDiffersOnlyInProtocolSettings)
{
    ExpectValues(Record(5, k192_168_1_10, 5000, 2),
                 {{"ConnectionType", StoredValueType::String, "CLIENT"},
                  {"NetSettings", StoredValueType::OneStringList, "192.168.1.10:5000:1:0:7000:1000"},
                  {"PortSettings", StoredValueType::String, "Virtual:COM5:0"},
                  {"ProtocolSetttings", StoredValueType::String, "TELNET:1:5000:1:1000:1:1:1"},
                  {"ProxySettings", StoredValueType::String, "NONE::0:0::1:"},
                  {"SecuritySettings", StoredValueType::String, ""},
                  {"SignLines", StoredValueType::String, "0:0:0:1:1:1"}});
}

TEST(MappingValues, Udp)
{
    ExpectValues(Record(5, k192_168_1_10, 5000, 3),
                 {{"ConnectionType", StoredValueType::String, "UDP"},
                  {"NetSettings", StoredValueType::String, "192.168.1.10:5000:0"},
                  {"PortSettings", StoredValueType::String, "Virtual:COM5:0"},
                  {"ProtocolSetttings", StoredValueType::String, "RAW:0:3:1"},
                  {"ProxySettings", StoredValueType::String, "NONE::0:0::1:"},
                  {"SecuritySettings", StoredValueType::String, ""},
                  {"SignLines", StoredValueType::String, "0:0:0:1:1:1"}});
}

TEST(MappingValues, SubKeyNameAndStoredBytes)
{
    EXPECT_EQ(MappingSubKeyName(5), "QVCOM5");
    EXPECT_EQ(MappingSubKeyName(300), "QVCOM300");

    const std::vector<StoredValue> values = MappingValues(Record(5, k192_168_1_10, 5000, 1));
    const std::string netSettings = StoredBytes(values[1]);
    EXPECT_EQ(netSettings.size(), 33u);
    EXPECT_EQ(netSettings, std::string("192.168.1.10:5000:1:0:7000:1000\0\0", 33));
    EXPECT_EQ(StoredBytes(values[5]), std::string(1, '\0'));  // empty SecuritySettings
    EXPECT_EQ(StoredBytes(values[0]), std::string("CLIENT\0", 7));
}

// A sub-key's values as a reader sees them: missing names read as "Unknown".
class FakeSubKey {
public:
    explicit FakeSubKey(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    std::string operator()(const char* name)
    {
        auto it = values_.find(name);
        return it == values_.end() ? kUnreadableValue : it->second;
    }
private:
    std::map<std::string, std::string> values_;
};

TEST(DecodeMapping, ReadsBackEveryRecordThatWasWritten)
{
    for (int mode : {0, 1, 2, 3, 7}) {
        for (int com : {1, 5, 90, 300}) {
            const PortRecord written = Record(com, k192_168_1_10, 5000, mode);
            std::map<std::string, std::string> stored;
            for (const StoredValue& v : MappingValues(written)) stored[v.name] = v.text;
            FakeSubKey subKey(stored);
            PortRecord read;
            ASSERT_TRUE(DecodeMapping(std::ref(subKey), read)) << mode;
            PortRecord expected = written;
            if (mode < 1 || mode > 3) expected.mode = ProtocolTcpClient;
            EXPECT_EQ(read, expected) << "mode " << mode << " COM" << com;
        }
    }
}

struct DecodeCase {
    const char* what;
    std::map<std::string, std::string> values;
    bool listed;
    PortRecord record;
};

TEST(DecodeMapping, AcceptsAndRejectsStoredTexts)
{
    const std::string udp = "UDP", client = "CLIENT", raw = "RAW:1:5000:2:2";
    const DecodeCase cases[] = {
        {"lower-case client", {{"ConnectionType", "client"}, {"ProtocolSetttings", raw}, {"PortSettings", "Virtual:COM5:0"}}, false, {}},
        {"trailing blank", {{"ConnectionType", "CLIENT "}, {"ProtocolSetttings", raw}, {"PortSettings", "Virtual:COM5:0"}}, false, {}},
        {"no connection type", {{"ProtocolSetttings", raw}, {"PortSettings", "Virtual:COM5:0"}}, false, {}},
        {"client without protocol", {{"ConnectionType", client}, {"PortSettings", "Virtual:COM5:0"}}, false, {}},
        {"client, neither RAW nor TELNET", {{"ConnectionType", client}, {"ProtocolSetttings", "raw:telnet"}, {"PortSettings", "Virtual:COM5:0"}}, false, {}},
        {"RAW and TELNET", {{"ConnectionType", client}, {"ProtocolSetttings", "RAW TELNET"}, {"PortSettings", "Virtual:COM5:0"}}, true, Record(5, 0, 0, 2)},
        {"COM without colon", {{"ConnectionType", udp}, {"PortSettings", "VirtualCOM5"}}, false, {}},
        {":COM at the start", {{"ConnectionType", udp}, {"PortSettings", ":COM5:0"}}, false, {}},
        {"COM0", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM0:0"}}, false, {}},
        {"negative COM", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM-3:0"}}, false, {}},
        {"no port settings", {{"ConnectionType", udp}}, false, {}},
        {"COM12x", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM12x"}}, true, Record(12, 0, 0, 3)},
        {"huge COM saturates", {{"ConnectionType", udp}, {"PortSettings", "X:COM99999999999"}}, true, Record(2147483647, 0, 0, 3)},
        {"no net settings", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}}, true, Record(5, 0, 0, 3)},
        {"address without port", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", "10.0.0.5"}}, true, Record(5, AddressOfBytes(10, 0, 0, 5), 0, 3)},
        {"three bytes", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", "10.0.0"}}, true, Record(5, AddressOfBytes(10, 0, 0, 0), 0, 3)},
        {"byte above 255", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", "300.1.2.3:80"}}, true, Record(5, AddressOfBytes(44, 1, 2, 3), 80, 3)},
        {"colons only", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", "1:2:3:4:5000"}}, true, Record(5, AddressOfBytes(1, 2, 3, 4), 2, 3)},
        {"colon first", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", ":80"}}, true, Record(5, AddressOfBytes(0, 80, 0, 0), 0, 3)},
        {"port wraps", {{"ConnectionType", udp}, {"PortSettings", "Virtual:COM5:0"}, {"NetSettings", "1.2.3.4:70000"}}, true, Record(5, AddressOfBytes(1, 2, 3, 4), 4464, 3)},
    };
    for (const DecodeCase& c : cases) {
        FakeSubKey subKey(c.values);
        PortRecord read;
        const bool listed = DecodeMapping(std::ref(subKey), read);
        EXPECT_EQ(listed, c.listed) << c.what;
        if (listed && c.listed) {
            EXPECT_EQ(read, c.record) << c.what;
        }
    }
}

}  // namespace
