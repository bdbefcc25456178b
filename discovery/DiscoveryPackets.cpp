#include "discovery/DiscoveryPackets.h"

#include <algorithm>

namespace {

const std::uint8_t kQueryKind = 82;
const std::uint8_t kKnownDevicesKind = 86;
const std::uint8_t kActiveAddressPresent = 0xAA;

// Record offsets.
const std::size_t kConfiguredAddressAt = 4;
const std::size_t kInterfaceMacAt = 107;
const std::size_t kUnitMacAt = 118;
const std::size_t kInterfaceKindAt = 124;
const std::size_t kActiveMarkerAt = 125;
const std::size_t kActiveAddressAt = 126;

const std::size_t kRecordAt = 5;     // in a reply
const std::size_t kNameAt = 153;     // in a reply
const std::size_t kMaxName = 79;
const std::size_t kMaxAppText = 198;

std::uint32_t ReadAddress(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

Mac ReadMac(const DeviceRecord& record, std::size_t at)
{
    Mac mac;
    std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(at), mac.size(), mac.begin());
    return mac;
}

Datagram Header(const char magic[4], std::uint8_t kind)
{
    return Datagram{std::uint8_t(magic[0]), std::uint8_t(magic[1]), std::uint8_t(magic[2]),
                    std::uint8_t(magic[3]), kind};
}

// The text starting at from, up to its zero byte or end, at most limit characters.
std::string TextAt(const std::uint8_t* datagram, std::size_t from, std::size_t end, std::size_t limit)
{
    std::string text;
    for (std::size_t i = from; i < end && datagram[i] != 0 && text.size() < limit; ++i) {
        text.push_back(static_cast<char>(datagram[i]));
    }
    return text;
}

}  // namespace

std::uint32_t ConfiguredAddress(const DeviceRecord& record) { return ReadAddress(&record[kConfiguredAddressAt]); }
Mac InterfaceMac(const DeviceRecord& record) { return ReadMac(record, kInterfaceMacAt); }
Mac UnitMac(const DeviceRecord& record) { return ReadMac(record, kUnitMacAt); }
std::uint8_t InterfaceKind(const DeviceRecord& record) { return record[kInterfaceKindAt]; }
std::uint8_t ActiveAddressMarker(const DeviceRecord& record) { return record[kActiveMarkerAt]; }
std::uint32_t ActiveAddress(const DeviceRecord& record) { return ReadAddress(&record[kActiveAddressAt]); }

Datagram BuildDiscoveryQuery()
{
    Datagram query = Header("QRYM", kQueryKind);
    query.resize(kReplyFixedSize, 0);
    return query;
}

Datagram BuildKnownDevicesQuery(const std::vector<KnownTail>& tails)
{
    Datagram query = Header("QRY2", kKnownDevicesKind);
    const std::size_t count = std::min(tails.size(), kMaxTailsPerQuery);
    for (std::size_t i = 0; i < count; ++i) {
        const KnownTail& tail = tails[i];
        query.push_back(tail.passedAddressCheck ? tail.interfaceMac[4]
                                                : std::uint8_t(tail.interfaceMac[4] ^ 0x80));
        query.push_back(tail.interfaceMac[5]);
    }
    query.insert(query.end(), 5, 0);  // four terminator bytes and the pad byte
    return query;
}

std::vector<Datagram> BuildKnownDevicesQueries(const std::vector<KnownTail>& tails)
{
    std::vector<Datagram> queries;
    std::size_t next = 0;
    do {
        const std::size_t count = std::min(tails.size() - next, kMaxTailsPerQuery);
        const std::vector<KnownTail> part(tails.begin() + static_cast<std::ptrdiff_t>(next),
                                          tails.begin() + static_cast<std::ptrdiff_t>(next + count));
        queries.push_back(BuildKnownDevicesQuery(part));
        next += count;
    } while (next < tails.size());
    return queries;
}

std::optional<DiscoveryReply> DecodeReply(const std::uint8_t* datagram, std::size_t length,
                                          std::uint32_t source)
{
    if (length < kReplyFixedSize) return std::nullopt;
    if (datagram[0] != 'R' || datagram[1] != 'P' || datagram[2] != 'L' || datagram[3] != 'X') {
        return std::nullopt;
    }

    DiscoveryReply reply;
    reply.source = source;
    std::copy_n(datagram + kRecordAt, kDeviceRecordSize, reply.record.begin());

    if (length > kNameAt) {
        reply.Device_Name = TextAt(datagram, kNameAt, length, kMaxName);
        // The application text follows the name's own zero byte, even when
        // the name was cut short, and needs at least two bytes after it.
        const std::uint8_t* zero = std::find(datagram + kNameAt, datagram + length, 0);
        const std::size_t z = static_cast<std::size_t>(zero - datagram);
        if (z < length && z + 2 < length) {
            reply.Device_App = ":" + TextAt(datagram, z + 1, length, kMaxAppText);
            if (reply.Device_App == ":Unknown") reply.Device_App.clear();
        }
    }
    return reply;
}

bool TakeLoopbackTrailer(const std::uint8_t* datagram, std::size_t& length, std::uint32_t& source)
{
    if (source != kLoopbackAddress) return true;
    if (length < 4) return false;
    length -= 4;
    source = ReadAddress(datagram + length);
    return true;
}

Mac KeyMac(const DeviceRecord& record)
{
    const Mac unit = UnitMac(record);
    const bool stated = std::any_of(unit.begin(), unit.end(), [](std::uint8_t b) { return b != 0; });
    return stated ? unit : InterfaceMac(record);
}

int CompareMac(const Mac& a, const Mac& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return a[i] > b[i] ? 1 : -1;
    }
    return 0;
}

bool AddressCheck(const DeviceRecord& record, std::uint32_t source)
{
    if (ActiveAddressMarker(record) != kActiveAddressPresent) return true;
    return source == ActiveAddress(record) || source == ConfiguredAddress(record);
}
