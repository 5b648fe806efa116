#include "tags/asf/AsfTags.h"

#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/ByteSource.h"
#include "tags/FileSpan.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/SongTags.h"
#include "tags/UnicodeText.h"

namespace plk {
namespace {

using Guid = std::uint8_t[16];

// The GUIDs as stored: the first three fields little-endian (§10.1, §10.2).
// 75B22630-668E-11CF-A6D9-00AA0062CE6C
const Guid kHeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                            0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
// 75B22633-668E-11CF-A6D9-00AA0062CE6C
const Guid kContentDescriptionObject = {0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                        0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};

// The Header Object: GUID, size, number of objects, two reserved bytes.
const std::uint64_t kHeaderObjectSize = 30;
// Every object begins with its GUID and its 64-bit size, which counts these.
const std::uint64_t kObjectHeaderSize = 24;
// The Content Description Object's five string lengths, in bytes: title,
// author, copyright, description, rating; the strings follow in that order.
const std::size_t kLengthCount = 5;

std::u16string readString(FileSpan& strings, std::uint64_t length) {
    const std::vector<std::uint8_t> bytes = readCappedValue(strings, length);
    return utf16FromUtf16(bytes.data(), bytes.size(), false);
}

void readContentDescription(MetadataFile& file, std::uint64_t bodyOffset, std::uint64_t bodySize, SongTags& tags) {
    FileSpan body(file, bodyOffset, bodySize);
    std::uint8_t lengths[kLengthCount * 2];
    body.read(lengths, sizeof lengths);
    tags.title = readString(body, littleEndian(lengths, 2));
    tags.artist = readString(body, littleEndian(lengths + 2, 2));
}

}  // namespace

bool isAsfHeader(const std::uint8_t* bytes) { return std::memcmp(bytes, kHeaderObject, sizeof kHeaderObject) == 0; }

void readAsfTags(MetadataFile& file, SongTags& tags) {
    std::uint8_t header[kHeaderObjectSize];
    file.read(0, header, sizeof header);
    const std::uint64_t headerEnd = littleEndian(header + 16, 8);
    const std::uint32_t count = static_cast<std::uint32_t>(littleEndian(header + 24, 4));
    if (headerEnd < kHeaderObjectSize || headerEnd > file.size()) throw MetadataRefused("Header Object past the file");
    std::uint64_t at = kHeaderObjectSize;
    for (std::uint32_t n = 0; n < count && at < headerEnd; ++n) {
        if (n >= kMaxStructures) throw MetadataRefused("too many header objects");
        if (headerEnd - at < kObjectHeaderSize) throw MetadataRefused("no room for an object");
        std::uint8_t object[kObjectHeaderSize];
        file.read(at, object, sizeof object);
        const std::uint64_t size = littleEndian(object + 16, 8);
        if (size < kObjectHeaderSize || size > headerEnd - at) throw MetadataRefused("an object past the header");
        if (std::memcmp(object, kContentDescriptionObject, sizeof kContentDescriptionObject) == 0)
            return readContentDescription(file, at + kObjectHeaderSize, size - kObjectHeaderSize, tags);
        at += size;
    }
}

}  // namespace plk
