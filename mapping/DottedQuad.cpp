#include "mapping/DottedQuad.h"

std::array<std::uint8_t, 4> ParseDottedQuad(const std::string& text)
{
    std::array<std::uint8_t, 4> bytes = {0, 0, 0, 0};
    std::uint16_t accumulator = 0;
    size_t filling = 0;

    for (const char c : text) {
        if (c == '.' || c == ':') {
            bytes[filling] = static_cast<std::uint8_t>(accumulator & 0xFFu);
            accumulator = 0;
            if (++filling == bytes.size()) return bytes;
        } else if (c >= '0' && c <= '9') {
            accumulator = static_cast<std::uint16_t>(accumulator * 10u + static_cast<unsigned>(c - '0'));
        }
    }
    bytes[filling] = static_cast<std::uint8_t>(accumulator & 0xFFu);
    return bytes;
}
