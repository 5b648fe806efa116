// The stored form of a hotkey, such as "Ctrl+Alt+P", and the shortcut value
// the hotkey fields hand over: the virtual-key code in the low byte, Shift
// 0x2000, Ctrl 0x4000, Alt 0x8000; 0 is no hotkey. Keys outside the fixed
// name table are named by the platform through a lookup function, so that the
// rules can be tested without it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace plk {

using ShortCut = std::uint16_t;

constexpr ShortCut kShiftFlag = 0x2000;
constexpr ShortCut kCtrlFlag = 0x4000;
constexpr ShortCut kAltFlag = 0x8000;

// The platform's hotkey registration flags.
constexpr unsigned kModAlt = 0x0001;
constexpr unsigned kModControl = 0x0002;
constexpr unsigned kModShift = 0x0004;
constexpr unsigned kModNoRepeat = 0x4000;  // from Windows 7 on

// The platform's name of a virtual-key code; empty for a key without one.
using PlatformKeyName = std::function<std::string(unsigned virtualKey)>;

// The names of the virtual-key codes 8 to 255: the fixed table, and the
// platform's names for the other codes. Every name reads back to its own
// code, except that keypad digits read back as main-row digits: a platform
// name that another code already has (the platform may give two codes the
// same name), that a text could not carry (it begins like a modifier prefix,
// or with or after blanks that settings.ini would trim) is replaced by
// "Key " and the code in hexadecimal.
class KeyNames {
public:
    explicit KeyNames(const PlatformKeyName& platform);

    // The name of a code; empty for a code without one.
    const std::string& nameOf(unsigned virtualKey) const;
    // The lowest code of that name, regardless of case; 0 when none has it.
    unsigned codeOf(const std::string& name) const;

private:
    bool usable(const std::string& name) const;

    std::array<std::string, 256> names_;
};

// The text of a value: the prefixes "Shift+", "Ctrl+", "Alt+" in that order,
// then the key's name. A key without a name gives the empty text.
std::string shortCutToText(ShortCut value, const KeyNames& names);

// The value of a text: leading "Shift+", "Ctrl+" or "^", and "Alt+", in any
// order, case and repetition, then a key name. 0 for the empty text, a bare
// prefix, or a name no key has.
ShortCut textToShortCut(const std::string& text, const KeyNames& names);

struct HotkeyKey {
    unsigned virtualKey = 0;
    unsigned modifiers = 0;  // kModAlt, kModControl, kModShift, kModNoRepeat
};

// The key to register: the value without its three modifier flags, and the
// registration flags of those modifiers, always with kModNoRepeat.
HotkeyKey hotkeyFromShortCut(ShortCut value);

}  // namespace plk
