#include "app/SettingsValue.h"

#include <cstdint>

namespace plk {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Up to eight hex digits after any leading zeros, read as the bits of a
// 32-bit integer.
bool parseHex(const std::string& digits, int& value) {
    if (digits.empty()) return false;
    std::uint32_t bits = 0;
    std::size_t significant = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0) return false;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return false;
        bits = bits << 4 | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<int>(static_cast<std::int32_t>(bits));
    return true;
}

bool parseDecimal(const std::string& text, int& value) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) at = 1;
    if (at == text.size()) return false;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > std::int64_t(INT32_MAX) + 1) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

bool parseNumber(const std::string& text, int& value) {
    if (!text.empty() && text[0] == '$') return parseHex(text.substr(1), value);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseHex(text.substr(2), value);
    return parseDecimal(text, value);
}

}  // namespace

int parseSettingsInteger(const std::string& text, int fallback) {
    int value = 0;
    return parseNumber(text, value) ? value : fallback;
}

bool parseSettingsBool(const std::string& text, bool fallback) {
    int value = 0;
    return parseNumber(text, value) ? value != 0 : fallback;
}

}  // namespace plk
