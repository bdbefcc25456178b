// Builds device replies for tests, field by field at their offsets.
#pragma once

#include <cstdint>
#include <string>

#include "discovery/DiscoveryPackets.h"

inline std::uint32_t Ip(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}

struct ReplyBuilder {
    Mac interfaceMac = {0, 0x11, 0x22, 0x33, 0x44, 0x01};
    Mac unitMac = {0, 0, 0, 0, 0, 0};
    std::uint8_t kind = 0;
    std::uint32_t configured = 0;
    bool hasActive = false;
    std::uint32_t active = 0;
    std::string name = "Unit";
    bool hasApp = true;
    std::string app = "App";

    ReplyBuilder& Interface(std::uint8_t last) { interfaceMac[5] = last; return *this; }
    ReplyBuilder& Unit(std::uint8_t last) { unitMac = {0, 0x11, 0x22, 0x33, 0x55, last}; return *this; }
    ReplyBuilder& Active(std::uint32_t address) { hasActive = true; active = address; return *this; }

    DeviceRecord Record() const
    {
        DeviceRecord record{};
        record[3] = 148;
        Put(record, 4, configured);
        for (int i = 0; i < 6; ++i) record[107 + i] = interfaceMac[static_cast<size_t>(i)];
        for (int i = 0; i < 6; ++i) record[118 + i] = unitMac[static_cast<size_t>(i)];
        record[124] = kind;
        record[125] = hasActive ? 0xAA : 0x00;
        Put(record, 126, active);
        return record;
    }

    Datagram Bytes() const
    {
        Datagram datagram = {'R', 'P', 'L', 'X', 0x53};
        const DeviceRecord record = Record();
        datagram.insert(datagram.end(), record.begin(), record.end());
        datagram.insert(datagram.end(), name.begin(), name.end());
        datagram.push_back(0);
        if (hasApp) {
            datagram.insert(datagram.end(), app.begin(), app.end());
            datagram.push_back(0);
        }
        return datagram;
    }

    DiscoveryReply Reply(std::uint32_t source) const
    {
        const Datagram bytes = Bytes();
        return *DecodeReply(bytes.data(), bytes.size(), source);
    }

private:
    static void Put(DeviceRecord& record, size_t at, std::uint32_t address)
    {
        for (int i = 0; i < 4; ++i) record[at + static_cast<size_t>(i)] = std::uint8_t(address >> (24 - 8 * i));
    }
};
