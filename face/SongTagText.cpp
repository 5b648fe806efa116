#include "face/SongTagText.h"

#include "platform/FileAttributes.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/TextDecoder.h"

namespace plk {
namespace {

// Load codes above this have no usable tag (failures sit in the high byte).
const std::uint16_t kLastUsableLoad = 0x00FF;

const char kArtistFrame[] = "TPE1";
const char kTitleFrame[] = "TIT2";

void keepIfNotEmpty(const std::string& text, SongTagLine& line) {
    if (!text.empty()) line = SongTagLine(text);
}

// The text codes are not looked at: a partly decoded text is shown.
void keepFrameText(Tid3v2tag& reader, const std::string& frameId, SongTagLine& line) {
    std::u16string text;
    std::uint8_t encoding = 0;
    reader.GetWideTextFrame(frameId, text, &encoding);
    if (text.empty()) return;
    if (encoding != TextEncoding::kLatin1) {
        line = SongTagLine(text);
        return;
    }
    std::string bytes;
    reader.GetTextFrame(frameId, bytes);
    line = SongTagLine(bytes);
}

SongTagText fileNameText(const std::string& path) {
    SongTagText lines;
    lines.title = SongTagLine(std::string("Unknown song:"));
    lines.artist = SongTagLine(songNameOfPath(path));
    lines.fromTag = false;
    return lines;
}

}  // namespace

SongTagText readSongTagText(Tid3v2tag& reader, const std::string& path, long attributes) {
    if (isPlaceholder(attributes)) return fileNameText(path);
    SongTagText lines;
    if (reader.LoadFromFile(path, 0, FrameBodies::only({kArtistFrame, kTitleFrame})) <= kLastUsableLoad) {
        keepFrameText(reader, kArtistFrame, lines.artist);
        keepFrameText(reader, kTitleFrame, lines.title);
        return lines;
    }
    Id3v1Tag v1;
    if (!readId3v1Tag(path, v1)) return fileNameText(path);
    keepIfNotEmpty(v1.artist, lines.artist);
    keepIfNotEmpty(v1.title, lines.title);
    return lines;
}

std::string songNameOfPath(const std::string& path) {
    // "/" is no file-name character on Windows either, so it ends a folder
    // name wherever the path comes from.
    const std::size_t folderEnd = path.find_last_of("\\/:");
    std::string name = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace plk
