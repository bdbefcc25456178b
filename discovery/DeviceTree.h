// What the finder has heard since it opened or last searched again: one root
// per unit, kept in descending order of the unit's key, and for a unit heard
// through several interfaces one child per interface. Every node is mirrored
// by an item of the view; root items are appended in the order units were
// first heard, so the view shows arrival order while the list is sorted.
// Portable: no Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "discovery/DeviceEntry.h"
#include "discovery/DiscoveryPackets.h"

class DeviceTree {
public:
    explicit DeviceTree(DeviceTreeView& view) : m_view(view) {}
    // Frees every node without touching the view (it may be gone already).
    ~DeviceTree();
    DeviceTree(const DeviceTree&) = delete;
    DeviceTree& operator=(const DeviceTree&) = delete;

    // A datagram as an endpoint delivers it: decoded, and merged when it is
    // a reply.
    void HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source);
    void MergeReply(const DiscoveryReply& reply);

    // One (InterfaceMac, passes its check) pair per interface heard: per
    // root in list order, its children, or the root itself when it has none.
    std::vector<KnownTail> KnownTails() const;

    // Empties the view and frees every node.
    void Clear();

    const DeviceEntry* Head() const { return m_pHead; }

private:
    DeviceEntry* NewNode(const DiscoveryReply& reply) const;
    void ShowNode(DeviceEntry* node, TreeItem parent);
    void AddInterface(DeviceEntry* unit, const DiscoveryReply& reply);
    void SplitIntoInterfaces(DeviceEntry* root, const DiscoveryReply& reply);
    bool UpdateFailingChild(DeviceEntry* unit, const DiscoveryReply& reply);
    void FreeAll();

    DeviceTreeView& m_view;
    DeviceEntry* m_pHead = nullptr;
};
