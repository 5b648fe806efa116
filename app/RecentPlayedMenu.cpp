#include "app/RecentPlayedMenu.h"

namespace plk {
namespace {

const wchar_t kNothingYet[] = L"(nothing yet)";

void clearMenu(HMENU menu) {
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

bool isRecentSongItem(UINT id) { return id >= kRecentSong1 && id < kRecentSong1 + RecentSongs::kMaxSongs; }

HMENU addRecentlyPlayedMenu(PopupMenu& menu, HMENU parent) {
    const HMENU submenu = menu.addSubmenu(parent, "Recently &played");
    fillRecentlyPlayed(submenu, RecentSongs());
    return submenu;
}

void fillRecentlyPlayed(HMENU submenu, const RecentSongs& recent) {
    clearMenu(submenu);
    if (recent.songs().empty()) {
        AppendMenuW(submenu, MF_STRING | MF_GRAYED, 0, kNothingYet);
        return;
    }
    for (std::size_t k = 0; k < recent.songs().size(); ++k) {
        const std::wstring text = menuItemText(recent.songs()[k].caption);
        AppendMenuW(submenu, MF_STRING, kRecentSong1 + k, text.c_str());
    }
}

}  // namespace plk
