// One node of the device tree: a unit heard through one interface, a unit
// heard through several (then it has children), or one interface of such a
// unit. Portable: no Win32.
#pragma once

#include <cstdint>
#include <string>

#include "discovery/DeviceTreeView.h"
#include "discovery/DiscoveryPackets.h"

class DeviceEntry {
public:
    DeviceEntry(std::uint32_t source, const DeviceRecord& record, const std::string& name,
                const std::string& app);
    // Destroys the node's children with it.
    ~DeviceEntry();
    DeviceEntry(const DeviceEntry&) = delete;
    DeviceEntry& operator=(const DeviceEntry&) = delete;

    // Takes a newer answer; the key, the links and the item stay.
    void Update(std::uint32_t source, const DeviceRecord& record, const std::string& name,
                const std::string& app);

    bool PassesAddressCheck() const;
    // True when the device takes its address by DHCP (configured 0.0.0.0).
    bool IsDhcp() const;
    // The address to hand back: the reply's source when the check passes,
    // else the active, else the configured address; 0 when there is none.
    std::uint32_t DeviceAddress() const;
    // The state image: 1 for a unit with children; 2 wired, 4 wireless, plus
    // one when the address check fails.
    int StateImage() const;
    std::string Label() const;

    DeviceEntry* m_pNext = nullptr;        // next root, or next child of the parent
    DeviceEntry* m_pFirstChild = nullptr;  // owned
    DeviceEntry* m_pParent = nullptr;
    std::uint32_t m_source;
    Mac m_keyMac;
    std::string m_strName;
    std::string m_strApp;
    DeviceRecord m_record;
    TreeItem m_hItem = nullptr;
};
