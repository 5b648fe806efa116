// Builds FLAC, Ogg, MP4 and ASF files byte by byte for the readers' tests and
// benchmark: each structure as its format's document lays it out, written
// independently of the readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/TagBuilder.h"

namespace plk::test {

Bytes littleEndianBytes(std::uint64_t value, int count);
Bytes bigEndianBytes(std::uint64_t value, int count);
Bytes utf16LeBytes(const std::u16string& text, bool terminated);
Bytes utf16BeBytes(const std::u16string& text);

// A Vorbis comment list: vendor string, count, the fields ("NAME=value").
Bytes vorbisComment(const std::vector<std::string>& fields, const std::string& vendor = "plinkety test");

// A native FLAC stream: "fLaC", a STREAMINFO block, then these blocks (type
// and data), the last one flagged as the last.
struct FlacBlock {
    std::uint8_t type;
    Bytes data;
};
Bytes flacStream(const std::vector<FlacBlock>& blocks);
constexpr std::uint8_t kPictureBlock = 6;
constexpr std::uint8_t kCommentBlock = 4;
constexpr std::uint8_t kPaddingBlock = 1;

// An Ogg stream of these packets with a correct CRC on every page: the first
// packet alone on its page (which begins the stream), the rest laid out in
// pages whose bodies hold at most pageBody bytes, so that a longer packet
// goes on over several pages.
Bytes oggStream(const std::vector<Bytes>& packets, std::uint32_t serial = 0x504C4B, std::size_t pageBody = 4000);
// Two streams' pages interleaved page by page, their first pages first.
Bytes interleavedOggStreams(const Bytes& first, const Bytes& second);
Bytes vorbisIdentification();
Bytes opusIdentification();

// An MP4 atom; with large, its size as a 64-bit number after the type.
Bytes atom(const std::string& type, const Bytes& body, bool large = false);
// A "data" atom of this well-known type.
Bytes dataAtom(std::uint32_t type, const Bytes& value);
// An .m4a file: ftyp, then moov → udta → meta → ilst holding items, and,
// before or after moov, an mdat atom of mediaSize zero bytes.
Bytes m4aFile(const Bytes& items, std::size_t mediaSize = 64, bool moovLast = false);
// The same moov atom alone, for files built around it.
Bytes moovWithItems(const Bytes& items);

// An ASF header: the Header Object holding File Properties and Stream
// Properties stand-ins (zeros), a Content Description Object with these strings, and the extra objects.
Bytes asfFile(const std::u16string& title, const std::u16string& author, const Bytes& extraObjects = {});
// An ASF object: GUID (16 bytes as stored), size, body.
Bytes asfObject(const Bytes& guid, const Bytes& body);
Bytes asfExtendedContentDescriptionGuid();

// Writes a file of size bytes: head, then a hole the file system need not
// store (it reads as zeros), then tail.
void writeSparseFile(const std::string& path, const Bytes& head, std::uint64_t size, const Bytes& tail);

}  // namespace plk::test
