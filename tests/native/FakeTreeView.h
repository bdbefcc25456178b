// A tree view that records what the device tree does to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "discovery/DeviceTreeView.h"

class FakeTreeView : public DeviceTreeView {
public:
    struct Item {
        std::string text;
        Item* parent = nullptr;
        int image = 0;
        DeviceEntry* data = nullptr;
        std::vector<Item*> children;
    };

    TreeItem AppendItem(const std::string& text, TreeItem parent) override
    {
        items.push_back(std::make_unique<Item>());
        Item* item = items.back().get();
        item->text = text;
        item->parent = static_cast<Item*>(parent);
        (item->parent ? item->parent->children : top).push_back(item);
        return item;
    }
    void SetStateImage(TreeItem item, int image) override { static_cast<Item*>(item)->image = image; }
    void SetItemEntry(TreeItem item, DeviceEntry* entry) override { static_cast<Item*>(item)->data = entry; }
    void SetItemLabel(TreeItem item, const std::string& text) override { static_cast<Item*>(item)->text = text; }
    void SelectTreeItem(TreeItem item) override
    {
        selected = static_cast<Item*>(item);
        ++selections;
    }
    void RemoveAllItems() override
    {
        top.clear();
        items.clear();
        selected = nullptr;
    }

    // The texts of the top level, in display order.
    std::vector<std::string> TopTexts() const
    {
        std::vector<std::string> texts;
        for (const Item* item : top) texts.push_back(item->text);
        return texts;
    }
    static std::vector<std::string> Texts(const std::vector<Item*>& list)
    {
        std::vector<std::string> texts;
        for (const Item* item : list) texts.push_back(item->text);
        return texts;
    }

    std::vector<std::unique_ptr<Item>> items;
    std::vector<Item*> top;
    Item* selected = nullptr;
    int selections = 0;
};
