// The device finder against simulated devices in a private test network
// (tests/network/finder-network.sh builds it and runs these tests there):
// what the tree shows, what Find hands back, and what goes over the wire.
#include <winsock2.h>
#include <iphlpapi.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/support/SimulatorLog.h"
#include "tests/support/TandrelScreens.h"
#include "tests/wine/StandInFixture.h"

namespace {

// The units of tests/network/devices-two-lans.conf, as the finder shows them
// once all have answered, in the order they answer.
const std::string kLateUnitName = "Long-named unit " + std::string(63, 'L');  // cut to 79
const std::vector<std::string> kUnitLabels = {
    "Press line 1  at 10.0.1.20 running :Serial Bridge 3.2",
    "Dock gateway running :Gateway 1.0",
    "Misconfigured  at 10.0.2.42 running ",
    "Handheld DHCP'd at 10.0.2.50 running ",
    "Weigh station  at 10.0.2.60 running :Scale 4",
    kLateUnitName + "  at 10.0.1.60 running :Late unit",
};
const std::vector<int> kUnitImages = {2, 1, 3, 4, 2, 2};
// The known-devices list once A to D and F are heard: per unit in descending
// key order (B, F, D, C, A), its interfaces; C's check failed (bit 7 flipped).
const std::vector<std::uint8_t> kTailsWithoutE = {0x00, 0x30, 0x00, 0x31, 0x00, 0x61, 0x00, 0x50,
                                                  0x80, 0x40, 0x00, 0x20};
// The same once E is heard too: its key sorts between C's and A's.
const std::vector<std::uint8_t> kTailsOfAll = {0x00, 0x30, 0x00, 0x31, 0x00, 0x61, 0x00, 0x50,
                                               0x80, 0x40, 0x00, 0x60, 0x00, 0x20};
// Each simulated interface that answers properly, and its tail.
const std::map<std::string, std::pair<std::uint8_t, std::uint8_t>> kTailOfInterface = {
    {"10.0.1.20", {0x00, 0x20}}, {"10.0.1.30", {0x00, 0x30}}, {"10.0.2.31", {0x00, 0x31}},
    {"10.0.2.40", {0x80, 0x40}}, {"10.0.2.50", {0x00, 0x50}}, {"10.0.2.60", {0x00, 0x61}},
    {"10.0.1.60", {0x00, 0x60}},
};

const char* const kEndpoints[] = {"10.0.1.1", "10.0.2.1"};

class FinderTest : public StandInFixture {
protected:
    void SetUp() override
    {
        StandInFixture::SetUp();
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    void TearDown() override
    {
        ::WSACleanup();
        StandInFixture::TearDown();
    }

    // New, then Find: the finder as it opens.
    FinderScreen OpenFinder(PortListScreen& window, EditScreen& edit)
    {
        edit = window.OpenNew();
        edit.Click(ids::kFind);
        return window.WaitForFinder();
    }

    static bool WaitForUnits(const FinderScreen& finder, size_t count, DWORD timeoutMs = 15000)
    {
        return WaitFor([&] { return finder.Tree().size() >= count; }, timeoutMs);
    }

    static void CloseFinderWith(FinderScreen& finder, int button)
    {
        finder.Click(button);
        WaitFor([&] { return !::IsWindow(finder.Handle()) || !::IsWindowVisible(finder.Handle()); });
    }
};

class FinderOnTwoLans : public FinderTest {};

TEST_F(FinderOnTwoLans, ShowsEveryUnitAndItsInterfaces)
{
    PortListScreen window;
    EditScreen edit(nullptr);
    FinderScreen finder = OpenFinder(window, edit);
    ASSERT_TRUE(WaitForUnits(finder, 6)) << "units heard: " << finder.Tree().size();
    ::Sleep(1000);  // the malformed datagrams have long arrived too

    const std::vector<TreeNode> tree = finder.Tree();
    ASSERT_EQ(tree.size(), 6u);
    for (size_t i = 0; i < tree.size(); ++i) {
        EXPECT_EQ(tree[i].text, kUnitLabels[i]) << "unit " << i;
        EXPECT_EQ(tree[i].stateImage, kUnitImages[i]) << "unit " << i;
        EXPECT_EQ(tree[i].selected, i == 0) << "only the first unit heard is selected, unit " << i;
    }
    ASSERT_EQ(tree[1].children.size(), 2u);
    EXPECT_EQ(tree[1].children[0].text, "Ethernet at 10.0.1.30");
    EXPECT_EQ(tree[1].children[0].stateImage, 2);
    EXPECT_EQ(tree[1].children[1].text, "WiFi DHCP'd at 10.0.2.31");
    EXPECT_EQ(tree[1].children[1].stateImage, 4);
    for (size_t i : {0u, 2u, 3u, 4u, 5u}) EXPECT_TRUE(tree[i].children.empty()) << "unit " << i;
    CloseFinderWith(finder, IDCANCEL);
    window.WaitForMessageBox().Answer(IDOK);  // "IP not set"
}

// OK hands back the chosen item's address: a unit's own (first) answer, an
// interface's, or, when the check failed, the address the device states.
TEST_F(FinderOnTwoLans, HandsTheChosenAddressToTheEditDialog)
{
    const struct {
        size_t unit;
        int child;  // -1: the unit's own item
        std::vector<std::string> fields;
    } choices[] = {
        {1, 1, {"10", "0", "2", "31"}},
        {1, -1, {"10", "0", "1", "30"}},
        {2, -1, {"10", "0", "2", "42"}},
    };
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    for (const auto& choice : choices) {
        edit.Click(ids::kFind);
        FinderScreen finder = window.WaitForFinder();
        ASSERT_TRUE(WaitForUnits(finder, 4));
        const std::vector<TreeNode> tree = finder.Tree();
        const TreeNode& unit = tree[choice.unit];
        finder.Select(choice.child < 0 ? unit.handle : unit.children[static_cast<size_t>(choice.child)].handle);
        CloseFinderWith(finder, IDOK);
        ASSERT_FALSE(window.HasMessageBox()) << "OK with a device chosen says nothing";
        WaitUntilResponsive(edit.Handle());
        EXPECT_EQ(edit.AddressFields(), choice.fields);
    }
    edit.ChooseCom("COM9");
    edit.Click(IDOK);
    window.WaitUntilOnlyWindow();
    EXPECT_EQ(window.Rows(), std::vector<std::string>{"COM9 \t10.0.2.42\t  port: 1000\t TCP"});
}

TEST_F(FinderOnTwoLans, CancelKeepsTheTypedAddress)
{
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.EnterAddress(192, 168, 7, 7);
    edit.Click(ids::kFind);
    FinderScreen finder = window.WaitForFinder();
    ASSERT_TRUE(WaitForUnits(finder, 1));
    CloseFinderWith(finder, IDCANCEL);
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(), "IP not set");
    message.Answer(IDOK);
    EXPECT_EQ(edit.AddressFields(), (std::vector<std::string>{"192", "168", "7", "7"}));
}

std::vector<std::uint8_t> Tails(const WireDatagram& query)
{
    return std::vector<std::uint8_t>(query.bytes.begin() + 5, query.bytes.end() - 5);
}

// The queries of one endpoint, as the devices' side of the wire saw them.
std::vector<WireDatagram> QueriesFrom(const std::vector<WireDatagram>& datagrams, size_t from,
                                      const std::string& endpoint)
{
    std::vector<WireDatagram> queries;
    for (size_t i = from; i < datagrams.size(); ++i) {
        if (datagrams[i].source == endpoint) queries.push_back(datagrams[i]);
    }
    return queries;
}


// When each interface first answered since log position `from` (a reply
// sent before a tick has been merged by then: the finder handles socket
// notifications before its timer's).
std::map<std::string, long long> FirstAnswers(size_t from)
{
    std::map<std::string, long long> first;
    const std::vector<SentReply> replies = SentReplies();
    for (size_t i = from; i < replies.size(); ++i) first.emplace(replies[i].from, replies[i].ms);
    return first;
}

// Each tick's KnownDevicesQuery lists every interface that answered well
// before it, and none that answered after it.
void ExpectTicksListWhatWasHeard(const std::vector<WireDatagram>& queries, size_t firstAnswersFrom)
{
    const std::map<std::string, long long> answered = FirstAnswers(firstAnswersFrom);
    for (const WireDatagram& query : queries) {
        if (!query.IsKnownDevicesQuery()) continue;
        const std::vector<std::uint8_t> tails = Tails(query);
        for (const auto& entry : kTailOfInterface) {
            bool listed = false;
            for (size_t i = 0; i + 1 < tails.size(); i += 2) {
                listed = listed || (tails[i] == entry.second.first && tails[i + 1] == entry.second.second);
            }
            const auto when = answered.find(entry.first);
            if (when != answered.end() && when->second < query.ms - 300) {
                EXPECT_TRUE(listed) << entry.first << " answered before the tick at " << query.ms;
            }
            if (when == answered.end() || when->second > query.ms) {
                EXPECT_FALSE(listed) << entry.first << " had not answered by the tick at " << query.ms;
            }
        }
    }
}

// A search: n DiscoveryQuery datagrams at once, then a KnownDevicesQuery on
// each of three ticks 1500 ms apart, the last listing what was heard.
void ExpectSearch(const std::vector<WireDatagram>& queries, size_t discoveryQueries,
                  const std::string& endpoint, const std::vector<std::vector<std::uint8_t>>& lastTails)
{
    SCOPED_TRACE("endpoint " + endpoint);
    ASSERT_EQ(queries.size(), discoveryQueries + 3);
    const long long start = queries[0].ms;
    for (size_t i = 0; i < discoveryQueries; ++i) {
        EXPECT_TRUE(queries[i].IsDiscoveryQuery());
        EXPECT_EQ(queries[i].bytes.size(), 153u);
        EXPECT_EQ(std::count(queries[i].bytes.begin() + 5, queries[i].bytes.end(), 0), 148);
        EXPECT_EQ(queries[i].sourcePort, 20034);
        EXPECT_LT(queries[i].ms - start, 500) << "sent together";
    }
    for (size_t tick = 1; tick <= 3; ++tick) {
        const WireDatagram& query = queries[discoveryQueries + tick - 1];
        EXPECT_TRUE(query.IsKnownDevicesQuery()) << "tick " << tick;
        // A timer never fires early; a busy machine may make it late.
        EXPECT_GE(query.ms - start, 1500 * static_cast<long long>(tick) - 100) << "tick " << tick;
        EXPECT_LE(query.ms - start, 1500 * static_cast<long long>(tick) + 2500) << "tick " << tick;
    }
    EXPECT_NE(std::find(lastTails.begin(), lastTails.end(), Tails(queries.back())), lastTails.end())
        << "the third tick lists what was heard";
}

TEST_F(FinderOnTwoLans, QueriesOnTheWire)
{
    PortListScreen window;
    EditScreen edit(nullptr);
    const size_t before = ReceivedDatagrams().size();
    const size_t sentBefore = SentReplies().size();
    FinderScreen finder = OpenFinder(window, edit);
    EXPECT_FALSE(finder.SearchAgainEnabled());
    ASSERT_TRUE(WaitFor([&] { return finder.SearchAgainEnabled(); }, 15000));
    ::Sleep(1000);
    std::vector<WireDatagram> datagrams = ReceivedDatagrams();
    for (const char* endpoint : kEndpoints) {
        const std::vector<WireDatagram> queries = QueriesFrom(datagrams, before, endpoint);
        ExpectSearch(queries, 2, endpoint, {kTailsWithoutE, kTailsOfAll});
        ExpectTicksListWhatWasHeard(queries, sentBefore);
    }

    // The late unit is still added once the search is over.
    ASSERT_TRUE(WaitForUnits(finder, 6));

    // Search Again: the tree empties, one DiscoveryQuery per endpoint, three ticks.
    const size_t beforeAgain = ReceivedDatagrams().size();
    const size_t sentBeforeAgain = SentReplies().size();
    finder.Press(ids::kSearchAgain);
    EXPECT_FALSE(finder.SearchAgainEnabled());
    EXPECT_LE(finder.Tree().size(), 1u) << "emptied at once; only A answers without delay";
    ASSERT_TRUE(WaitFor([&] { return finder.SearchAgainEnabled(); }, 15000));
    ::Sleep(1000);
    datagrams = ReceivedDatagrams();
    // E's late answers to the first search's queries may be heard in this one.
    for (const char* endpoint : kEndpoints) {
        const std::vector<WireDatagram> queries = QueriesFrom(datagrams, beforeAgain, endpoint);
        ExpectSearch(queries, 1, endpoint, {kTailsWithoutE, kTailsOfAll});
        ExpectTicksListWhatWasHeard(queries, sentBeforeAgain);
    }
    const std::vector<TreeNode> tree = finder.Tree();
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree[0].text, kUnitLabels[0]);
    EXPECT_TRUE(tree[0].selected) << "the first unit heard is selected again";

