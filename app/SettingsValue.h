// How a value read from settings.ini becomes a number or a switch. The file
// may have been edited by hand, so anything that is not a number falls back
// to the key's default instead of failing.
#pragma once

#include <string>

namespace plk {

// Decimal, with an optional sign; hexadecimal when the text starts with "$",
// or when it is longer than two characters and starts with "0x" or "0X".
// Hexadecimal is taken as 32 bits, so "$FFFFFFFF" is -1, whatever number of
// leading zeros comes before it. Text that is not a number, or a number that
// does not fit 32 bits, gives fallback.
int parseSettingsInteger(const std::string& text, int fallback);

// Any number other than 0 is true; text that is not a number gives fallback.
bool parseSettingsBool(const std::string& text, bool fallback);

}  // namespace plk
