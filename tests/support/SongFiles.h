// The bytes of small MP3 files for the window tests and the click benchmark:
// an ID3v2.3 tag with title, artist and optionally a cover picture, an
// ID3v1 tag, and stand-in audio.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plk::test {

using SongBytes = std::vector<std::uint8_t>;

// An ID3v2.3 tag holding TIT2 and TPE1 (Latin-1), and an APIC frame with a
// JPEG picture of pictureSize bytes when that is not 0.
SongBytes id3v2Tag(const std::string& title, const std::string& artist, std::size_t pictureSize = 0);

// An ID3v2.4 tag holding TIT2 and TPE1 with these frame bodies, each its
// encoding byte and the encoded text; a body under 128 bytes.
SongBytes id3v24Tag(const SongBytes& titleBody, const SongBytes& artistBody);

// The 128-byte ID3v1 tag.
SongBytes Id3v1Tag(const std::string& title, const std::string& artist);

// A whole file: the ID3v2 tag (or none), audio bytes of stand-in audio,
// the ID3v1 tag (or none).
SongBytes song(const SongBytes& id3v2, std::size_t audio, const SongBytes& id3v1 = {});

}  // namespace plk::test
