#include "mapping/MappingValues.h"

#include "mapping/DecimalValue.h"
#include "mapping/DottedQuad.h"
#include "mapping/FormatText.h"

const char kUnreadableValue[] = "Unknown";

namespace {

// The connector's value names. "ProtocolSetttings" really has three t's: it is
// the name the connector reads.
const char kConnectionType[] = "ConnectionType";
const char kNetSettings[] = "NetSettings";
const char kPortSettings[] = "PortSettings";
const char kProtocolSettings[] = "ProtocolSetttings";
const char kProxySettings[] = "ProxySettings";
const char kSecuritySettings[] = "SecuritySettings";
const char kSignLines[] = "SignLines";

bool Contains(const std::string& s, const char* what)
{
    return s.find(what) != std::string::npos;
}

ProtocolKind KindOfValues(const ValueReader& readValue)
{
    const std::string connectionType = readValue(kConnectionType);
    if (connectionType == "CLIENT") {
        const std::string protocol = readValue(kProtocolSettings);
        if (Contains(protocol, "TELNET")) return ProtocolTelnetClient;
        if (Contains(protocol, "RAW")) return ProtocolTcpClient;
        return ProtocolNone;
    }
    if (connectionType == "UDP") return ProtocolUdp;
    return ProtocolNone;
}

}  // namespace

std::string MappingSubKeyName(std::int32_t com_port)
{
    return FormatText("QVCOM%d", static_cast<int>(com_port));
}

std::vector<StoredValue> MappingValues(const PortRecord& r)
{
    const bool udp = (r.mode == ProtocolUdp);
    const int a = AddressByte(r.ipa, 0), b = AddressByte(r.ipa, 1), c = AddressByte(r.ipa, 2),
              d = AddressByte(r.ipa, 3);
    const int port = r.net_port;

    std::vector<StoredValue> values;
    if (udp) {
        values.push_back({kConnectionType, StoredValueType::String, "UDP"});
        values.push_back({kNetSettings, StoredValueType::String,
                          FormatText("%d.%d.%d.%d:%d:0", a, b, c, d, port)});
    } else {
        values.push_back({kConnectionType, StoredValueType::String, "CLIENT"});
        values.push_back({kNetSettings, StoredValueType::OneStringList,
                          FormatText("%d.%d.%d.%d:%d:1:0:7000:1000", a, b, c, d, port)});
    }
    values.push_back({kPortSettings, StoredValueType::String,
                      FormatText("Virtual:COM%d:0", static_cast<int>(r.com_port))});

    const char* protocol = udp                                ? "RAW:0:3:1"
                           : r.mode == ProtocolTelnetClient ? "TELNET:1:5000:1:1000:1:1:1"
                                                              : "RAW:1:5000:2:2";
    values.push_back({kProtocolSettings, StoredValueType::String, protocol});
    values.push_back({kProxySettings, StoredValueType::String, "NONE::0:0::1:"});
    values.push_back({kSecuritySettings, StoredValueType::String, ""});
    values.push_back({kSignLines, StoredValueType::String, "0:0:0:1:1:1"});
    return values;
}

std::string StoredBytes(const StoredValue& value)
{
    std::string bytes = value.text;
    bytes.push_back('\0');
    if (value.type == StoredValueType::OneStringList) bytes.push_back('\0');
    return bytes;
}

bool DecodeMapping(const ValueReader& readValue, PortRecord& record)
{
    const ProtocolKind kind = KindOfValues(readValue);
    if (kind == ProtocolNone) return false;

    // The COM number follows the first ":COM"; one at the very start does not count.
    const std::string portSettings = readValue(kPortSettings);
    const size_t com = portSettings.find(":COM");
    if (com == std::string::npos || com == 0) return false;
    const int comPort = DecimalValue(portSettings.c_str() + com + 4);
    if (comPort <= 0) return false;

    // A missing "NetSettings" reads as "Unknown": address 0.0.0.0, port 0.
    const std::string netSettings = readValue(kNetSettings);
    const std::array<std::uint8_t, 4> bytes = ParseDottedQuad(netSettings);
    const size_t colon = netSettings.find(':');
    std::uint16_t port = 0;
    if (colon != std::string::npos && colon > 0) {
        port = static_cast<std::uint16_t>(
            static_cast<unsigned>(DecimalValue(netSettings.c_str() + colon + 1)) & 0xFFFFu);
    }

    record.com_port = comPort;
    record.ipa = AddressOfBytes(bytes[0], bytes[1], bytes[2], bytes[3]);
    record.net_port = port;
    record.mode = kind;
    return true;
}
