// The system's names of keys outside the fixed table, from the keyboard
// layout in use.
#include "app/Hotkeys.h"

namespace plk {
namespace {

std::string systemKeyName(unsigned virtualKey) {
    // The extended scan code tells keys apart that share a scan code, such
    // as the keypad's "/" and the main row's, so that each has its own name.
    UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC_EX);
    if (scan == 0) scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    if ((scan & 0xFF) == 0) return std::string();  // no scan code: no name
    LONG keyData = static_cast<LONG>((scan & 0xFF) << 16);
    if (scan & 0xFF00) keyData |= 1L << 24;  // the extended-key bit
    char name[64] = {};
    const int length = GetKeyNameTextA(keyData, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

KeyNames platformKeyNames() { return KeyNames(systemKeyName); }

}  // namespace plk
