#include "EventLog.h"

#include "AddressText.h"
#include "HexText.h"

void EventLog::Listening(long long ms, int port)
{
    Write(std::to_string(ms) + " listening " + std::to_string(port));
}

void EventLog::Received(long long ms, const Address& source, int port, const std::string& interfaceName,
                        const std::uint8_t* datagram, std::size_t length)
{
    // "-" keeps the field count fixed for an empty datagram.
    const std::string hex = length == 0 ? "-" : ToHex(datagram, length);
    Write(std::to_string(ms) + " recv " + AddressText(source) + ":" + std::to_string(port) + " on " +
          interfaceName + " " + std::to_string(length) + " " + hex);
}

void EventLog::Sent(long long ms, const Address& from, const Address& destination, int port, std::size_t length)
{
    Write(std::to_string(ms) + " sent " + AddressText(from) + " -> " + AddressText(destination) + ":" +
          std::to_string(port) + " " + std::to_string(length));
}

void EventLog::SendFailed(long long ms, const Address& from, const Address& destination, int port,
                          const std::string& reason)
{
    Write(std::to_string(ms) + " send-failed " + AddressText(from) + " -> " + AddressText(destination) + ":" +
          std::to_string(port) + " " + reason);
}

void EventLog::Write(const std::string& line)
{
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}