    CloseFinderWith(finder, IDCANCEL);
    window.WaitForMessageBox().Answer(IDOK);
}

// Binds the address:port the finder wants, as another program would.
SOCKET Occupy(const char* address)
{
    SOCKET taken = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in bound = {};
    bound.sin_family = AF_INET;
    bound.sin_port = ::htons(20034);
    bound.sin_addr.s_addr = ::inet_addr(address);
    EXPECT_EQ(::bind(taken, reinterpret_cast<sockaddr*>(&bound), sizeof(bound)), 0)
        << address << ": error " << ::WSAGetLastError();
    return taken;
}

TEST_F(FinderOnTwoLans, FallsBackToPort20035WhenTheFirstChoiceIsTaken)
{
    SOCKET taken = Occupy("10.0.1.1");
    PortListScreen window;
    EditScreen edit(nullptr);
    const size_t before = ReceivedDatagrams().size();
    FinderScreen finder = OpenFinder(window, edit);
    ASSERT_TRUE(WaitForUnits(finder, 4));
    EXPECT_FALSE(window.HasMessageBox());

    // The fallback endpoint listens on every interface and still asks port 20034.
    const std::vector<WireDatagram> datagrams = ReceivedDatagrams();
    std::map<int, int> queriesByPort;
    for (size_t i = before; i < datagrams.size(); ++i) {
        if (datagrams[i].IsDiscoveryQuery()) ++queriesByPort[datagrams[i].sourcePort];
    }
    EXPECT_EQ(queriesByPort[20035], 2) << "the first endpoint's two queries, from its fallback port";
    EXPECT_EQ(queriesByPort[20034], 2) << "the second endpoint's, from its own port";
    CloseFinderWith(finder, IDCANCEL);
    window.WaitForMessageBox().Answer(IDOK);
    ::closesocket(taken);
}

