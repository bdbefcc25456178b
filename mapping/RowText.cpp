#include "mapping/RowText.h"

#include "mapping/DecimalValue.h"
#include "mapping/FormatText.h"

namespace {

// Kind 2 is the connector's Telnet client with the RFC 2217 serial options;
// ParseRowText recognises it by "RFC", so the label must carry that text (and
// must not carry "UDP", which is looked for second).
const char kTelnetLabel[] = "Telnet RFC 2217";

// Position of the first occurrence, or -1.
int Find(const std::string& s, const char* what)
{
    const size_t at = s.find(what);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// The characters from p on; p below 0 counts as 0, p at or past the end gives "".
std::string Tail(const std::string& s, int p)
{
    if (p < 0) p = 0;
    if (static_cast<size_t>(p) >= s.size()) return std::string();
    return s.substr(static_cast<size_t>(p));
}

}  // namespace

const char* ProtocolLabel(std::int32_t mode)
{
    switch (mode) {
    case ProtocolTelnetClient:
        return kTelnetLabel;
    case ProtocolUdp:
        return "UDP";
    default:
        return "TCP";
    }
}

std::string FormatRow(std::int32_t com_port, std::uint32_t ipa, std::uint16_t net_port,
                      std::int32_t mode)
{
    return FormatText("COM%d \t%d.%d.%d.%d\t  port: %d\t %s", static_cast<int>(com_port),
                      AddressByte(ipa, 0), AddressByte(ipa, 1), AddressByte(ipa, 2),
                      AddressByte(ipa, 3), static_cast<int>(net_port), ProtocolLabel(mode));
}

PortRecord ParseRowText(const std::string& row)
{
    PortRecord record;
    std::string s = row;

    // The first three characters are skipped by position, not compared.
    record.com_port = DecimalValue(Tail(s, 3));

    const int tab = Find(s, "\t");
    if (tab > 0) {
        s = Tail(s, tab + 1);
        unsigned bytes[4];
        bytes[0] = static_cast<unsigned>(DecimalValue(s)) & 0xFFu;
        for (int i = 1; i < 4; ++i) {
            // Without a further ".", Find gives -1 and the same number is read again.
            s = Tail(s, Find(s, ".") + 1);
            bytes[i] = static_cast<unsigned>(DecimalValue(s)) & 0xFFu;
        }
        record.ipa = AddressOfBytes(bytes[0], bytes[1], bytes[2], bytes[3]);
    }

    s = Tail(s, Find(s, "port:"));
    s = Tail(s, 5);
    record.net_port = static_cast<std::uint16_t>(static_cast<unsigned>(DecimalValue(s)) & 0xFFFFu);

    // A match at position 0 does not count: a label always follows the port digits.
    if (Find(s, "RFC") > 0) {
        record.mode = ProtocolTelnetClient;
    } else if (Find(s, "UDP") > 0) {
        record.mode = ProtocolUdp;
    } else {
        record.mode = ProtocolTcpClient;
    }
    return record;
}
