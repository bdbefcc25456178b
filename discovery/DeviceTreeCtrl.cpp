#include "discovery/DeviceTreeCtrl.h"

namespace {

HTREEITEM ItemOf(TreeItem item) { return static_cast<HTREEITEM>(item); }

}  // namespace

TreeItem CDeviceTreeCtrl::AppendItem(const std::string& text, TreeItem parent)
{
    return InsertItem(text.c_str(), parent != nullptr ? ItemOf(parent) : TVI_ROOT, TVI_LAST);
}

void CDeviceTreeCtrl::SetStateImage(TreeItem item, int image)
{
    SetItemState(ItemOf(item), INDEXTOSTATEIMAGEMASK(image), TVIS_STATEIMAGEMASK);
}

void CDeviceTreeCtrl::SetItemEntry(TreeItem item, DeviceEntry* entry)
{
    SetItemData(ItemOf(item), reinterpret_cast<DWORD_PTR>(entry));
}

void CDeviceTreeCtrl::SetItemLabel(TreeItem item, const std::string& text)
{
    SetItemText(ItemOf(item), text.c_str());
}

void CDeviceTreeCtrl::SelectTreeItem(TreeItem item) { SelectItem(ItemOf(item)); }

void CDeviceTreeCtrl::RemoveAllItems() { DeleteAllItems(); }

DeviceEntry* CDeviceTreeCtrl::SelectedEntry() const
{
    HTREEITEM selected = GetSelectedItem();
    return selected != nullptr ? reinterpret_cast<DeviceEntry*>(GetItemData(selected)) : nullptr;
}
