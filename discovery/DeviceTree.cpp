#include "discovery/DeviceTree.h"

DeviceTree::~DeviceTree() { FreeAll(); }

void DeviceTree::FreeAll()
{
    while (m_pHead != nullptr) {
        DeviceEntry* root = m_pHead;
        m_pHead = root->m_pNext;
        delete root;
    }
}

void DeviceTree::Clear()
{
    m_view.RemoveAllItems();
    FreeAll();
}

void DeviceTree::HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source)
{
    const std::optional<DiscoveryReply> reply = DecodeReply(datagram, length, source);
    if (reply) MergeReply(*reply);
}

DeviceEntry* DeviceTree::NewNode(const DiscoveryReply& reply) const
{
    return new DeviceEntry(reply.source, reply.record, reply.Device_Name, reply.Device_App);
}

void DeviceTree::ShowNode(DeviceEntry* node, TreeItem parent)
{
    node->m_hItem = m_view.AppendItem(node->Label(), parent);
    m_view.SetStateImage(node->m_hItem, node->StateImage());
    m_view.SetItemEntry(node->m_hItem, node);
}

void DeviceTree::MergeReply(const DiscoveryReply& reply)
{
    if (m_pHead == nullptr) {
        m_pHead = NewNode(reply);
        ShowNode(m_pHead, nullptr);
        // The only selection the tree makes: the first unit heard.
        m_view.SelectTreeItem(m_pHead->m_hItem);
        return;
    }

    const Mac key = KeyMac(reply.record);
    DeviceEntry* previous = nullptr;
    DeviceEntry* root = m_pHead;
    while (root != nullptr && CompareMac(key, root->m_keyMac) < 0) {
        previous = root;
        root = root->m_pNext;
    }

    if (root == nullptr || CompareMac(key, root->m_keyMac) > 0) {
        // A unit not heard before: linked in key order, shown last.
        DeviceEntry* node = NewNode(reply);
        node->m_pNext = root;
        (previous != nullptr ? previous->m_pNext : m_pHead) = node;
        ShowNode(node, nullptr);
        return;
    }

    // Another answer of a known unit.
    if (root->m_pFirstChild != nullptr) {
        if (!UpdateFailingChild(root, reply)) AddInterface(root, reply);
        return;
    }
    if (InterfaceMac(root->m_record) == InterfaceMac(reply.record)) return;
    SplitIntoInterfaces(root, reply);
}

// An interface already listed settles the reply: one that passes its check
// ignores it; one that fails takes it when the reply passes. Replies that
// settle nothing make a further child.
bool DeviceTree::UpdateFailingChild(DeviceEntry* unit, const DiscoveryReply& reply)
{
    const Mac interfaceMac = InterfaceMac(reply.record);
    for (DeviceEntry* child = unit->m_pFirstChild; child != nullptr; child = child->m_pNext) {
        if (InterfaceMac(child->m_record) != interfaceMac) continue;
        if (child->PassesAddressCheck()) return true;
        if (AddressCheck(reply.record, reply.source)) {
            child->Update(reply.source, reply.record, reply.Device_Name, reply.Device_App);
            m_view.SetStateImage(child->m_hItem, child->StateImage());
            m_view.SetItemLabel(child->m_hItem, child->Label());
            return true;
        }
    }
    return false;
}

void DeviceTree::AddInterface(DeviceEntry* unit, const DiscoveryReply& reply)
{
    DeviceEntry* node = NewNode(reply);
    node->m_pParent = unit;
    DeviceEntry** last = &unit->m_pFirstChild;
    while (*last != nullptr) last = &(*last)->m_pNext;
    *last = node;
    ShowNode(node, unit->m_hItem);
}

// A unit heard through a second interface: its root gets two children, a
// copy of its earlier answer and the new interface. The root keeps its own
// record, which still gives its address.
void DeviceTree::SplitIntoInterfaces(DeviceEntry* root, const DiscoveryReply& reply)
{
    DeviceEntry* newInterface = NewNode(reply);
    DeviceEntry* earlier = new DeviceEntry(root->m_source, root->m_record, root->m_strName, root->m_strApp);
    earlier->m_pNext = newInterface;
    earlier->m_pParent = root;
    newInterface->m_pParent = root;
    root->m_pFirstChild = earlier;

    m_view.SetItemLabel(root->m_hItem, root->Label());
    m_view.SetStateImage(root->m_hItem, root->StateImage());
    ShowNode(earlier, root->m_hItem);
    ShowNode(newInterface, root->m_hItem);
}

std::vector<KnownTail> DeviceTree::KnownTails() const
{
    std::vector<KnownTail> tails;
    for (const DeviceEntry* root = m_pHead; root != nullptr; root = root->m_pNext) {
        if (root->m_pFirstChild == nullptr) {
            tails.push_back({InterfaceMac(root->m_record), root->PassesAddressCheck()});
            continue;
        }
        for (const DeviceEntry* child = root->m_pFirstChild; child != nullptr; child = child->m_pNext) {
            tails.push_back({InterfaceMac(child->m_record), child->PassesAddressCheck()});
        }
    }
    return tails;
}
