#include <gtest/gtest.h>

#include <string>

#include "ConfigParser.h"

namespace {

using namespace std::string_literals;

TEST(ParseConfig, ReadsOneInterfacePerLineAndSkipsCommentsAndBlankLines)
{
    const std::string text =
        "# lab network\r\n"
        "\r\n"
        "interface\tip=10.0.1.20 mac=00:11:22:33:44:01   # first\r\n"
        "   \t\r\n"
        "interface ip=10.0.1.21 mac=00:11:22:33:44:02 unit=00:11:22:33:55:00 delay=250\r\n"
        "interface ip=10.0.1.22 mac=00:11:22:33:44:03 name=Plain";
    const ConfigResult config = ParseConfig(text);
    ASSERT_EQ(config.errorLine, 0) << config.error;
    ASSERT_EQ(config.interfaces.size(), 3u);

    EXPECT_EQ(config.interfaces[0].line, 3);
    EXPECT_EQ(config.interfaces[0].name, "Device");  // the trailing comment is not part of it
    EXPECT_EQ(config.interfaces[0].delayMs, 0);
    EXPECT_EQ(config.interfaces[1].line, 5);
    EXPECT_EQ(config.interfaces[1].unit, (Mac{0x00, 0x11, 0x22, 0x33, 0x55, 0x00}));
    EXPECT_EQ(config.interfaces[1].delayMs, 250);
    EXPECT_EQ(config.interfaces[2].line, 6);
    EXPECT_EQ(config.interfaces[2].ip, (Address{10, 0, 1, 22}));
    EXPECT_EQ(config.interfaces[2].name, "Plain");  // no line break at the end of the text
}

TEST(ParseConfig, AcceptsAnEmptyConfig)
{
    for (const char* text : {"", "\n\n", "# nothing here\n"}) {
        const ConfigResult config = ParseConfig(text);
        EXPECT_EQ(config.errorLine, 0) << config.error;
        EXPECT_TRUE(config.interfaces.empty());
    }
}

TEST(ParseConfig, RejectsABadLineNamingItsNumberAndProblem)
{
    const std::string good = "interface ip=10.0.1.20 mac=00:11:22:33:44:01";
    const struct {
        std::string text;
        int line;
        const char* mentions;
    } cases[] = {
        {"interface mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.20", 1, "mac"},
        {"device ip=10.0.1.20 mac=00:11:22:33:44:01", 1, "interface"},
        {"# lab\n\n" + good + " ip=10.0.1.21", 3, "twice"},
        {good + "\n" + good + " colour=red", 2, "colour"},
        {good + " verbose", 1, "key=value"},
        {good + " =x", 1, "key=value"},
        {good + " name=\"Lab unit", 1, "quote"},
        {good + " name=\"a\\nb\"", 1, "backslash"},
        {good + " name=\"a\0b\""s, 1, "zero"},
        {good + " app=\"a\0b\""s, 1, "zero"},
        {"interface ip=10.0.1.256 mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1 mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.2.3 mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.2. mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10..1.2 mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.x mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.0020 mac=00:11:22:33:44:01", 1, "ip"},
        {"interface ip=10.0.1.20 mac=00:11:22:33:44", 1, "mac"},
        {"interface ip=10.0.1.20 mac=00:11:22:33:44:0g", 1, "mac"},
        {"interface ip=10.0.1.20 mac=00-11-22-33-44-01", 1, "mac"},
        {"interface ip=10.0.1.20 mac=00:11:22:33:44:01:02", 1, "mac"},
        {good + " unit=0:11:22:33:55:000", 1, "unit"},
        {good + " kind=256", 1, "kind"},
        {good + " kind=-1", 1, "kind"},
        {good + " kind=", 1, "kind"},
        {good + " configured=dhcp", 1, "configured"},
        {good + " active=nothing", 1, "active"},
        {good + " delay=-5", 1, "delay"},
        {good + " delay=1.5", 1, "delay"},
        {good + " delay=600001", 1, "delay"},
        {good + " delay=99999999999999999999", 1, "delay"},
        {good + " raw=abc", 1, "raw"},
        {good + " raw=zz", 1, "raw"},
        {good + " truncate=65508", 1, "truncate"},
        {good + " truncate=-1", 1, "truncate"},
        {good + " raw=00 truncate=1", 1, "exclude"},
    };
    for (const auto& c : cases) {
        const ConfigResult config = ParseConfig(c.text);
        EXPECT_EQ(config.errorLine, c.line) << c.text;
        EXPECT_NE(config.error.find(c.mentions), std::string::npos) << c.text << ": " << config.error;
        EXPECT_TRUE(config.interfaces.empty()) << c.text;
    }
}

TEST(ParseConfig, TakesTheEdgesOfEachRange)
{
    const ConfigResult config = ParseConfig(
        "interface ip=0.0.0.0 mac=FF:ff:00:00:00:00 kind=0 delay=600000 truncate=65507\n"
        "interface ip=255.255.255.255 mac=00:00:00:00:00:00 kind=255 delay=0 truncate=0 active=none\n");
    ASSERT_EQ(config.errorLine, 0) << config.error;
    ASSERT_EQ(config.interfaces.size(), 2u);
    EXPECT_EQ(config.interfaces[0].mac, (Mac{0xFF, 0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(config.interfaces[0].delayMs, 600000);
    EXPECT_EQ(config.interfaces[0].truncate, 65507u);
    EXPECT_EQ(config.interfaces[1].ip, (Address{255, 255, 255, 255}));
    EXPECT_EQ(config.interfaces[1].kind, 255);
    EXPECT_FALSE(config.interfaces[1].active.has_value());
}

}  // namespace
