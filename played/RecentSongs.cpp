#include "played/RecentSongs.h"

#include <algorithm>

namespace plk {
namespace {

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::wstring cutWithEllipsis(const std::wstring& text) {
    if (text.size() <= kMaxCaptionLength) return text;
    std::size_t keep = kMaxCaptionLength - 1;
    if (isHighSurrogate(text[keep - 1])) --keep;
    return text.substr(0, keep) + L"\u2026";
}

}  // namespace

void RecentSongs::add(const std::string& path, const std::wstring& caption) {
    songs_.erase(std::remove_if(songs_.begin(), songs_.end(), [&](const RecentSong& song) { return song.path == path; }),
                 songs_.end());
    songs_.insert(songs_.begin(), RecentSong{path, caption});
    if (songs_.size() > kMaxSongs) songs_.resize(kMaxSongs);
}

void RecentSongs::readBack(const PathList& songs) {
    for (std::size_t k = songs.size(); k > 0 && songs_.size() < kMaxSongs; --k) {
        const std::string path(songs[k - 1]);
        if (!lists(path)) songs_.push_back(RecentSong{path, std::wstring()});
    }
}

bool RecentSongs::lists(const std::string& path) const {
    return std::any_of(songs_.begin(), songs_.end(), [&](const RecentSong& song) { return song.path == path; });
}

std::wstring songCaption(const std::wstring& title, const std::wstring& artist) {
    return title + L" \u2014 " + artist;
}

std::wstring fileCaption(const std::wstring& path) {
    const std::size_t folderEnd = path.find_last_of(L"\\/:");
    return folderEnd == std::wstring::npos ? path : path.substr(folderEnd + 1);
}

std::wstring menuItemText(const std::wstring& caption) {
    std::wstring text;
    for (const wchar_t c : cutWithEllipsis(caption)) {
        if (c == L'&') text += L'&';
        text += c < 0x20 ? L' ' : c;
    }
    return text;
}

}  // namespace plk