// Once one endpoint holds port 20035 on every interface, a second endpoint
// whose first choice is taken has nowhere to go: the user is told, and the
// finder goes on with what it has.
TEST_F(FinderOnTwoLans, TellsWhenAnEndpointCannotBeBound)
{
    SOCKET first = Occupy("10.0.1.1");
    SOCKET second = Occupy("10.0.2.1");
    PortListScreen window;
    EditScreen edit = window.OpenNew();
    edit.Click(ids::kFind);
    MessageBoxScreen message = window.WaitForMessageBox();
    EXPECT_EQ(message.Text(), "Unable to Bind socket, is Flashwick already open?");
    message.Answer(IDOK);
    FinderScreen finder = window.WaitForFinder();
    EXPECT_FALSE(window.HasMessageBox()) << "told once";
    CloseFinderWith(finder, IDCANCEL);
    window.WaitForMessageBox().Answer(IDOK);
    ::closesocket(first);
    ::closesocket(second);
}

class FinderWithoutInterfaces : public FinderTest {};

TEST_F(FinderWithoutInterfaces, SearchesNothingAndKeepsSearchAgainDisabled)
{
    PortListScreen window;
    EditScreen edit(nullptr);
    FinderScreen finder = OpenFinder(window, edit);
    ::Sleep(5500);  // longer than a whole search would take
    EXPECT_TRUE(finder.Tree().empty());
    EXPECT_FALSE(finder.SearchAgainEnabled());
    finder.Click(IDOK);
    window.WaitForMessageBox().Answer(IDOK);  // nothing selected
    CloseFinderWith(finder, IDCANCEL);
    EXPECT_EQ(window.WaitForMessageBox().Text(), "IP not set");
}

class FinderWithManyInterfaces : public FinderTest {};

// UDP endpoints of this namespace bound to a port.
int SocketsOnPort(int port)
{
    DWORD size = 0;
    ::GetUdpTable(nullptr, &size, FALSE);
    std::vector<char> buffer(size);
    auto* table = reinterpret_cast<MIB_UDPTABLE*>(buffer.data());
    if (::GetUdpTable(table, &size, FALSE) != NO_ERROR) return -1;
    int count = 0;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        if (::ntohs(static_cast<u_short>(table->table[i].dwLocalPort)) == port) ++count;
    }
    return count;
}

TEST_F(FinderWithManyInterfaces, ServesTheFirst20)
{
    PortListScreen window;
    EditScreen edit(nullptr);
    FinderScreen finder = OpenFinder(window, edit);
    EXPECT_EQ(SocketsOnPort(20034), 20);
    EXPECT_EQ(SocketsOnPort(20035), 0);
    EXPECT_FALSE(window.HasMessageBox());
    CloseFinderWith(finder, IDCANCEL);
    window.WaitForMessageBox().Answer(IDOK);
    EXPECT_TRUE(WaitFor([] { return SocketsOnPort(20034) == 0; })) << "closing the finder closes its endpoints";
}

}  // namespace
