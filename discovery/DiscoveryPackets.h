// The discovery datagrams: the two queries the finder broadcasts and the
// reply a device sends, with the record functions the device tree is built
// on. Every multi-byte number is big-endian; an address on the wire is four
// bytes in dotted order, in memory a 32-bit value whose most significant byte
// is the first dotted byte. Portable: no Win32.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Datagram = std::vector<std::uint8_t>;
using Mac = std::array<std::uint8_t, 6>;

// A reply's device record: the 148 bytes after its magic and kind byte.
const std::size_t kDeviceRecordSize = 148;
using DeviceRecord = std::array<std::uint8_t, kDeviceRecordSize>;

// A reply's fixed part (magic, kind, record); also the query's length.
const std::size_t kReplyFixedSize = 153;

// The most tails one KnownDevicesQuery holds: it is built in 1500 bytes.
const std::size_t kMaxTailsPerQuery = 745;

// Fields of the record.
std::uint32_t ConfiguredAddress(const DeviceRecord& record);
Mac InterfaceMac(const DeviceRecord& record);
Mac UnitMac(const DeviceRecord& record);
std::uint8_t InterfaceKind(const DeviceRecord& record);
std::uint8_t ActiveAddressMarker(const DeviceRecord& record);
std::uint32_t ActiveAddress(const DeviceRecord& record);

// A decoded reply.
struct DiscoveryReply {
    std::uint32_t source;
    DeviceRecord record;
    std::string Device_Name;  // at most 79 characters
    std::string Device_App;   // "" or ":" and at most 198 characters
};

// One device interface already heard, as a KnownDevicesQuery lists it.
struct KnownTail {
    Mac interfaceMac;
    bool passedAddressCheck;
};

// "QRYM", 82, and 148 zero bytes: 153 bytes.
Datagram BuildDiscoveryQuery();

// "QRY2", 86, one two-byte tail per entry in order, four zero bytes and a
// zero pad byte: 10 + 2 N bytes. At most kMaxTailsPerQuery tails.
Datagram BuildKnownDevicesQuery(const std::vector<KnownTail>& tails);

// Every tail, over as many KnownDevicesQuery datagrams as it takes, each of
// at most kMaxTailsPerQuery tails; one 10-byte datagram when there are none.
std::vector<Datagram> BuildKnownDevicesQueries(const std::vector<KnownTail>& tails);

// The reply in a datagram of length bytes (without a loopback trailer) from
// source; nothing when it is not a reply: wrong magic, or shorter than a
// reply's fixed part, whose record would be incomplete.
std::optional<DiscoveryReply> DecodeReply(const std::uint8_t* datagram, std::size_t length,
                                          std::uint32_t source);

// A reply reaching the finder through 127.0.0.1 carries the real source
// address in its last four bytes. Removes that trailer (shortening length)
// and takes its address as the source; false when the datagram is too short
// to hold it and must be dropped. Datagrams from elsewhere pass unchanged.
bool TakeLoopbackTrailer(const std::uint8_t* datagram, std::size_t& length, std::uint32_t& source);

const std::uint32_t kLoopbackAddress = 0x7F000001u;  // 127.0.0.1

// What identifies a unit: its UnitMac when any byte of it is set, otherwise
// the MAC of the interface that answered.
Mac KeyMac(const DeviceRecord& record);

// 1, -1 or 0 as a is greater than, smaller than or equal to b, bytewise and
// unsigned from the first byte.
int CompareMac(const Mac& a, const Mac& b);

// Whether the record fits the address the reply came from: it does unless
// the device states an active address and the reply came from neither that
// address nor its configured one.
bool AddressCheck(const DeviceRecord& record, std::uint32_t source);
