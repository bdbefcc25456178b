// What the device tree needs of the tree control that shows it. The finder's
// tree control implements it; tests use a recording fake. Portable: no Win32.
#pragma once

#include <string>

class DeviceEntry;

// An item of the control; null stands for the top level.
using TreeItem = void*;

class DeviceTreeView {
public:
    virtual ~DeviceTreeView() = default;

    // Appends an item at the end of parent's items (the top level for null).
    virtual TreeItem AppendItem(const std::string& text, TreeItem parent) = 0;
    // Sets the item's state image (1 to 5) and nothing else of its state.
    virtual void SetStateImage(TreeItem item, int image) = 0;
    virtual void SetItemEntry(TreeItem item, DeviceEntry* entry) = 0;
    virtual void SetItemLabel(TreeItem item, const std::string& text) = 0;
    virtual void SelectTreeItem(TreeItem item) = 0;
    virtual void RemoveAllItems() = 0;
};
