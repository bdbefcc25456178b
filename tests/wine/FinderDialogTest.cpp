// The finder dialog run in this process, in the test namespace, where its one
// endpoint is the loopback interface's: what reaches it through 127.0.0.1.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "discovery/idfinddlg.h"
#include "tests/native/ReplyBuilder.h"

namespace {

class SocketsStarted : public ::testing::Test {
protected:
    void SetUp() override
    {
        WSADATA data;
        ASSERT_EQ(::WSAStartup(MAKEWORD(2, 2), &data), 0);
    }
    void TearDown() override { ::WSACleanup(); }
};

// The finder, recording what its endpoints hand over; it sends the test
// datagrams once open and closes itself a little later.
class LoopbackFinder : public CIdFindDlg {
public:
    explicit LoopbackFinder(std::vector<Datagram> toSend) : CIdFindDlg(nullptr), m_toSend(std::move(toSend)) {}

    void HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source) override
    {
        received.push_back({length, source});
        CIdFindDlg::HandleReply(datagram, length, source);
    }

    std::vector<std::pair<std::size_t, std::uint32_t>> received;
    std::vector<std::string> labels;
    std::size_t endpoints = 0;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CIdFindDlg::OnInitDialog();
        endpoints = m_endpoints.Count();
        SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in to = {};
        to.sin_family = AF_INET;
        to.sin_port = ::htons(20034);
        to.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
        for (const Datagram& datagram : m_toSend) {
            ::sendto(sender, reinterpret_cast<const char*>(datagram.data()), static_cast<int>(datagram.size()), 0,
                     reinterpret_cast<sockaddr*>(&to), sizeof(to));
        }
        ::closesocket(sender);
        SetTimer(kCollect, 1000, nullptr);
        return result;
    }

    // Called on each timer tick; the finder's own poll timer goes on as usual.
    void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kCollect) {
            CIdFindDlg::OnTimer(nIDEvent);
            return;
        }
        KillTimer(kCollect);
        for (const DeviceEntry* root = m_devices.Head(); root != nullptr; root = root->m_pNext) {
            labels.push_back(root->Label());
        }
        EndDialog(IDCANCEL);
    }

    DECLARE_MESSAGE_MAP()

private:
    static const UINT_PTR kCollect = 99;
    std::vector<Datagram> m_toSend;
};

BEGIN_MESSAGE_MAP(LoopbackFinder, CIdFindDlg)
    ON_WM_TIMER()
END_MESSAGE_MAP()

Datagram WithTrailer(Datagram datagram, std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    datagram.insert(datagram.end(), {a, b, c, d});
    return datagram;
}

// Replies relayed through 127.0.0.1 carry their device's address in their
// last four bytes; datagrams too short for that, empty ones and ones larger
// than a read takes are dropped on the way.
TEST_F(SocketsStarted, RepliesThroughLoopbackTakeTheirAddressFromTheTrailer)
{
    ReplyBuilder unit;
    unit.name = "Relayed";
    unit.app = "";
    unit.configured = Ip(10, 0, 0, 7);
    Datagram reply = unit.Bytes();
    reply.resize(200, 0);  // padded: 200 bytes of reply, then the trailer

    ReplyBuilder other;
    other.Interface(0x09);
    other.name = "Other";
    LoopbackFinder finder({WithTrailer(reply, 10, 0, 0, 7), Datagram{1, 2, 3}, Datagram{},
                           Datagram(1500, 'R'), WithTrailer(other.Bytes(), 10, 0, 0, 8)});
    finder.DoModal();

    ASSERT_EQ(finder.endpoints, 1u) << "the test namespace has only its loopback interface";
    EXPECT_EQ(finder.received, (std::vector<std::pair<std::size_t, std::uint32_t>>{
                                   {200, Ip(10, 0, 0, 7)}, {other.Bytes().size(), Ip(10, 0, 0, 8)}}));
    // "Other" states no configured address (DHCP); the padding after
    // "Relayed" reads as an empty application text.
    EXPECT_EQ(finder.labels, (std::vector<std::string>{"Other DHCP'd at 10.0.0.8 running :App",
                                                       "Relayed  at 10.0.0.7 running :"}));
}

// The finder object outlives its window while its caller shows "IP not set";
// what arrives then has no tree control to go to and is dropped.
TEST_F(SocketsStarted, RepliesAfterTheWindowIsGoneAreDropped)
{
    class ClosedFinder : public CIdFindDlg {
    public:
        ClosedFinder() : CIdFindDlg(nullptr) {}
        const DeviceEntry* Devices() const { return m_devices.Head(); }
    } finder;
    const Datagram reply = ReplyBuilder().Bytes();
    finder.HandleReply(reply.data(), reply.size(), Ip(10, 0, 0, 7));
    EXPECT_EQ(finder.Devices(), nullptr);
}

}  // namespace
