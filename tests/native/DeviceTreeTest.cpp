#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/DeviceTree.h"
#include "tests/native/FakeTreeView.h"
#include "tests/native/ReplyBuilder.h"

namespace {

class DeviceTreeTest : public ::testing::Test {
protected:
    FakeTreeView view;
    DeviceTree tree{view};

    void Hear(const ReplyBuilder& builder, std::uint32_t source) { tree.MergeReply(builder.Reply(source)); }

    std::vector<std::uint8_t> RootKeyEnds() const
    {
        std::vector<std::uint8_t> ends;
        for (const DeviceEntry* root = tree.Head(); root; root = root->m_pNext) ends.push_back(root->m_keyMac[5]);
        return ends;
    }
    std::vector<std::uint8_t> TailEnds() const
    {
        std::vector<std::uint8_t> ends;
        for (const KnownTail& tail : tree.KnownTails()) ends.push_back(tail.interfaceMac[5]);
        return ends;
    }
};

const std::uint32_t kSource = Ip(10, 0, 0, 20);

TEST_F(DeviceTreeTest, FirstReplyMakesOneSelectedRoot)
{
    ReplyBuilder unit;
    unit.name = "Lab";
    unit.app = "Bridge 2";
    unit.configured = kSource;
    Hear(unit, kSource);
    ASSERT_EQ(view.top.size(), 1u);
    EXPECT_EQ(view.top[0]->text, "Lab  at 10.0.0.20 running :Bridge 2");
    EXPECT_EQ(view.top[0]->image, 2);
    EXPECT_EQ(view.top[0]->data, tree.Head());
    EXPECT_EQ(view.selected, view.top[0]);

    Hear(ReplyBuilder().Interface(0x02), Ip(10, 0, 0, 21));
    EXPECT_EQ(view.top.size(), 2u);
    EXPECT_EQ(view.selections, 1) << "only the first unit is selected";
}

// The root list is sorted by key, descending; the view shows arrival order.
TEST_F(DeviceTreeTest, RootsAreSortedByKeyButShownInArrivalOrder)
{
    Hear(ReplyBuilder().Interface(0x05), kSource);
    Hear(ReplyBuilder().Interface(0x09), kSource);
    Hear(ReplyBuilder().Interface(0x07), kSource);
    Hear(ReplyBuilder().Interface(0x01), kSource);
    EXPECT_EQ(RootKeyEnds(), (std::vector<std::uint8_t>{0x09, 0x07, 0x05, 0x01}));
    EXPECT_EQ(TailEnds(), (std::vector<std::uint8_t>{0x09, 0x07, 0x05, 0x01}));
    std::vector<std::uint8_t> shown;
    for (const auto* item : view.top) shown.push_back(item->data->m_keyMac[5]);
    EXPECT_EQ(shown, (std::vector<std::uint8_t>{0x05, 0x09, 0x07, 0x01}));
}

TEST_F(DeviceTreeTest, SecondAnswerOfTheSameSingleInterfaceChangesNothing)
{
    ReplyBuilder failing;
    failing.configured = Ip(10, 0, 0, 1);
    failing.Active(Ip(10, 0, 0, 2));
    failing.name = "First";
    Hear(failing, kSource);  // from neither address: fails
    const std::string label = view.top[0]->text;
    EXPECT_EQ(view.top[0]->image, 3);

    ReplyBuilder passing = failing;
    passing.name = "Second";
    Hear(passing, Ip(10, 0, 0, 2));
    ASSERT_EQ(view.items.size(), 1u);
    EXPECT_EQ(view.top[0]->text, label);
    EXPECT_EQ(view.top[0]->image, 3);
    EXPECT_EQ(tree.Head()->m_strName, "First");
}

// Interfaces of one unit share its UnitMac.
TEST_F(DeviceTreeTest, FurtherInterfacesTurnARootIntoAUnitWithChildren)
{
    ReplyBuilder first;
    first.Unit(0x40).Interface(0x01);
    first.name = "Rack";
    first.app = "Gateway";
    first.configured = Ip(10, 0, 1, 20);
    Hear(first, Ip(10, 0, 1, 20));

    ReplyBuilder second = first;
    second.Interface(0x02);
    second.kind = 1;
    second.configured = 0;  // DHCP on its wireless side
    Hear(second, Ip(10, 0, 2, 30));

    ASSERT_EQ(view.top.size(), 1u);
    FakeTreeView::Item* unit = view.top[0];
    EXPECT_EQ(unit->text, "Rack running :Gateway");
    EXPECT_EQ(unit->image, 1);
    EXPECT_EQ(FakeTreeView::Texts(unit->children),
              (std::vector<std::string>{"Ethernet at 10.0.1.20", "WiFi DHCP'd at 10.0.2.30"}));
    EXPECT_EQ(unit->children[0]->image, 2);
    EXPECT_EQ(unit->children[1]->image, 4);
    // The unit keeps its own first answer, which gives its address.
    EXPECT_EQ(tree.Head()->DeviceAddress(), Ip(10, 0, 1, 20));

    ReplyBuilder third = first;
    third.Interface(0x03);
    third.kind = 2;
    third.configured = Ip(10, 0, 3, 40);
    Hear(third, Ip(10, 0, 3, 40));
    EXPECT_EQ(FakeTreeView::Texts(unit->children),
              (std::vector<std::string>{"Ethernet at 10.0.1.20", "WiFi DHCP'd at 10.0.2.30",
                                        "Ethernet2 at 10.0.3.40"}));
    EXPECT_EQ(TailEnds(), (std::vector<std::uint8_t>{0x01, 0x02, 0x03}));
    EXPECT_EQ(view.selections, 1);
}

TEST_F(DeviceTreeTest, KnownChildrenIgnorePassingAnswersAndTakeBetterOnes)
{
    ReplyBuilder a;
    a.Unit(0x40).Interface(0x01);
    a.configured = Ip(10, 0, 1, 20);
    ReplyBuilder b = a;
    b.Interface(0x02);
    b.configured = Ip(10, 0, 2, 20);
    b.Active(Ip(10, 0, 2, 21));
    Hear(a, Ip(10, 0, 1, 20));
    Hear(b, Ip(10, 0, 2, 99));  // fails its check
    FakeTreeView::Item* unit = view.top[0];
    ASSERT_EQ(unit->children.size(), 2u);
    EXPECT_EQ(unit->children[1]->image, 3);
    EXPECT_EQ(unit->children[1]->text, "Ethernet at 10.0.2.21");  // the active address

    // The passing interface ignores further answers.
    ReplyBuilder aRenamed = a;
    aRenamed.name = "Renamed";
    Hear(aRenamed, Ip(10, 0, 1, 20));
    EXPECT_EQ(unit->children.size(), 2u);
    EXPECT_EQ(unit->children[0]->data->m_strName, "Unit");

    // Another failing answer from the failing interface adds a child.
    Hear(b, Ip(10, 0, 2, 98));
    ASSERT_EQ(unit->children.size(), 3u);
    EXPECT_EQ(unit->children[2]->image, 3);

    // A passing answer updates the first failing child in place.
    FakeTreeView::Item* failing = unit->children[1];
    Hear(b, Ip(10, 0, 2, 21));
    EXPECT_EQ(unit->children.size(), 3u);
    EXPECT_EQ(failing->image, 2);
    EXPECT_EQ(failing->text, "Ethernet at 10.0.2.21");
    EXPECT_EQ(failing->data->m_source, Ip(10, 0, 2, 21));
    EXPECT_EQ(unit->children[2]->image, 3);

    const std::vector<KnownTail> tails = tree.KnownTails();
    ASSERT_EQ(tails.size(), 3u);
    EXPECT_TRUE(tails[0].passedAddressCheck);
    EXPECT_TRUE(tails[1].passedAddressCheck);
    EXPECT_FALSE(tails[2].passedAddressCheck);
}

TEST_F(DeviceTreeTest, UnitWithoutUnitMacGivesOneRootPerInterface)
{
    Hear(ReplyBuilder().Interface(0x01), kSource);
    Hear(ReplyBuilder().Interface(0x02), Ip(10, 0, 0, 21));
    EXPECT_EQ(view.top.size(), 2u);
    EXPECT_TRUE(view.top[0]->children.empty());
    EXPECT_TRUE(view.top[1]->children.empty());
}

TEST_F(DeviceTreeTest, LabelsImagesAndAddresses)
{
    const struct {
        const char* what;
        std::uint8_t kind;
        std::uint32_t configured;
        bool hasActive;
        std::uint32_t active, source;
        const char* label;
        int image;
        std::uint32_t address;
    } cases[] = {
        {"wired, static", 0, Ip(10, 0, 0, 5), false, 0, Ip(10, 0, 0, 5), "U  at 10.0.0.5 running :A", 2, Ip(10, 0, 0, 5)},
        {"DHCP, passing: the source", 0, 0, false, 0, Ip(10, 0, 0, 6), "U DHCP'd at 10.0.0.6 running :A", 2, Ip(10, 0, 0, 6)},
        {"wireless", 1, Ip(10, 0, 0, 5), true, Ip(10, 0, 0, 5), Ip(10, 0, 0, 5), "U  at 10.0.0.5 running :A", 4, Ip(10, 0, 0, 5)},
        {"wireless, failing", 1, Ip(10, 0, 0, 5), true, Ip(10, 0, 0, 8), Ip(10, 0, 0, 9), "U  at 10.0.0.8 running :A", 5, Ip(10, 0, 0, 8)},
        {"failing, configured only", 0, Ip(10, 0, 0, 5), true, 0, Ip(10, 0, 0, 9), "U  at 10.0.0.5 running :A", 3, Ip(10, 0, 0, 5)},
        {"failing, no address at all", 0, 0, true, 0, Ip(10, 0, 0, 9), "U DHCP'd at 0.0.0.0 running :A", 3, 0},
        {"kind 4 is wired", 4, Ip(10, 0, 0, 5), false, 0, Ip(10, 0, 0, 5), "U  at 10.0.0.5 running :A", 2, Ip(10, 0, 0, 5)},
    };
    for (const auto& c : cases) {
        ReplyBuilder builder;
        builder.name = "U";
        builder.app = "A";
        builder.kind = c.kind;
        builder.configured = c.configured;
        if (c.hasActive) builder.Active(c.active);
        const DiscoveryReply reply = builder.Reply(c.source);
        const DeviceEntry entry(reply.source, reply.record, reply.Device_Name, reply.Device_App);
        EXPECT_EQ(entry.Label(), c.label) << c.what;
        EXPECT_EQ(entry.StateImage(), c.image) << c.what;
        EXPECT_EQ(entry.DeviceAddress(), c.address) << c.what;
    }
}

TEST_F(DeviceTreeTest, InterfaceNamesOfKindsModulo3)
{
    const char* const names[] = {"Ethernet", "WiFi", "Ethernet2", "Ethernet", "WiFi"};
    for (std::uint8_t kind = 0; kind < 5; ++kind) {
        FakeTreeView otherView;
        DeviceTree unitTree(otherView);
        ReplyBuilder a;
        a.Unit(0x40).Interface(0x01);
        ReplyBuilder b = a;
        b.Interface(0x02);
        b.kind = kind;
        b.configured = Ip(10, 0, 0, 2);
        unitTree.MergeReply(a.Reply(Ip(10, 0, 0, 1)));
        unitTree.MergeReply(b.Reply(Ip(10, 0, 0, 2)));
        EXPECT_EQ(otherView.top[0]->children[1]->text, std::string(names[kind]) + " at 10.0.0.2");
        EXPECT_EQ(otherView.top[0]->children[1]->image, kind == 1 ? 4 : 2);
    }
}

TEST_F(DeviceTreeTest, ClearEmptiesAndTheNextFirstReplyIsSelectedAgain)
{
    tree.Clear();
    EXPECT_EQ(tree.Head(), nullptr);
    Hear(ReplyBuilder().Interface(0x01), kSource);
    Hear(ReplyBuilder().Interface(0x02), kSource);
    tree.Clear();
    EXPECT_EQ(tree.Head(), nullptr);
    EXPECT_TRUE(view.top.empty());
    EXPECT_TRUE(tree.KnownTails().empty());
    Hear(ReplyBuilder().Interface(0x03), kSource);
    EXPECT_EQ(view.selected, view.top[0]);
    EXPECT_EQ(view.selections, 2);
}

TEST_F(DeviceTreeTest, HandleReplyIgnoresWhatIsNotAReply)
{
    const Datagram query = BuildDiscoveryQuery();
    tree.HandleReply(query.data(), query.size(), kSource);
    Datagram shortReply = ReplyBuilder().Bytes();
    tree.HandleReply(shortReply.data(), 100, kSource);
    EXPECT_EQ(tree.Head(), nullptr);
    EXPECT_TRUE(view.items.empty());
    tree.HandleReply(shortReply.data(), shortReply.size(), kSource);
    EXPECT_NE(tree.Head(), nullptr);
}

}  // namespace
