#include "system/AnsiPath.h"

#include <windows.h>

namespace plk {
namespace {

std::string narrow(const std::wstring& text, DWORD flags, BOOL* usedDefault) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, usedDefault);
    std::string result(static_cast<std::size_t>(size), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, flags, text.data(), length, &result[0], size, nullptr, usedDefault);
    return result;
}

// Without best fit a letter the code page lacks becomes the default
// character ('?'), which names no file; best fit would make 'L' of 'Ł' or
// '"' of a full-width quotation mark, another file or another command line.
// The UTF-8 code page (a Windows option) spells everything; it takes
// neither the flag nor the default-character report.
bool utf8CodePage() { return GetACP() == CP_UTF8; }

DWORD noBestFit() { return utf8CodePage() ? 0 : WC_NO_BEST_FIT_CHARS; }

}  // namespace

std::optional<std::string> exactAnsiText(const std::wstring& text) {
    BOOL usedDefault = FALSE;
    const std::string converted = narrow(text, noBestFit(), utf8CodePage() ? nullptr : &usedDefault);
    // The way back catches what the report misses (a code page's own
    // mappings of several characters onto one).
    if (usedDefault || wideFromCodePage(converted) != text) return std::nullopt;
    return converted;
}

std::optional<std::string> ansiPath(const std::wstring& path) {
    if (std::optional<std::string> exact = exactAnsiText(path)) return exact;
    std::wstring shortened(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetShortPathNameW(path.c_str(), &shortened[0], static_cast<DWORD>(shortened.size()));
        if (length == 0) return std::nullopt;
        if (length < shortened.size()) {
            shortened.resize(length);
            return exactAnsiText(shortened);
        }
        shortened.resize(length);
    }
}

std::string lossyAnsiText(const std::wstring& text) { return narrow(text, noBestFit(), nullptr); }

}  // namespace plk
