// The songs played last, newest first, for the "Recently played" submenu:
// each with the text its item shows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "played/PathList.h"

namespace plk {

struct RecentSong {
    std::string path;
    std::wstring caption;  // empty until known (a song read back from the round's file)
};

class RecentSongs {
public:
    static constexpr std::size_t kMaxSongs = 10;

    // The song goes to the top; an earlier entry of the same path goes, and
    // so does the oldest beyond kMaxSongs.
    void add(const std::string& path, const std::wstring& caption);
    // Takes the last songs of a round (oldest first) below those already
    // listed, newest first, each path once, without captions.
    void readBack(const PathList& songs);

    const std::vector<RecentSong>& songs() const { return songs_; }
    void setCaption(std::size_t index, const std::wstring& caption) { songs_[index].caption = caption; }

private:
    bool lists(const std::string& path) const;

    std::vector<RecentSong> songs_;
};

// The longest item text, in characters, ellipsis included: room for most
// titles with their artist, in a menu that stays narrower than the screen.
const std::size_t kMaxCaptionLength = 60;

// "Title — Artist", the two lines as the Song Tag popup showed them.
std::wstring songCaption(const std::wstring& title, const std::wstring& artist);
// The file's name, without its folder, for a song without a tag.
std::wstring fileCaption(const std::wstring& path);
// A caption as a menu item's text: an "&" doubled so that it shows rather
// than marking an access key, a control character (a tab would start the
// shortcut column) a space, and a long caption cut with an ellipsis, never
// between the two halves of a UTF-16 pair.
std::wstring menuItemText(const std::wstring& caption);

}  // namespace plk
