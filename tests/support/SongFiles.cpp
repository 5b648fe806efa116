#include "tests/support/SongFiles.h"

#include <algorithm>

namespace plk::test {
namespace {

template <typename Bytes>
void Append(SongBytes& to, const Bytes& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

void AppendBigEndian(SongBytes& to, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) to.push_back(static_cast<std::uint8_t>(value >> shift));
}

SongBytes Frame(const std::string& id, const SongBytes& body) {
    SongBytes frame;
    Append(frame, id);
    AppendBigEndian(frame, static_cast<std::uint32_t>(body.size()));
    frame.insert(frame.end(), {0, 0});  // no flags
    Append(frame, body);
    return frame;
}

SongBytes TextFrame(const std::string& id, const std::string& text) {
    SongBytes body{0};  // Latin-1
    Append(body, text);
    return Frame(id, body);
}

SongBytes PictureFrame(std::size_t size) {
    SongBytes body{0};
    Append(body, std::string("image/jpeg"));
    body.insert(body.end(), {0, 3, 0});  // front cover, no description
    // A JPEG's markers, and bytes that vary as a picture's do.
    body.insert(body.end(), {0xFF, 0xD8, 0xFF, 0xE0});
    for (std::size_t i = 0; body.size() < size; ++i) body.push_back(static_cast<std::uint8_t>((i * 7919) >> 3));
    return Frame("APIC", body);
}

}  // namespace

SongBytes Id3v2Tag(const std::string& title, const std::string& artist, std::size_t pictureSize) {
    SongBytes body = TextFrame("TIT2", title);
    Append(body, TextFrame("TPE1", artist));
    if (pictureSize) Append(body, PictureFrame(pictureSize));
    body.resize(body.size() + 256, 0);  // padding
    SongBytes tag{'I', 'D', '3', 3, 0, 0};
    const auto size = static_cast<std::uint32_t>(body.size());
    for (int shift = 21; shift >= 0; shift -= 7) tag.push_back(static_cast<std::uint8_t>((size >> shift) & 0x7F));
    Append(tag, body);
    return tag;
}

SongBytes Id3v1Tag(const std::string& title, const std::string& artist) {
    SongBytes tag(128, 0);
    std::copy_n("TAG", 3, tag.begin());
    std::copy_n(title.begin(), std::min<std::size_t>(title.size(), 30), tag.begin() + 3);
    std::copy_n(artist.begin(), std::min<std::size_t>(artist.size(), 30), tag.begin() + 33);
    return tag;
}

SongBytes Song(const SongBytes& id3v2, std::size_t audio, const SongBytes& id3v1) {
    SongBytes song = id3v2;
    song.resize(song.size() + audio, 0x55);
    Append(song, id3v1);
    return song;
}

}  // namespace plk::test
