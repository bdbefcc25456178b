// Reading the address out of a stored "NetSettings" text. Portable: no Win32.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The four address bytes of a text such as "192.168.1.10:5000:1:0:7000:1000",
// first dotted byte first. "." and ":" end a byte, digits build it (modulo 256),
// anything else is skipped; parsing stops once the fourth byte is ended.
std::array<std::uint8_t, 4> ParseDottedQuad(const std::string& text);
