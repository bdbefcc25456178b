#include "tests/support/SimulatorLog.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// Wine shows the Unix file system as drive Z:.
std::string WindowsPathOf(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

bool HasMagic(const std::vector<std::uint8_t>& bytes, const char* magic, std::uint8_t kind)
{
    return bytes.size() >= 5 && bytes[0] == std::uint8_t(magic[0]) && bytes[1] == std::uint8_t(magic[1]) &&
           bytes[2] == std::uint8_t(magic[2]) && bytes[3] == std::uint8_t(magic[3]) && bytes[4] == kind;
}

}  // namespace

bool WireDatagram::IsDiscoveryQuery() const { return HasMagic(bytes, "QRYM", 82); }
bool WireDatagram::IsKnownDevicesQuery() const { return HasMagic(bytes, "QRY2", 86); }

namespace {

std::vector<std::string> LogLines()
{
    char unixPath[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("TANDREL_SIM_LOG", unixPath, MAX_PATH) == 0) {
        throw std::runtime_error("TANDREL_SIM_LOG is not set: run through tests/network/finder-network.sh");
    }
    std::vector<std::string> lines;
    std::ifstream log(WindowsPathOf(unixPath));
    std::string line;
    while (std::getline(log, line)) lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<SentReply> SentReplies()
{
    std::vector<SentReply> replies;
    for (const std::string& line : LogLines()) {
        std::istringstream fields(line);
        SentReply reply;
        std::string event;
        if (fields >> reply.ms >> event >> reply.from && event == "sent") replies.push_back(reply);
    }
    return replies;
}

std::vector<WireDatagram> ReceivedDatagrams()
{
    std::vector<WireDatagram> datagrams;
    for (const std::string& line : LogLines()) {
        std::istringstream fields(line);
        WireDatagram datagram;
        std::string event, from, on, hex;
        size_t length = 0;
        if (!(fields >> datagram.ms >> event) || event != "recv") continue;
        if (!(fields >> from >> on >> datagram.link >> length >> hex) || on != "on") continue;
        const size_t colon = from.rfind(':');
        datagram.source = from.substr(0, colon);
        datagram.sourcePort = std::stoi(from.substr(colon + 1));
        for (size_t i = 0; i + 1 < hex.size(); i += 2) {
            datagram.bytes.push_back(std::uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
        }
        if (datagram.bytes.size() != length) continue;  // a line still being written
        datagrams.push_back(datagram);
    }
    return datagrams;
}
