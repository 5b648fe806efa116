// The "Recently played" submenu of the Play button's menu: the songs played
// last, newest first, each a menu item of its own.
#pragma once

#include <windows.h>

#include "gui/PopupMenu.h"
#include "played/RecentSongs.h"

namespace plk {

// The items' command ids: the song at index k of the list has kRecentSong1 + k.
const UINT kRecentSong1 = 200;

// Whether a command id is one of the songs'; then recentIndex is its index.
bool isRecentSongItem(UINT id);
inline std::size_t recentIndex(UINT id) { return id - kRecentSong1; }

// Appends "Recently &played" to parent, holding its greyed "(nothing yet)".
HMENU addRecentlyPlayedMenu(PopupMenu& menu, HMENU parent);

// Fills the submenu anew from the list; the captions are shown as they are
// (a title in any script), an empty list as the greyed "(nothing yet)".
void fillRecentlyPlayed(HMENU submenu, const RecentSongs& recent);

}  // namespace plk
