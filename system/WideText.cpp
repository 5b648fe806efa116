#include "system/WideText.h"

#include <windows.h>

namespace plk {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "WCHAR is a UTF-16 code unit on Windows");

std::wstring wideFromCodePage(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    // Without MB_ERR_INVALID_CHARS a byte the code page has no character for
    // becomes its default character, as in the A functions; nothing fails.
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::wstring wideFromUtf16(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace plk
