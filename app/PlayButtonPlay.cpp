// Random play and play again: the Play button's reason to exist.
#include "app/PlayButton.h"

#include "app/RandomPick.h"
#include "app/RoundPick.h"
#include "app/SongPath.h"
#include "app/SongPathWin32.h"
#include "face/SongTagPopup.h"
#include "face/SongTagText.h"
#include "library/RebuildDialog.h"
#include "platform/FileAttributes.h"
#include "system/Notice.h"
#include "system/ShellOpen.h"
#include "tags/SongTags.h"

namespace plk {
namespace {

const char kWelcomeText[] =
    "Welcome!\r\n\r\nSince this might be your first startup, no music library has been built yet."
    "\r\n\r\nWould you like to build it now?";
const char kNoFilesText[] =
    "No indexed files found.\r\n\r\nYou have to rebuild your music library in order to play random songs."
    "\r\n\r\nWould you like to rebuild it now?";

std::string noneFoundText() {
    return "None of " + std::to_string(kMaxSongDraws) +
           " songs picked from your music library could be found.\r\n\r\n"
           "The files may have been moved, renamed or deleted, or they are on a drive that is not attached. "
           "Rebuild your music library to bring it up to date.\r\n\r\nWould you like to rebuild it now?";
}

// Whether a record's file is there and the shell would open it as a song.
// The file is looked for first, so that a drive or share that does not
// answer is found out at once; the name's long form and the system's list of
// dangerous types are asked only of a file that is there.
FileCheck checkPlayableFile(const std::string& path) {
    const FileCheck found = checkFile(path);
    if (found != FileCheck::kExists) return found;
    return isPlayableFile(path) ? FileCheck::kExists : FileCheck::kMissing;
}

// The low 32 bits of the performance counter, or the milliseconds since
// the system started where there is no such counter.
std::uint32_t clockSeed() {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter)) return static_cast<std::uint32_t>(counter.QuadPart);
    return GetTickCount();
}

// A song of another format than MP3 shows its title and artist where its
// tags hold one or the other, the missing one as the popup's stand-in; a
// file with neither, or one its reader refuses, leaves the popup alone.
// Returns the lines shown, or nothing.
std::optional<SongTagText> showOtherFormatTags(TForm4& popup, const std::string& path) {
    const SongTags tags = readContainerTags(path);
    if (tags.title.empty() && tags.artist.empty()) return std::nullopt;
    SongTagText lines;
    if (!tags.artist.empty()) lines.artist = SongTagLine(tags.artist);
    if (!tags.title.empty()) lines.title = SongTagLine(tags.title);
    popup.showSongText(lines);
    return lines;
}

}  // namespace

void TForm1::Image1Click() { runRandomizedFile(); }

void TForm1::runRandomizedFile() {
    if (NoLibrary) return offerRebuild(kWelcomeText);
    if (Library.empty()) return offerRebuild(kNoFilesText);
    const SongPick pick = pickSong();
    if (!pick.found) return offerRebuild(noneFoundText());
    LastSong = pick.path;
    openSong(LastSong);
    if (round_) keepInRound(pick.record);
}

SongPick TForm1::pickSong() {
    if (round_) return pickUnplayedSong(Library, round_->round(), clockSeed, checkPlayableFile);
    return pickExistingSong(Library, clockSeed, checkPlayableFile);
}

void TForm1::playAgain() {
    if (!canOpenAgain(LastSong)) return;
    openSong(LastSong);
}

bool TForm1::canOpenAgain(const std::string& path) {
    return !path.empty() && isPlayablePath(path) && checkPlayableFile(path) == FileCheck::kExists;
}

void TForm1::openSong(const std::string& path) {
    // An MP3 file that cannot be read for its tag throws here, and is then
    // not opened.
    std::optional<SongTagText> shown;
    if (isMp3Path(path))
        shown = ShowID3(path);
    else if (songTag_ && isContainerTagExtension(asciiUpper(extensionOf(path))))
        shown = showOtherFormatTags(*songTag_, path);
    shellOpen(hwnd(), path);
    rememberRecent(path, shown);
}

std::optional<SongTagText> TForm1::ShowID3(const std::string& path) {
    if (!songTag_ || !TagReader) return std::nullopt;
    return songTag_->ShowID3(*TagReader, path);
}

void TForm1::offerRebuild(const std::string& text) {
    if (showNotice(NoticeKind::kInformation, text, MB_OKCANCEL) == IDOK && rebuildDialog_) rebuildDialog_->showDialog();
}

}  // namespace plk
