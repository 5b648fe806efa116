#include "tags/mp4/Mp4Tags.h"

#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/ByteSource.h"
#include "tags/FileSpan.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/SongTags.h"
#include "tags/UnicodeText.h"
#include "tags/mp4/Mp4Atom.h"

namespace plk {
namespace {

const std::uint32_t kTitleItem = atomType("\xA9nam");
const std::uint32_t kArtistItem = atomType("\xA9" "ART");
const std::uint32_t kAlbumArtistItem = atomType("aART");
const std::uint32_t kDataAtom = atomType("data");
const std::uint32_t kHandlerAtom = atomType("hdlr");

const std::uint32_t kUtf8Data = 1;
const std::uint32_t kUtf16Data = 2;
// A data atom's body: the type indicator (a version byte and a 24-bit
// well-known type), the locale, then the value.
const std::uint64_t kDataHeaderSize = 8;
// A full atom's version and flags, before its children.
const std::uint64_t kFullAtomHeader = 4;

// Where meta's children begin. iTunes writes it as a full atom, version and
// flags first; QuickTime's own form has none, and its first child, the
// handler, follows at once.
std::uint64_t metaChildren(MetadataFile& file, const Mp4Atom& meta) {
    std::uint8_t head[8];
    if (meta.bodySize() < sizeof head) return meta.bodyOffset + kFullAtomHeader;
    file.read(meta.bodyOffset, head, sizeof head);
    const bool quickTime = bigEndian(head + 4, 4) == kHandlerAtom;
    return quickTime ? meta.bodyOffset : meta.bodyOffset + kFullAtomHeader;
}

void readDataAtom(MetadataFile& file, const Mp4Atom& data, std::u16string& text) {
    if (data.bodySize() < kDataHeaderSize) return;
    std::uint8_t indicator[4];
    file.read(data.bodyOffset, indicator, sizeof indicator);
    const std::uint32_t type = static_cast<std::uint32_t>(bigEndian(indicator + 1, 3));
    if (type != kUtf8Data && type != kUtf16Data) return;
    FileSpan value(file, data.bodyOffset + kDataHeaderSize, data.bodySize() - kDataHeaderSize);
    const std::vector<std::uint8_t> bytes = readCappedValue(value, value.remaining());
    appendValue(text, type == kUtf8Data ? utf16FromUtf8(bytes.data(), bytes.size())
                                        : utf16FromUtf16(bytes.data(), bytes.size(), true));
}

void readItem(MetadataFile& file, const Mp4Atom& item, std::u16string& text, unsigned& atoms) {
    Mp4Atom data;
    for (std::uint64_t at = item.bodyOffset; findAtom(file, at, item.end, kDataAtom, data, atoms); at = data.end)
        readDataAtom(file, data, text);
}

void readItemList(MetadataFile& file, const Mp4Atom& list, SongTags& tags, unsigned& atoms) {
    std::u16string albumArtist;
    for (std::uint64_t at = list.bodyOffset; at < list.end;) {
        if (++atoms > kMaxStructures) throw MetadataRefused("too many atoms");
        const Mp4Atom item = readAtom(file, at, list.end);
        if (item.type == kTitleItem) readItem(file, item, tags.title, atoms);
        else if (item.type == kArtistItem) readItem(file, item, tags.artist, atoms);
        else if (item.type == kAlbumArtistItem) readItem(file, item, albumArtist, atoms);
        at = item.end;
    }
    if (tags.artist.empty()) tags.artist = albumArtist;
}

}  // namespace

bool isMp4Start(const std::uint8_t* bytes) {
    static const char* const kFirstAtoms[] = {"ftyp", "moov", "mdat", "free", "skip", "wide"};
    for (const char* type : kFirstAtoms)
        if (std::memcmp(bytes + 4, type, 4) == 0) return true;
    return false;
}

void readMp4Tags(MetadataFile& file, SongTags& tags) {
    unsigned atoms = 0;
    Mp4Atom moov, udta, meta, list;
    if (!findAtom(file, 0, file.size(), atomType("moov"), moov, atoms)) return;
    if (!findAtom(file, moov.bodyOffset, moov.end, atomType("udta"), udta, atoms)) return;
    if (!findAtom(file, udta.bodyOffset, udta.end, atomType("meta"), meta, atoms)) return;
    if (!findAtom(file, metaChildren(file, meta), meta.end, atomType("ilst"), list, atoms)) return;
    readItemList(file, list, tags, atoms);
}

}  // namespace plk
