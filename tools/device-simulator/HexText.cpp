#include "HexText.h"

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ToHex(const std::uint8_t* bytes, std::size_t length)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        text.push_back(digits[bytes[i] >> 4]);
        text.push_back(digits[bytes[i] & 0x0F]);
    }
    return text;
}

std::string ToHex(const std::vector<std::uint8_t>& bytes)
{
    return ToHex(bytes.data(), bytes.size());
}

bool ParseHex(const std::string& text, std::vector<std::uint8_t>& bytes)
{
    if (text.size() % 2 != 0) return false;
    std::vector<std::uint8_t> parsed;
    parsed.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = DigitValue(text[i]);
        const int low = DigitValue(text[i + 1]);
        if (high < 0 || low < 0) return false;
        parsed.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    bytes.swap(parsed);
    return true;
}
