// One mapping of a local COM port onto a networked device. Portable: no Win32.
#pragma once

#include <cstdint>

// How the connector reaches the device. Stored and passed as a plain signed
// 32-bit number: values outside 1..3 do occur (rows typed by hand, crafted
// registry data) and are treated as a TCP client wherever a kind is needed.
enum ProtocolKind : std::int32_t {
    ProtocolNone = 0,          // the store entry names no mapping
    ProtocolTcpClient = 1,
    ProtocolTelnetClient = 2,  // Telnet with the RFC 2217 serial options
    ProtocolUdp = 3,
};

struct PortRecord {
    std::int32_t com_port = 0;   // n of COMn
    std::uint32_t ipa = 0;       // IPv4, first dotted byte most significant
    std::uint16_t net_port = 0;  // the device's TCP or UDP port
    ProtocolKind mode = ProtocolNone;
};

inline bool operator==(const PortRecord& a, const PortRecord& b)
{
    return a.com_port == b.com_port && a.ipa == b.ipa && a.net_port == b.net_port &&
           a.mode == b.mode;
}

// The IPv4 address of four dotted bytes, a of a.b.c.d most significant.
inline std::uint32_t AddressOfBytes(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return ((a & 0xFFu) << 24) | ((b & 0xFFu) << 16) | ((c & 0xFFu) << 8) | (d & 0xFFu);
}

// Byte i (0 = the first dotted one) of an address.
inline int AddressByte(std::uint32_t ipa, int i)
{
    return static_cast<int>((ipa >> (24 - 8 * i)) & 0xFFu);
}

// COM1 up to this one are probed at start-up and offered for new mappings.
const int kHighestOfferedComPort = 90;

// The slot of a COM number in a 256-entry table: its low eight bits, so any
// number, however large or negative, lands inside the table.
inline unsigned ComTableIndex(std::int32_t com_port)
{
    return static_cast<std::uint32_t>(com_port) & 0xFFu;
}
