// "Avoid repeats" and "Recently played": the round that random play draws
// from, kept in plkplayed.dat beside the index, and the songs played last.
#include "app/PlayButton.h"

#include "app/PlayButtonMenu.h"
#include "app/RecentPlayedMenu.h"
#include "app/SongPath.h"
#include "face/SongTagText.h"
#include "gui/Application.h"
#include "platform/FileAttributes.h"
#include "played/PlayedFile.h"
#include "system/Notice.h"
#include "system/WideText.h"
#include "tags/Id3v2Tag.h"

namespace plk {
namespace {

std::wstring shownLine(const SongTagLine& line) {
    return line.isUnicode ? wideFromUtf16(line.unicodeText) : wideFromCodePage(line.codePageText);
}

// What the popup showed, or the file's name where there was no tag.
std::wstring recentCaption(const std::string& path, const std::optional<SongTagText>& shown) {
    if (shown && shown->fromTag) return songCaption(shownLine(shown->title), shownLine(shown->artist));
    return fileCaption(wideFromCodePage(path));
}

void warnRoundNotKept(const std::string& path, const std::string& reason) {
    showNotice(NoticeKind::kWarning,
               "Plinkety cannot write the songs of this round to\r\n\r\n" + path + "\r\n\r\n" + reason +
                   "\r\n\r\nRandom play goes on avoiding repeats until Plinkety ends, but a restart "
                   "will not remember the songs played from now on.");
}

}  // namespace

void TForm1::readRoundSetting() {
    AvoidRepeats = settings_.readBool("norepeat", false);
    PopupMenu1.setChecked(Avoidrepeats1, AvoidRepeats);
}

void TForm1::Avoidrepeats1Click() {
    const bool avoid = !PopupMenu1.isChecked(Avoidrepeats1);
    PopupMenu1.setChecked(Avoidrepeats1, avoid);
    settings_.writeBool("norepeat", avoid);
    AvoidRepeats = avoid;
    // Turned off, the file keeps the round for the next time it is on.
    if (avoid) takeUpRound(false);
    else round_.reset();
}

void TForm1::takeUpRound(bool readBackRecent) {
    round_ = std::make_unique<KeptRound>(Application::exeFolder() + kPlayedFileName);
    const PathList songs = round_->load(Library);
    if (readBackRecent) recent_.readBack(songs);
}

void TForm1::reloadWithRound() {
    // A library that was empty (no index at start, or one that failed to
    // load) held none of the round's songs: the file still knows them.
    const bool fromFile = round_->round().songCount() == 0;
    const std::vector<std::uint64_t> songs = round_->songsBeforeReload();
    const auto carryOver = [&] {
        if (fromFile) round_->load(Library);
        else round_->reloaded(Library, songs);
    };
    // A read that fails part-way leaves the records read before it, which
    // the round follows too.
    try {
        reloadIndex(IndexFileName, Library, NoLibrary);
    } catch (...) {
        carryOver();
        throw;
    }
    carryOver();
}

void TForm1::keepInRound(std::uint32_t record) {
    try {
        round_->opened(Library, record);
    } catch (const FileError& error) {
        // A folder the code page cannot spell was reported at start.
        if (roundFileWarned_ || !Application::exeFolderReachable()) return;
        roundFileWarned_ = true;
        warnRoundNotKept(round_->filePath(), error.what());
    }
}

void TForm1::rememberRecent(const std::string& path, const std::optional<SongTagText>& shown) {
    recent_.add(path, recentCaption(path, shown));
}

void TForm1::RecentSong1Click(std::size_t index) {
    if (index >= recent_.songs().size()) return;
    // The song is opened as Play Again opens the last one, and becomes it.
    const std::string path = recent_.songs()[index].path;
    if (!canOpenAgain(path)) return;
    LastSong = path;
    openSong(LastSong);
}

std::wstring TForm1::captionOfFile(const std::string& path) {
    if (!isMp3Path(path) || !TagReader) return recentCaption(path, std::nullopt);
    try {
        return recentCaption(path, readSongTagText(*TagReader, path, fileAttributes(path)));
    } catch (const FileError&) {
        return recentCaption(path, std::nullopt);  // gone, or held by another program
    }
}

void TForm1::WMInitMenuPopup(HMENU menu) {
    if (menu != recentlyPlayed_) return;
    // A song read back from the round's file gets its caption the first time
    // it is shown: at start no tag is read.
    for (std::size_t k = 0; k < recent_.songs().size(); ++k) {
        if (!recent_.songs()[k].caption.empty()) continue;
        recent_.setCaption(k, captionOfFile(recent_.songs()[k].path));
    }
    fillRecentlyPlayed(recentlyPlayed_, recent_);
}

}  // namespace plk
