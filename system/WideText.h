// Text for the system's wide (W) functions, which draw every script on every
// system locale: 8-bit text as the system's code page reads it, and the
// portable code's UTF-16, which is what a WCHAR string holds on Windows.
#pragma once

#include <string>

namespace plk {

// The bytes as the A functions would read them (CP_ACP). Embedded NULs stay.
std::wstring wideFromCodePage(const std::string& text);

std::wstring wideFromUtf16(const std::u16string& text);

}  // namespace plk
