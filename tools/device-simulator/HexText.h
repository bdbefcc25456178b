// Bytes as lowercase hex digits and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

std::string ToHex(const std::uint8_t* bytes, std::size_t length);
std::string ToHex(const std::vector<std::uint8_t>& bytes);

// False unless text is an even number of hex digits (either case).
bool ParseHex(const std::string& text, std::vector<std::uint8_t>& bytes);
