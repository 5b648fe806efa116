// The ID3v1 tag: the last 128 bytes of an MP3 file, beginning "TAG". Only
// its title (bytes 3 to 32) and artist (bytes 33 to 62) are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plk {

constexpr std::size_t kId3v1Size = 128;

struct Id3v1Tag {
    std::string title;
    std::string artist;
};

// The tag held by the 128 bytes at block, or false when they do not begin
// with "TAG". A field runs to its first NUL byte; trailing spaces are kept.
bool parseId3v1Tag(const std::uint8_t* block, Id3v1Tag& tag);

// The tag at the end of the file; false when the file is shorter than 128
// bytes or has none. The file is opened shared for reading and writing, so
// a player holding it open does not stop the read. Throws FileError when the
// file cannot be opened or read.
bool readId3v1Tag(const std::string& path, Id3v1Tag& tag);

}  // namespace plk
