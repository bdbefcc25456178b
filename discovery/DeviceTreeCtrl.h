// The finder's tree control, as the device tree sees it.
#pragma once

#include "discovery/DeviceTreeView.h"
#include "framework/TreeCtrl.h"

class CDeviceTreeCtrl : public CTreeCtrl, public DeviceTreeView {
public:
    TreeItem AppendItem(const std::string& text, TreeItem parent) override;
    void SetStateImage(TreeItem item, int image) override;
    void SetItemEntry(TreeItem item, DeviceEntry* entry) override;
    void SetItemLabel(TreeItem item, const std::string& text) override;
    void SelectTreeItem(TreeItem item) override;
    void RemoveAllItems() override;

    // The entry of the selected item, or null when none is selected.
    DeviceEntry* SelectedEntry() const;
};
