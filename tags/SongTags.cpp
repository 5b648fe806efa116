#include "tags/SongTags.h"

#include <cstring>

#include "platform/File.h"
#include "platform/FileAttributes.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataRefused.h"
#include "tags/TagCodes.h"
#include "tags/TagHeader.h"
#include "tags/asf/AsfTags.h"
#include "tags/flac/FlacTags.h"
#include "tags/mp4/Mp4Tags.h"
#include "tags/ogg/OggPage.h"
#include "tags/ogg/OggTags.h"

namespace plk {
namespace {

// Enough of the start for every format's mark: ASF's GUID is the longest.
const std::size_t kStartSize = 16;

// A FLAC file may begin with an ID3v2 tag that a tagger put there; the
// stream's "fLaC" then follows the tag (and its footer, when it has one).
bool flacAfterId3v2(MetadataFile& file, const std::uint8_t* start, std::uint64_t& streamOffset) {
    std::uint8_t headerBytes[TagHeader::kSize];
    std::memcpy(headerBytes, start, sizeof headerBytes);
    TagHeader header;
    if (!TagHeader::parse(headerBytes, header)) return false;
    const std::uint64_t footer = (header.majorVersion == 4 && (header.flags & HeaderFlag::kFooter)) ? TagHeader::kSize : 0;
    streamOffset = TagHeader::kSize + header.tagSize + footer;
    std::uint8_t marker[4];
    return file.readSome(streamOffset, marker, sizeof marker) == sizeof marker && isFlacMarker(marker);
}

void readByContent(MetadataFile& file, SongTags& tags) {
    std::uint8_t start[kStartSize] = {};
    const std::size_t size = file.readSome(0, start, sizeof start);
    std::uint64_t flacOffset = 0;
    if (size >= 4 && (isFlacMarker(start) || (size >= TagHeader::kSize && flacAfterId3v2(file, start, flacOffset)))) {
        tags.format = SongFormat::kFlac;
        readFlacTags(file, flacOffset, tags);
    } else if (size >= 4 && isOggCapture(start)) {
        readOggTags(file, tags);
    } else if (size >= kStartSize && isAsfHeader(start)) {
        tags.format = SongFormat::kAsf;
        readAsfTags(file, tags);
    } else if (size >= 8 && isMp4Start(start)) {
        tags.format = SongFormat::kMp4;
        readMp4Tags(file, tags);
    }
}

std::u16string widened(const std::string& latin1) {
    std::u16string text;
    for (const char c : latin1) text += static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
}

void readId3Tags(const std::string& path, SongTags& tags) {
    Tid3v2tag reader;
    if (isUsableLoad(reader.LoadFromFile(path, 0))) {
        tags.format = SongFormat::kId3v2;
        reader.GetWideTextFrame("TIT2", tags.title);
        reader.GetWideTextFrame("TPE1", tags.artist);
        return;
    }
    Id3v1Tag v1;
    if (!readId3v1Tag(path, v1)) return;
    tags.format = SongFormat::kId3v1;
    tags.title = widened(v1.title);
    tags.artist = widened(v1.artist);
}

}  // namespace

const char* formatName(SongFormat format) {
    switch (format) {
    case SongFormat::kId3v2: return "id3v2";
    case SongFormat::kId3v1: return "id3v1";
    case SongFormat::kFlac: return "flac";
    case SongFormat::kOggVorbis: return "ogg-vorbis";
    case SongFormat::kOpus: return "opus";
    case SongFormat::kOggFlac: return "ogg-flac";
    case SongFormat::kMp4: return "mp4";
    case SongFormat::kAsf: return "asf";
    case SongFormat::kNone: break;
    }
    return "none";
}

bool isContainerTagExtension(const std::string& upperExtension) {
    static const char* const kExtensions[] = {".FLAC", ".OGG", ".OGA", ".OPUS", ".M4A",
                                              ".M4B",  ".MP4", ".WMA", ".WMV",  ".ASF"};
    for (const char* extension : kExtensions)
        if (upperExtension == extension) return true;
    return false;
}

SongTags readContainerTags(const std::string& path) { return readContainerTags(path, fileAttributes(path)); }

SongTags readContainerTags(const std::string& path, long attributes) {
    SongTags tags;
    if (isPlaceholder(attributes)) return tags;
    try {
        MetadataFile file(path);
        readByContent(file, tags);
    } catch (const MetadataRefused&) {
        tags.refused = true;
        tags.title.clear();
        tags.artist.clear();
    } catch (const FileError&) {
        return SongTags();
    }
    return tags;
}

SongTags readSongTags(const std::string& path) {
    SongTags tags = readContainerTags(path);
    if (tags.format != SongFormat::kNone) return tags;
    tags = SongTags();
    try {
        readId3Tags(path, tags);
    } catch (const FileError&) {
        return SongTags();
    }
    return tags;
}

}  // namespace plk
