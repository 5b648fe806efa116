#include "library/StartFolder.h"

namespace plk {
namespace {

template <typename Text>
Text withTrailingBackslash(const Text& folder) {
    if (folder.empty() || folder.back() != '\\') return folder + typename Text::value_type('\\');
    return folder;
}

bool blankOrQuote(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'"'; }

}  // namespace

std::wstring unquotedFolderText(const std::wstring& typed) {
    std::size_t first = 0, end = typed.size();
    while (first < end && blankOrQuote(typed[first])) ++first;
    while (end > first && blankOrQuote(typed[end - 1])) --end;
    return typed.substr(first, end - first);
}

std::string startFolderOf(const std::string& folder) { return withTrailingBackslash(folder); }
std::wstring startFolderOf(const std::wstring& folder) { return withTrailingBackslash(folder); }

}  // namespace plk
