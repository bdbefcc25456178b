#include "Simulator.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "DeviceReply.h"
#include "LocalAddresses.h"
#include "QueryRules.h"

namespace {

// Larger than any UDP datagram, so none is cut.
const std::size_t kReceiveBufferSize = 65536;

Address ToAddress(const struct in_addr& in)
{
    Address address;
    std::memcpy(address.data(), &in.s_addr, 4);
    return address;
}

struct in_addr ToInAddr(const Address& address)
{
    struct in_addr in;
    std::memcpy(&in.s_addr, address.data(), 4);
    return in;
}

std::string InterfaceName(unsigned index)
{
    char name[IF_NAMESIZE] = {};
    if (if_indextoname(index, name) == nullptr) return "if" + std::to_string(index);
    return name;
}

std::string ErrnoText(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

Simulator::Simulator(const std::vector<SimulatedInterface>& devices, EventLog& log)
    : devices_(devices), log_(log), buffer_(kReceiveBufferSize), start_(std::chrono::steady_clock::now())
{
}

Simulator::~Simulator()
{
    if (socket_ >= 0) close(socket_);
}

long long Simulator::NowMs() const
{
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

bool Simulator::Open(int port, std::string& error)
{
    socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_ < 0) {
        error = ErrnoText("socket");
        return false;
    }
    const int on = 1;
    // Reuse lets a finder in the same namespace bind the port as well;
    // broadcast receipt needs SO_BROADCAST on some stacks; the packet info
    // names the arrival interface.
    if (setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
        setsockopt(socket_, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0) {
        error = ErrnoText("setsockopt");
        return false;
    }
    struct sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(static_cast<std::uint16_t>(port));
    if (bind(socket_, reinterpret_cast<const struct sockaddr*>(&local), sizeof local) != 0) {
        error = ErrnoText("bind");
        return false;
    }
    log_.Listening(NowMs(), port);
    return true;
}

bool Simulator::Run(int stopFd, std::string& error)
{
    for (;;) {
        SendDueReplies();
        int timeout = -1;
        if (const auto due = queue_.NextDue()) {
            timeout = static_cast<int>(std::max(0LL, *due - NowMs()));
        }
        struct pollfd fds[2] = {{socket_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        if (poll(fds, 2, timeout) < 0) {
            if (errno == EINTR) continue;
            error = ErrnoText("poll");
            return false;
        }
        if (fds[1].revents != 0) return true;
        if (fds[0].revents != 0 && !ReceiveAll(error)) return false;
    }
}

bool Simulator::ReceiveAll(std::string& error)
{
    for (;;) {
        struct sockaddr_in source = {};
        struct iovec data = {buffer_.data(), buffer_.size()};
        alignas(struct cmsghdr) char control[CMSG_SPACE(sizeof(struct in_pktinfo))] = {};
        struct msghdr message = {};
        message.msg_name = &source;
        message.msg_namelen = sizeof source;
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t length = recvmsg(socket_, &message, MSG_DONTWAIT);
        if (length < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) return true;
            if (errno == EINTR) continue;
            error = ErrnoText("recvmsg");
            return false;
        }
        unsigned arrivalInterface = 0;
        for (struct cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
            if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                struct in_pktinfo info;
                std::memcpy(&info, CMSG_DATA(c), sizeof info);
                arrivalInterface = static_cast<unsigned>(info.ipi_ifindex);
            }
        }
        HandleDatagram(buffer_.data(), static_cast<std::size_t>(length), ToAddress(source.sin_addr),
                       ntohs(source.sin_port), arrivalInterface);
    }
}

void Simulator::HandleDatagram(const std::uint8_t* datagram, std::size_t length, const Address& source,
                               std::uint16_t port, unsigned arrivalInterface)
{
    const long long now = NowMs();
    log_.Received(now, source, port, InterfaceName(arrivalInterface), datagram, length);
    if (ClassifyQuery(datagram, length) == QueryKind::NotAQuery) return;

    // Asked afresh for each query: a test may move addresses while we run.
    const std::vector<LocalAddress> locals = ListLocalAddresses();
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const LocalAddress* local = FindLocalAddress(locals, devices_[i].ip);
        if (local == nullptr || local->interfaceIndex != arrivalInterface) continue;
        if (!AnswersQuery(datagram, length, devices_[i].mac)) continue;
        // The clock reads whole milliseconds, rounded down: one more keeps a
        // delayed reply from leaving before its full delay has passed.
        const long long due = devices_[i].delayMs > 0 ? now + devices_[i].delayMs + 1 : now;
        queue_.Schedule(due, PendingReply{i, source, port});
    }
    SendDueReplies();
}

void Simulator::SendDueReplies()
{
    for (const PendingReply& pending : queue_.TakeDue(NowMs())) {
        const SimulatedInterface& device = devices_[pending.device];
        const Bytes reply = DeviceReply(device);

        struct sockaddr_in destination = {};
        destination.sin_family = AF_INET;
        destination.sin_addr = ToInAddr(pending.destination);
        destination.sin_port = htons(pending.port);
        struct iovec data = {const_cast<std::uint8_t*>(reply.data()), reply.size()};

        // The source address rides along as packet info, so one socket
        // answers for every simulated address.
        alignas(struct cmsghdr) char control[CMSG_SPACE(sizeof(struct in_pktinfo))] = {};
        struct msghdr message = {};
        message.msg_name = &destination;
        message.msg_namelen = sizeof destination;
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        struct cmsghdr* c = CMSG_FIRSTHDR(&message);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(struct in_pktinfo));
        struct in_pktinfo info = {};
        // On sending, Linux takes ipi_spec_dst as the source address.
        info.ipi_spec_dst = ToInAddr(device.ip);
        std::memcpy(CMSG_DATA(c), &info, sizeof info);

        if (sendmsg(socket_, &message, 0) < 0) {
            log_.SendFailed(NowMs(), device.ip, pending.destination, pending.port, std::strerror(errno));
        } else {
            log_.Sent(NowMs(), device.ip, pending.destination, pending.port, reply.size());
        }
    }
}
