#include "tags/vorbis/VorbisComment.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "tags/ByteSource.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/SongTags.h"
#include "tags/UnicodeText.h"

namespace plk {
namespace {

const char kTitle[] = "TITLE=";
const char kArtist[] = "ARTIST=";
const std::size_t kLongestName = sizeof kArtist - 1;

// A field name is ASCII 0x20 to 0x7D without '=' (§5.2.1); "title" and
// "TITLE" are the same field.
bool namesField(const std::uint8_t* head, std::size_t size, const char* nameAndEquals) {
    const std::size_t length = std::strlen(nameAndEquals);
    if (size < length) return false;
    for (std::size_t k = 0; k < length; ++k) {
        const char c = static_cast<char>(head[k]);
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != nameAndEquals[k]) return false;
    }
    return true;
}

void readField(ByteSource& source, std::uint32_t length, SongTags& tags) {
    std::uint8_t head[kLongestName];
    const std::size_t headSize = std::min<std::size_t>(length, kLongestName);
    source.read(head, headSize);
    std::u16string* text = nullptr;
    std::size_t nameSize = 0;
    if (namesField(head, headSize, kTitle)) text = &tags.title, nameSize = sizeof kTitle - 1;
    else if (namesField(head, headSize, kArtist)) text = &tags.artist, nameSize = sizeof kArtist - 1;
    if (!text) return source.skip(length - headSize);
    // The value's first bytes may already be in head.
    std::vector<std::uint8_t> value(head + nameSize, head + headSize);
    const std::vector<std::uint8_t> rest = readCappedValue(source, length - headSize);
    value.insert(value.end(), rest.begin(), rest.end());
    appendValue(*text, utf16FromUtf8(value.data(), value.size()));
}

}  // namespace

void readVorbisComment(ByteSource& source, SongTags& tags) {
    source.skip(readLittleEndian32(source));  // the vendor string
    const std::uint32_t count = readLittleEndian32(source);
    if (count > kMaxComments) throw MetadataRefused("too many comments");
    for (std::uint32_t n = 0; n < count; ++n) readField(source, readLittleEndian32(source), tags);
}

}  // namespace plk
