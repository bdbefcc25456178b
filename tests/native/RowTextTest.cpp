#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "mapping/ProtocolItem.h"
#include "mapping/RowText.h"

namespace {

std::string Describe(const PortRecord& r)
{
    return "COM" + std::to_string(r.com_port) + " ipa=" + std::to_string(r.ipa) +
           " port=" + std::to_string(r.net_port) + " mode=" + std::to_string(r.mode);
}

TEST(FormatRow, LaysOutTheColumnsWithTabsAndBlanks)
{
    EXPECT_EQ(FormatRow(5, AddressOfBytes(192, 168, 1, 10), 5000, ProtocolTcpClient),
              "COM5 \t192.168.1.10\t  port: 5000\t TCP");
    EXPECT_EQ(FormatRow(300, 0, 0, ProtocolUdp), "COM300 \t0.0.0.0\t  port: 0\t UDP");
}

TEST(FormatRow, LabelsEveryKindAndTreatsUnknownKindsAsTcp)
{
    EXPECT_STREQ(ProtocolLabel(ProtocolTcpClient), "TCP");
    EXPECT_STREQ(ProtocolLabel(ProtocolUdp), "UDP");
    const std::string telnet = ProtocolLabel(ProtocolTelnetClient);
    EXPECT_NE(telnet.find("RFC"), std::string::npos);
    EXPECT_EQ(telnet.find("UDP"), std::string::npos);
    for (int kind : {0, -1, 4, 7, INT_MIN, INT_MAX}) {
        EXPECT_STREQ(ProtocolLabel(kind), "TCP") << kind;
    }
}

// Every row FormatRow makes must read back as the record it was made from;
// kinds without a label of their own come back as a TCP client.
TEST(ParseRowText, GivesBackWhatFormatRowWasGiven)
{
    const int comPorts[] = {1, 2, 10, 90, 255, 256, 300, 99999, INT_MAX};
    const std::uint32_t addresses[] = {0, 0xFFFFFFFFu, AddressOfBytes(192, 168, 1, 10),
                                       AddressOfBytes(10, 0, 0, 7), AddressOfBytes(1, 2, 3, 4)};
    const std::uint16_t ports[] = {0, 1, 502, 5000, 65535};
    const int kinds[] = {0, 1, 2, 3, -1, 4, 7, INT_MIN, INT_MAX};

    for (int com : comPorts)
        for (std::uint32_t ipa : addresses)
            for (std::uint16_t port : ports)
                for (int kind : kinds) {
                    const PortRecord parsed = ParseRowText(FormatRow(com, ipa, port, kind));
                    PortRecord expected;
                    expected.com_port = com;
                    expected.ipa = ipa;
                    expected.net_port = port;
                    expected.mode = (kind >= 1 && kind <= 3) ? static_cast<ProtocolKind>(kind)
                                                             : ProtocolTcpClient;
                    ASSERT_EQ(parsed, expected) << Describe(expected) << " came back as "
                                                << Describe(parsed);
                }
}

TEST(ParseRowText, GivesBackEveryPort)
{
    for (unsigned port = 0; port <= 65535; ++port) {
        const PortRecord parsed =
            ParseRowText(FormatRow(7, AddressOfBytes(10, 1, 2, 3), static_cast<std::uint16_t>(port),
                                   ProtocolUdp));
        ASSERT_EQ(parsed.net_port, port);
    }
}

struct ForeignRow {
    const char* text;
    int com_port;
    std::uint32_t ipa;
    std::uint16_t net_port;
    ProtocolKind mode;
};

// Rows FormatRow did not make go through the same steps and never fail.
TEST(ParseRowText, ReadsRowsItDidNotMake)
{
    const ForeignRow rows[] = {
        {"", 0, 0, 0, ProtocolTcpClient},
        {"COM", 0, 0, 0, ProtocolTcpClient},
        {"XYZ12", 12, 0, 0, ProtocolTcpClient},  // the prefix is skipped, not compared
        {"COM7", 7, 0, 0, ProtocolTcpClient},
        {"\tCOM7 1.2.3.4", 0, 0, 1, ProtocolTcpClient},  // tab at 0: no address; port from position 5
        {"COM7 \t300.256.1.999\t  port: 70000\t UDP", 7, AddressOfBytes(44, 0, 1, 231), 4464,
         ProtocolUdp},
        {"COM7 \t1.2\t  port: 80\t TCP", 7, AddressOfBytes(1, 2, 2, 2), 80, ProtocolTcpClient},
        {"COM7 \t9\t  port: 80\t TCP", 7, AddressOfBytes(9, 9, 9, 9), 80, ProtocolTcpClient},
        {"COM7 \t1.2.3.4\tno port here UDP", 7, AddressOfBytes(1, 2, 3, 4), 0, ProtocolUdp},
        {"COM7 \t1.2.3.4\t  port: -1\t RFC", 7, AddressOfBytes(1, 2, 3, 4), 65535,
         ProtocolTelnetClient},
        {"COM7 \t1.2.3.4\t  port: 1 UDP RFC", 7, AddressOfBytes(1, 2, 3, 4), 1,
         ProtocolTelnetClient},                                              // RFC wins
        {"COM7 \t1.2.3.4\t  port:UDP", 7, AddressOfBytes(1, 2, 3, 4), 0, ProtocolTcpClient},
        {"COM-4 \t1.2.3.4\t  port: 99999999999\t udp", -4, AddressOfBytes(1, 2, 3, 4), 65535,
         ProtocolTcpClient},  // saturated port; labels are case-sensitive
        {"COM99999999999 \t1.2.3.4", INT_MAX, AddressOfBytes(1, 2, 3, 4), 0, ProtocolTcpClient},
    };
    for (const ForeignRow& row : rows) {
        PortRecord expected;
        expected.com_port = row.com_port;
        expected.ipa = row.ipa;
        expected.net_port = row.net_port;
        expected.mode = row.mode;
        const PortRecord parsed = ParseRowText(row.text);
        EXPECT_EQ(parsed, expected) << '"' << row.text << "\" gave " << Describe(parsed);
    }
}

}  // namespace

namespace {

TEST(ProtocolItem, ConvertsBetweenKindsAndTheDialogsItems)
{
    EXPECT_EQ(ProtocolItemOfKind(ProtocolTcpClient), 0);
    EXPECT_EQ(ProtocolItemOfKind(ProtocolUdp), 1);
    EXPECT_EQ(ProtocolItemOfKind(ProtocolTelnetClient), kNoProtocolItem);
    EXPECT_EQ(ProtocolItemOfKind(7), 0);

    EXPECT_EQ(KindOfProtocolItem(0, ProtocolTelnetClient), ProtocolTcpClient);
    EXPECT_EQ(KindOfProtocolItem(1, ProtocolTelnetClient), ProtocolUdp);
    // Nothing chosen: a Telnet row stays Telnet, a new row is a TCP client.
    EXPECT_EQ(KindOfProtocolItem(kNoProtocolItem, ProtocolTelnetClient), ProtocolTelnetClient);
    EXPECT_EQ(KindOfProtocolItem(kNoProtocolItem, ProtocolTcpClient), ProtocolTcpClient);
    EXPECT_EQ(KindOfProtocolItem(2, ProtocolUdp), ProtocolUdp);

    // Every kind a row can show comes back unchanged through an edit that
    // leaves the item as preselected.
    for (int kind : {ProtocolTcpClient, ProtocolTelnetClient, ProtocolUdp}) {
        EXPECT_EQ(KindOfProtocolItem(ProtocolItemOfKind(kind), kind), kind);
    }
}

}  // namespace
