#include "DeviceReply.h"

#include <algorithm>
#include <cstring>

namespace {

const std::uint8_t kReplyKind = 0x53;
const std::uint8_t kActiveAddressPresent = 0xAA;
const std::size_t kRecordSize = 148;

// Record offsets.
const std::size_t kConfiguredAddressAt = 4;
const std::size_t kFirmwareTextAt = 8;
const std::size_t kInterfaceMacAt = 107;
const std::size_t kUnitMacAt = 118;
const std::size_t kInterfaceKindAt = 124;
const std::size_t kActiveMarkerAt = 125;
const std::size_t kActiveAddressAt = 126;

// The finder skips this part of the record; a real device keeps its firmware
// version there, so a packet capture of the simulator looks like one.
const char kFirmwareText[] = "firmware 2.4.1 (simulated)";

template <std::size_t N>
void Put(Bytes& record, std::size_t at, const std::array<std::uint8_t, N>& field)
{
    std::copy(field.begin(), field.end(), record.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

Bytes WellFormedReply(const SimulatedInterface& device)
{
    Bytes record(kRecordSize, 0);
    record[3] = static_cast<std::uint8_t>(kRecordSize);
    Put(record, kConfiguredAddressAt, device.configured);
    std::memcpy(&record[kFirmwareTextAt], kFirmwareText, sizeof kFirmwareText - 1);
    Put(record, kInterfaceMacAt, device.mac);
    Put(record, kUnitMacAt, device.unit);
    record[kInterfaceKindAt] = device.kind;
    if (device.active) {
        record[kActiveMarkerAt] = kActiveAddressPresent;
        Put(record, kActiveAddressAt, *device.active);
    }

    Bytes reply = {'R', 'P', 'L', 'X', kReplyKind};
    reply.insert(reply.end(), record.begin(), record.end());
    reply.insert(reply.end(), device.name.begin(), device.name.end());
    reply.push_back(0);
    if (device.app) {
        reply.insert(reply.end(), device.app->begin(), device.app->end());
        reply.push_back(0);
    }
    return reply;
}

Bytes DeviceReply(const SimulatedInterface& device)
{
    if (device.raw) return *device.raw;
    Bytes reply = WellFormedReply(device);
    if (device.truncate && *device.truncate < reply.size()) reply.resize(*device.truncate);
    return reply;
}
