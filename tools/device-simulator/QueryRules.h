// Which queries a simulated interface answers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "SimulatedInterface.h"

enum class QueryKind { NotAQuery, Discovery, KnownDevices };

// "QRYM" with kind 82 asks every device; "QRY2" with kind 86 (at least its
// 10-byte empty form) asks those not listed in it. Anything else is no query.
QueryKind ClassifyQuery(const std::uint8_t* datagram, std::size_t length);

// Whether a KnownDevicesQuery lists the interface: a tail of its MAC's last
// two bytes, or the same with the first of them XOR 0x80 (the finder's mark
// for a failed address check). Only the 2-byte tails between the 5-byte
// header and the 5 closing zero bytes count.
bool ListsInterface(const std::uint8_t* datagram, std::size_t length, const Mac& mac);

// Whether the device answers this datagram at all.
bool AnswersQuery(const std::uint8_t* datagram, std::size_t length, const Mac& mac);
