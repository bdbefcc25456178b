#include "QueryRules.h"

#include <cstring>

namespace {

const std::uint8_t kDiscoveryKind = 82;
const std::uint8_t kKnownDevicesKind = 86;
const std::size_t kHeaderSize = 5;
const std::size_t kKnownDevicesClosingSize = 5;  // four zero bytes and a pad byte
const std::uint8_t kFailedCheckMark = 0x80;

bool HasHeader(const std::uint8_t* datagram, std::size_t length, const char* magic, std::uint8_t kind)
{
    return length >= kHeaderSize && std::memcmp(datagram, magic, 4) == 0 && datagram[4] == kind;
}

}  // namespace

QueryKind ClassifyQuery(const std::uint8_t* datagram, std::size_t length)
{
    if (HasHeader(datagram, length, "QRYM", kDiscoveryKind)) return QueryKind::Discovery;
    if (HasHeader(datagram, length, "QRY2", kKnownDevicesKind) &&
        length >= kHeaderSize + kKnownDevicesClosingSize) {
        return QueryKind::KnownDevices;
    }
    return QueryKind::NotAQuery;
}

bool ListsInterface(const std::uint8_t* datagram, std::size_t length, const Mac& mac)
{
    if (length < kHeaderSize + kKnownDevicesClosingSize) return false;
    // Counted from the length: a tail may be two zero bytes, like the closing ones.
    const std::size_t tails = (length - kHeaderSize - kKnownDevicesClosingSize) / 2;
    for (std::size_t i = 0; i < tails; ++i) {
        const std::uint8_t* tail = datagram + kHeaderSize + 2 * i;
        const bool firstMatches = tail[0] == mac[4] || tail[0] == (mac[4] ^ kFailedCheckMark);
        if (firstMatches && tail[1] == mac[5]) return true;
    }
    return false;
}

bool AnswersQuery(const std::uint8_t* datagram, std::size_t length, const Mac& mac)
{
    switch (ClassifyQuery(datagram, length)) {
    case QueryKind::Discovery:
        return true;
    case QueryKind::KnownDevices:
        return !ListsInterface(datagram, length, mac);
    case QueryKind::NotAQuery:
        break;
    }
    return false;
}
