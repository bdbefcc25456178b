#include "ConfigParser.h"

#include <algorithm>
#include <set>

#include "HexText.h"

namespace {

const int kMaxDelayMs = 600000;
const std::size_t kMaxDatagram = 65507;  // the most a UDP datagram over IPv4 carries

// Shell-like words: blanks separate, double quotes keep blanks and '#'.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error)
{
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\') {
                if (i + 1 >= line.size() || (line[i + 1] != '"' && line[i + 1] != '\\')) {
                    error = "only \\\" and \\\\ may follow a backslash inside quotes";
                    return false;
                }
                word.push_back(line[++i]);
            } else {
                word.push_back(c);
            }
        } else if (c == ' ' || c == '\t' || c == '#') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            if (c == '#') return true;
        } else {
            inWord = true;
            if (c == '"') {
                quoted = true;
            } else {
                word.push_back(c);
            }
        }
    }
    if (quoted) {
        error = "a double quote is not closed";
        return false;
    }
    if (inWord) words.push_back(word);
    return true;
}

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value)
{
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    return value <= max;
}

// Four decimal bytes with dots, nothing else.
bool ParseAddress(const std::string& text, Address& address)
{
    std::size_t from = 0;
    for (std::size_t i = 0; i < address.size(); ++i) {
        const std::size_t dot = text.find('.', from);
        const bool last = i + 1 == address.size();
        if (last != (dot == std::string::npos)) return false;
        const std::string part = text.substr(from, last ? std::string::npos : dot - from);
        unsigned long value = 0;
        if (part.size() > 3 || !ParseNumber(part, 255, value)) return false;
        address[i] = static_cast<std::uint8_t>(value);
        from = dot + 1;
    }
    return true;
}

// Six pairs of hex digits with colons.
bool ParseMac(const std::string& text, Mac& mac)
{
    if (text.size() != 17) return false;
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i % 3 == 2) {
            if (text[i] != ':') return false;
        } else {
            digits.push_back(text[i]);
        }
    }
    Bytes bytes;
    if (!ParseHex(digits, bytes)) return false;
    std::copy(bytes.begin(), bytes.end(), mac.begin());
    return true;
}

// One key=value into the interface; an error text when it does not fit.
std::string ApplySetting(const std::string& key, const std::string& value, SimulatedInterface& device)
{
    unsigned long number = 0;
    if (key == "ip") {
        if (!ParseAddress(value, device.ip)) return "ip needs an address such as 10.0.1.20";
    } else if (key == "mac" || key == "unit") {
        if (!ParseMac(value, key == "mac" ? device.mac : device.unit)) {
            return key + " needs six hex pairs such as 00:11:22:33:44:55";
        }
    } else if (key == "kind") {
        if (!ParseNumber(value, 255, number)) return "kind needs a number from 0 to 255";
        device.kind = static_cast<std::uint8_t>(number);
    } else if (key == "configured") {
        if (!ParseAddress(value, device.configured)) return "configured needs an address such as 10.0.1.20";
    } else if (key == "active") {
        Address address = {};
        if (value == "none") {
            device.active.reset();
        } else if (ParseAddress(value, address)) {
            device.active = address;
        } else {
            return "active needs an address or none";
        }
    } else if (key == "name") {
        if (value.find('\0') != std::string::npos) return "name may not hold a zero byte (use raw=)";
        device.name = value;
    } else if (key == "app") {
        if (value.find('\0') != std::string::npos) return "app may not hold a zero byte (use raw=)";
        device.app = value;
    } else if (key == "delay") {
        if (!ParseNumber(value, kMaxDelayMs, number)) return "delay needs milliseconds from 0 to 600000";
        device.delayMs = static_cast<int>(number);
    } else if (key == "raw") {
        Bytes bytes;
        if (!ParseHex(value, bytes)) return "raw needs an even number of hex digits";
        if (bytes.size() > kMaxDatagram) return "raw is longer than a UDP datagram can be";
        device.raw = bytes;
    } else if (key == "truncate") {
        if (!ParseNumber(value, kMaxDatagram, number)) return "truncate needs a byte count from 0 to 65507";
        device.truncate = number;
    } else {
        return "unknown key '" + key + "'";
    }
    return "";
}

std::string ParseLine(const std::vector<std::string>& words, SimulatedInterface& device)
{
    if (words[0] != "interface") return "a line starts with 'interface', not '" + words[0] + "'";
    std::set<std::string> seen;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string::npos || equals == 0) return "expected key=value, not '" + words[i] + "'";
        const std::string key = words[i].substr(0, equals);
        if (!seen.insert(key).second) return key + " is given twice";
        const std::string error = ApplySetting(key, words[i].substr(equals + 1), device);
        if (!error.empty()) return error;
    }
    if (seen.count("ip") == 0) return "ip= is required";
    if (seen.count("mac") == 0) return "mac= is required";
    if (seen.count("raw") != 0 && seen.count("truncate") != 0) return "raw= and truncate= exclude each other";
    // Unless told otherwise the device is configured for, and uses, the address it answers from.
    if (seen.count("configured") == 0) device.configured = device.ip;
    if (seen.count("active") == 0) device.active = device.ip;
    return "";
}

}  // namespace

ConfigResult ParseConfig(const std::string& text)
{
    ConfigResult result;
    int lineNumber = 0;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();

        std::vector<std::string> words;
        std::string error;
        SimulatedInterface device;
        device.line = lineNumber;
        if (SplitWords(line, words, error)) {
            if (words.empty()) continue;
            error = ParseLine(words, device);
        }
        if (!error.empty()) {
            result.interfaces.clear();
            result.errorLine = lineNumber;
            result.error = error;
            return result;
        }
        result.interfaces.push_back(device);
    }
    return result;
}
