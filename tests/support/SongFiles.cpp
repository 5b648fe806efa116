#include "tests/support/SongFiles.h"

#include <algorithm>

namespace plk::test {
namespace {

template <typename Bytes>
void append(SongBytes& to, const Bytes& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

void appendBigEndian(SongBytes& to, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) to.push_back(static_cast<std::uint8_t>(value >> shift));
}

SongBytes frame(const std::string& id, const SongBytes& body) {
    SongBytes frame;
    append(frame, id);
    appendBigEndian(frame, static_cast<std::uint32_t>(body.size()));
    frame.insert(frame.end(), {0, 0});  // no flags
    append(frame, body);
    return frame;
}

SongBytes textFrame(const std::string& id, const std::string& text) {
    SongBytes body{0};  // Latin-1
    append(body, text);
    return frame(id, body);
}

SongBytes pictureFrame(std::size_t size) {
    SongBytes body{0};
    append(body, std::string("image/jpeg"));
    body.insert(body.end(), {0, 3, 0});  // front cover, no description
    // A JPEG's markers, and bytes that vary as a picture's do.
    body.insert(body.end(), {0xFF, 0xD8, 0xFF, 0xE0});
    for (std::size_t i = 0; body.size() < size; ++i) body.push_back(static_cast<std::uint8_t>((i * 7919) >> 3));
    return frame("APIC", body);
}

SongBytes wholeTag(std::uint8_t version, SongBytes body) {
    body.resize(body.size() + 256, 0);  // padding
    SongBytes tag{'I', 'D', '3', version, 0, 0};
    const auto size = static_cast<std::uint32_t>(body.size());
    for (int shift = 21; shift >= 0; shift -= 7) tag.push_back(static_cast<std::uint8_t>((size >> shift) & 0x7F));
    append(tag, body);
    return tag;
}

}  // namespace

SongBytes id3v2Tag(const std::string& title, const std::string& artist, std::size_t pictureSize) {
    SongBytes body = textFrame("TIT2", title);
    append(body, textFrame("TPE1", artist));
    if (pictureSize) append(body, pictureFrame(pictureSize));
    return wholeTag(3, body);
}

SongBytes id3v24Tag(const SongBytes& titleBody, const SongBytes& artistBody) {
    // Below 128 bytes a version 4 frame size, synchsafe, is the same bytes.
    SongBytes body = frame("TIT2", titleBody);
    append(body, frame("TPE1", artistBody));
    return wholeTag(4, body);
}

SongBytes Id3v1Tag(const std::string& title, const std::string& artist) {
    SongBytes tag(128, 0);
    std::copy_n("TAG", 3, tag.begin());
    std::copy_n(title.begin(), std::min<std::size_t>(title.size(), 30), tag.begin() + 3);
    std::copy_n(artist.begin(), std::min<std::size_t>(artist.size(), 30), tag.begin() + 33);
    return tag;
}

SongBytes song(const SongBytes& id3v2, std::size_t audio, const SongBytes& id3v1) {
    SongBytes song = id3v2;
    song.resize(song.size() + audio, 0x55);
    append(song, id3v1);
    return song;
}

}  // namespace plk::test
