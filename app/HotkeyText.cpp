#include "app/HotkeyText.h"

#include <cctype>
#include <cstdio>

namespace plk {
namespace {

constexpr unsigned kFirstCode = 8;

struct Prefix {
    const char* text;
    ShortCut flag;
};

// "^" is an old shorthand for Ctrl that stored texts may still use.
const Prefix kPrefixes[] = {{"Shift+", kShiftFlag}, {"Ctrl+", kCtrlFlag}, {"^", kCtrlFlag}, {"Alt+", kAltFlag}};

bool sameLetters(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameLetters(a[i], b[i])) return false;
    return true;
}

// The flag of the prefix that text has at pos (advancing pos past it), or 0.
ShortCut takePrefix(const std::string& text, std::size_t& pos) {
    for (const Prefix& prefix : kPrefixes) {
        const std::string word = prefix.text;
        if (text.size() - pos >= word.size() && equalNoCase(text.substr(pos, word.size()), word)) {
            pos += word.size();
            return prefix.flag;
        }
    }
    return 0;
}

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The fixed names: editing and navigation keys, digits, letters, keypad
// digits and function keys.
std::string tableName(unsigned code) {
    static const char* const kNavigation[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
    switch (code) {
    case 0x08: return "BkSp";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x2D: return "Ins";
    case 0x2E: return "Del";
    default: break;
    }
    if (code >= 0x20 && code <= 0x28) return kNavigation[code - 0x20];
    if (code >= 0x30 && code <= 0x39) return std::string(1, static_cast<char>('0' + code - 0x30));
    if (code >= 0x41 && code <= 0x5A) return std::string(1, static_cast<char>('A' + code - 0x41));
    if (code >= 0x60 && code <= 0x69) return std::string(1, static_cast<char>('0' + code - 0x60));
    if (code >= 0x70 && code <= 0x87) return "F" + std::to_string(code - 0x70 + 1);
    return std::string();
}

std::string fallbackName(unsigned code) {
    char name[16];
    std::snprintf(name, sizeof name, "Key %02X", code);
    return name;
}

}  // namespace

KeyNames::KeyNames(const PlatformKeyName& platform) {
    for (unsigned code = kFirstCode; code < names_.size(); ++code) names_[code] = tableName(code);
    for (unsigned code = kFirstCode; code < names_.size(); ++code) {
        if (!names_[code].empty()) continue;
        std::string name = platform ? platform(code) : std::string();
        if (name.empty()) continue;  // no scan code: no name
        if (!usable(name)) name = fallbackName(code);
        if (usable(name)) names_[code] = name;
    }
}

bool KeyNames::usable(const std::string& name) const {
    if (isBlank(name.front()) || isBlank(name.back())) return false;
    std::size_t pos = 0;
    if (takePrefix(name, pos)) return false;
    return codeOf(name) == 0;
}

const std::string& KeyNames::nameOf(unsigned virtualKey) const {
    static const std::string kNone;
    return virtualKey < names_.size() ? names_[virtualKey] : kNone;
}

unsigned KeyNames::codeOf(const std::string& name) const {
    for (unsigned code = kFirstCode; code < names_.size(); ++code)
        if (!names_[code].empty() && equalNoCase(names_[code], name)) return code;
    return 0;
}

std::string shortCutToText(ShortCut value, const KeyNames& names) {
    const std::string& key = names.nameOf(value & 0xFF);
    if (key.empty()) return std::string();
    std::string text;
    if (value & kShiftFlag) text += "Shift+";
    if (value & kCtrlFlag) text += "Ctrl+";
    if (value & kAltFlag) text += "Alt+";
    return text + key;
}

ShortCut textToShortCut(const std::string& text, const KeyNames& names) {
    ShortCut flags = 0;
    std::size_t pos = 0;
    while (const ShortCut flag = takePrefix(text, pos)) flags |= flag;
    if (pos == text.size()) return 0;
    const unsigned code = names.codeOf(text.substr(pos));
    return code ? static_cast<ShortCut>(code | flags) : 0;
}

HotkeyKey hotkeyFromShortCut(ShortCut value) {
    HotkeyKey key;
    // A held hotkey sends one message, not one at each keyboard repeat.
    key.modifiers = kModNoRepeat;
    key.virtualKey = value & ~(kShiftFlag | kCtrlFlag | kAltFlag) & 0xFFFF;
    if (value & kShiftFlag) key.modifiers |= kModShift;
    if (value & kAltFlag) key.modifiers |= kModAlt;
    if (value & kCtrlFlag) key.modifiers |= kModControl;
    return key;
}

}  // namespace plk
