// The connector store against the real registry of the test prefix.
#include <gtest/gtest.h>


#include <atomic>
#include <string>
#include <thread>

#include "framework/ListBox.h"
#include "mapping/ConnectorStore.h"
#include "portlist/TandrelDlg.h"
#include "tests/support/Registry.h"

namespace {

class ConnectorStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteMachineKey(kConfigKeyPath); }
    void TearDown() override { DeleteMachineKey(kConfigKeyPath); }
};

const DWORD k192_168_1_10 = (192u << 24) | (168u << 16) | (1u << 8) | 10u;

RawValues ClientValues(const char* protocolSettings)
{
    return {{"ConnectionType", Sz("CLIENT")},
            {"NetSettings", MultiSz("192.168.1.10:5000:1:0:7000:1000")},
            {"PortSettings", Sz("Virtual:COM5:0")},
            {"ProtocolSetttings", Sz(protocolSettings)},
            {"ProxySettings", Sz("NONE::0:0::1:")},
            {"SecuritySettings", Sz("")},
            {"SignLines", Sz("0:0:0:1:1:1")}};
}

TEST_F(ConnectorStoreTest, WriteMappingStoresTheSevenValuesByteForByte)
{
    const struct {
        int mode;
        RawValues values;
    } cases[] = {
        {1, ClientValues("RAW:1:5000:2:2")},
        {0, ClientValues("RAW:1:5000:2:2")},
        {7, ClientValues("RAW:1:5000:2:2")},
        {2, ClientValues("TELNET:1:5000:1:1000:1:1:1")},
        {3,
         {{"ConnectionType", Sz("UDP")},
          {"NetSettings", Sz("192.168.1.10:5000:0")},
          {"PortSettings", Sz("Virtual:COM5:0")},
          {"ProtocolSetttings", Sz("RAW:0:3:1")},
          {"ProxySettings", Sz("NONE::0:0::1:")},
          {"SecuritySettings", Sz("")},
          {"SignLines", Sz("0:0:0:1:1:1")}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        DeleteMachineKey(kConfigKeyPath);
        CTandrelDlg dlg;
        EXPECT_TRUE(dlg.WriteMapping(5, k192_168_1_10, 5000, c.mode));

        EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM5"});
        const RawValues stored = ReadSubKeyValues("QVCOM5");
        EXPECT_EQ(stored, c.values);
    }
}

TEST_F(ConnectorStoreTest, WriteMappingMarksTheComNumberInUse)
{
    CTandrelDlg dlg;
    ASSERT_EQ(dlg.ComInUse()[44], 0);
    ASSERT_EQ(dlg.ComInUse()[77], 0);
    dlg.WriteMapping(300, 0, 0, 1);
    dlg.WriteMapping(77, 0, 0, 3);
    EXPECT_EQ(dlg.ComInUse()[44], 1);  // 300 modulo 256
    EXPECT_EQ(dlg.ComInUse()[77], 1);
    EXPECT_EQ(ReadSubKeyValues("QVCOM300").at("PortSettings"), Sz("Virtual:COM300:0"));
}

TEST_F(ConnectorStoreTest, WriteMappingOverwritesAnEarlierRowOfTheSameComNumber)
{
    CTandrelDlg dlg;
    dlg.WriteMapping(5, k192_168_1_10, 5000, 2);
    dlg.WriteMapping(5, k192_168_1_10, 6000, 3);
    EXPECT_EQ(ConfigSubKeys(), std::vector<std::string>{"QVCOM5"});
    EXPECT_EQ(ReadSubKeyValues("QVCOM5").at("NetSettings"), Sz("192.168.1.10:6000:0"));
}

// A real sorted list box, as the port list window has.
class HiddenListBox {
public:
    HiddenListBox()
    {
        list.Attach(::CreateWindowExA(0, "LISTBOX", "", LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr));
    }
    ~HiddenListBox() { ::DestroyWindow(list.Detach()); }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows(static_cast<size_t>(list.GetCount()));
        for (size_t i = 0; i < rows.size(); ++i) list.GetText(static_cast<int>(i), rows[i]);
        return rows;
    }
    CListBox list;
};

int ReadSeeded(const std::string& name, const RawValues& values, HiddenListBox& box)
{
    SeedMapping(name, values);
    HKEY config = OpenConfigKey();
    const int com = ReadMapping(config, box.list, name.c_str());
    ::RegCloseKey(config);
    return com;
}

TEST_F(ConnectorStoreTest, ReadMappingListsWhatWriteMappingWrote)
{
    for (int mode : {1, 2, 3, 7}) {
        DeleteMachineKey(kConfigKeyPath);
        CTandrelDlg dlg;
        dlg.WriteMapping(5, k192_168_1_10, 5000, mode);
        HiddenListBox box;
        HKEY config = OpenConfigKey();
        EXPECT_EQ(ReadMapping(config, box.list, "QVCOM5"), 5);
        ::RegCloseKey(config);
        const char* label = mode == 3 ? "UDP" : mode == 2 ? "Telnet RFC 2217" : "TCP";
        EXPECT_EQ(box.Rows(), std::vector<std::string>{
                                  std::string("COM5 \t192.168.1.10\t  port: 5000\t ") + label})
            << "mode " << mode;
    }
}

TEST_F(ConnectorStoreTest, ReadMappingTakesValuesOfAnyTypeAsText)
{
    const struct {
        const char* what;
        RawValues values;
        int com;
        const char* row;
    } cases[] = {
        {"another sub-key name, UDP",
         {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM7:0")}, {"NetSettings", Sz("10.0.0.5:80:0")}},
         7, "COM7 \t10.0.0.5\t  port: 80\t UDP"},
        {"texts without a zero byte",
         {{"ConnectionType", Raw(REG_BINARY, "UDP")}, {"PortSettings", Raw(REG_SZ, "Virtual:COM8")}, {"NetSettings", Raw(REG_BINARY, "10.0.0.8:88")}},
         8, "COM8 \t10.0.0.8\t  port: 88\t UDP"},
        {"a list gives its first string, expand strings stay unexpanded",
         {{"ConnectionType", Raw(REG_MULTI_SZ, std::string("UDP\0CLIENT\0\0", 12))}, {"PortSettings", Raw(REG_EXPAND_SZ, std::string("%X%:COM9\0", 9))}, {"NetSettings", Raw(REG_BINARY, std::string("1.2.3.4:9\0garbage", 17))}},
         9, "COM9 \t1.2.3.4\t  port: 9\t UDP"},
        {"missing NetSettings",
         {{"ConnectionType", Sz("CLIENT")}, {"ProtocolSetttings", Sz("TELNET")}, {"PortSettings", Sz("Virtual:COM300:0")}},
         300, "COM300 \t0.0.0.0\t  port: 0\t Telnet RFC 2217"},
        {"rejected: lower-case client",
         {{"ConnectionType", Sz("client")}, {"ProtocolSetttings", Sz("RAW")}, {"PortSettings", Sz("Virtual:COM5:0")}}, 0, nullptr},
        {"rejected: DWORD connection type",
         {{"ConnectionType", Raw(REG_DWORD, std::string("\3\0\0\0", 4))}, {"PortSettings", Sz("Virtual:COM5:0")}}, 0, nullptr},
        {"rejected: protocol settings with a different spelling",
         {{"ConnectionType", Sz("CLIENT")}, {"ProtocolSettings", Sz("RAW")}, {"PortSettings", Sz("Virtual:COM5:0")}}, 0, nullptr},
        {"rejected: COM0",
         {{"ConnectionType", Sz("UDP")}, {"PortSettings", Sz("Virtual:COM0:0")}}, 0, nullptr},
        {"rejected: empty sub-key", {}, 0, nullptr},
    };
    int index = 0;
    for (const auto& c : cases) {
        HiddenListBox box;
        const int com = ReadSeeded("Entry" + std::to_string(index++), c.values, box);
        EXPECT_EQ(com, c.com) << c.what;
        const std::vector<std::string> expected =
            c.row ? std::vector<std::string>{c.row} : std::vector<std::string>{};
        EXPECT_EQ(box.Rows(), expected) << c.what;
    }
}

TEST_F(ConnectorStoreTest, ReadStringFallsBackWhenNothingCanBeRead)
{
    SeedMapping("Present", {{"Empty", Raw(REG_SZ, "")}, {"Text", Sz("abc")}, {"Dword", Raw(REG_DWORD, std::string("\x41\x42\0\0", 4))}});
    HKEY config = OpenConfigKey();
    EXPECT_EQ(ReadString(config, "Missing", "Text", "Unknown"), "Unknown");
    EXPECT_EQ(ReadString(config, "Present", "Missing", "Unknown"), "Unknown");
    EXPECT_EQ(ReadString(config, "Present", "Text", "Unknown"), "abc");
    EXPECT_EQ(ReadString(config, "Present", "Empty", "Unknown"), "");
    EXPECT_EQ(ReadString(config, "Present", "Dword", "Unknown"), "AB");
    EXPECT_EQ(ReadString(nullptr, "Present", "Text", "fallback"), "fallback");
    ::RegCloseKey(config);
}

TEST_F(ConnectorStoreTest, ReadStringHandlesHugeValues)
{
    const std::string big(1 << 20, 'x');
    SeedMapping("Big", {{"Text", Raw(REG_BINARY, big)}});
    HKEY config = OpenConfigKey();
    EXPECT_EQ(ReadString(config, "Big", "Text", "Unknown"), big);
    ::RegCloseKey(config);
}

// Another process may rewrite a value between the size query and the read:
// every read gives one whole text or the fallback, never a mix or an overrun.
TEST_F(ConnectorStoreTest, ReadStringOfAValueThatChangesSizeMeanwhile)
{
    const std::string shortText = "short", longText(5000, 'L');
    SeedMapping("Changing", {{"Text", Sz(shortText)}});

    std::atomic<bool> stop(false);
    std::thread writer([&] {
        HKEY key;
        ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kConfigKeyPath) + "\\Changing").c_str(), 0,
                        KEY_ALL_ACCESS, &key);
        for (int i = 0; !stop; ++i) {
            const std::string& text = (i % 2) ? longText : shortText;
            ::RegSetValueExA(key, "Text", 0, REG_BINARY, reinterpret_cast<const BYTE*>(text.data()),
                             static_cast<DWORD>(text.size()));
        }
        ::RegCloseKey(key);
    });
    HKEY config = OpenConfigKey();
    for (int i = 0; i < 2000; ++i) {
        const std::string text = ReadString(config, "Changing", "Text", "Unknown");
        ASSERT_TRUE(text == shortText || text == longText || text == "Unknown")
            << text.size() << " bytes: " << text.substr(0, 40);
    }
    ::RegCloseKey(config);
    stop = true;
    writer.join();
}

}  // namespace
