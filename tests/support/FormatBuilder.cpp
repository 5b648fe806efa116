#include "tests/support/FormatBuilder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace plk::test {
namespace {

void append(Bytes& to, const Bytes& bytes) { to.insert(to.end(), bytes.begin(), bytes.end()); }

// The Ogg CRC (RFC 3533 §6): polynomial 0x04C11DB7, not reflected, from 0.
std::uint32_t oggCrc(const Bytes& page) {
    std::uint32_t crc = 0;
    for (const std::uint8_t byte : page) {
        crc ^= static_cast<std::uint32_t>(byte) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

Bytes oggPage(std::uint8_t flags, std::uint32_t serial, std::uint32_t sequence, const Bytes& lacing, const Bytes& body) {
    Bytes page = concat({toBytes("OggS"), {0, flags}, littleEndianBytes(0, 8), littleEndianBytes(serial, 4),
                         littleEndianBytes(sequence, 4), littleEndianBytes(0, 4),
                         {static_cast<std::uint8_t>(lacing.size())}, lacing, body});
    const Bytes crc = littleEndianBytes(oggCrc(page), 4);
    std::copy(crc.begin(), crc.end(), page.begin() + 22);
    return page;
}

// Every page of a stream, split where each begins.
std::vector<Bytes> splitPages(const Bytes& stream) {
    std::vector<Bytes> pages;
    for (std::size_t at = 0; at + 27 <= stream.size();) {
        const std::size_t segments = stream[at + 26];
        std::size_t size = 27 + segments;
        for (std::size_t k = 0; k < segments; ++k) size += stream[at + 27 + k];
        pages.emplace_back(stream.begin() + at, stream.begin() + at + size);
        at += size;
    }
    return pages;
}

const Bytes kContentDescriptionGuid = {0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                       0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
const Bytes kHeaderGuid = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                           0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
// 8CABDCA1-A947-11CF-8EE4-00C00C205365
const Bytes kFilePropertiesGuid = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                   0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
// B7DC0791-A9B7-11CF-8EE6-00C00C205365
const Bytes kStreamPropertiesGuid = {0x91, 0x07, 0xDC, 0xB7, 0xB7, 0xA9, 0xCF, 0x11,
                                     0x8E, 0xE6, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};

}  // namespace

Bytes littleEndianBytes(std::uint64_t value, int count) {
    Bytes bytes;
    for (int k = 0; k < count; ++k) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
    return bytes;
}

Bytes bigEndianBytes(std::uint64_t value, int count) {
    Bytes bytes = littleEndianBytes(value, count);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

Bytes utf16LeBytes(const std::u16string& text, bool terminated) {
    Bytes bytes;
    for (const char16_t unit : text) append(bytes, littleEndianBytes(unit, 2));
    if (terminated) append(bytes, {0, 0});
    return bytes;
}

Bytes utf16BeBytes(const std::u16string& text) {
    Bytes bytes;
    for (const char16_t unit : text) append(bytes, bigEndianBytes(unit, 2));
    return bytes;
}

Bytes vorbisComment(const std::vector<std::string>& fields, const std::string& vendor) {
    Bytes list = concat({littleEndianBytes(vendor.size(), 4), toBytes(vendor), littleEndianBytes(fields.size(), 4)});
    for (const std::string& field : fields) append(list, concat({littleEndianBytes(field.size(), 4), toBytes(field)}));
    return list;
}

Bytes flacStream(const std::vector<FlacBlock>& blocks) {
    Bytes stream = toBytes("fLaC");
    std::vector<FlacBlock> all{{0, Bytes(34, 0)}};
    all.insert(all.end(), blocks.begin(), blocks.end());
    for (std::size_t k = 0; k < all.size(); ++k) {
        const std::uint8_t last = k + 1 == all.size() ? 0x80 : 0;
        append(stream, concat({{static_cast<std::uint8_t>(last | all[k].type)}, bigEndianBytes(all[k].data.size(), 3),
                               all[k].data}));
    }
    return stream;
}

Bytes oggStream(const std::vector<Bytes>& packets, std::uint32_t serial, std::size_t pageBody) {
    Bytes stream;
    std::uint32_t sequence = 0;
    // The page being filled; whether it begins inside a packet; whether the
    // last segment laid out leaves its packet going on.
    Bytes lacing, body;
    bool continued = false, pending = false;
    auto flush = [&](std::uint8_t flags) {
        append(stream, oggPage(flags, serial, sequence++, lacing, body));
        lacing.clear();
        body.clear();
    };
    for (std::size_t n = 0; n < packets.size(); ++n) {
        const Bytes& packet = packets[n];
        for (std::size_t at = 0;; at += 255) {
            const std::size_t piece = std::min<std::size_t>(255, packet.size() - at);
            if (lacing.size() == 255 || body.size() + piece > pageBody) {
                flush(continued ? 0x01 : 0x00);
                continued = pending;
            }
            lacing.push_back(static_cast<std::uint8_t>(piece));
            body.insert(body.end(), packet.begin() + at, packet.begin() + at + piece);
            pending = piece == 255;
            if (piece < 255) break;
        }
        if (n == 0) {
            flush(0x02);
            continued = false;
        }
    }
    if (!lacing.empty()) flush((continued ? 0x01 : 0x00) | 0x04);
    return stream;
}

Bytes interleavedOggStreams(const Bytes& first, const Bytes& second) {
    const std::vector<Bytes> a = splitPages(first), b = splitPages(second);
    Bytes file = concat({a[0], b[0]});
    for (std::size_t k = 1; k < std::max(a.size(), b.size()); ++k) {
        if (k < a.size()) append(file, a[k]);
        if (k < b.size()) append(file, b[k]);
    }
    return file;
}

Bytes vorbisIdentification() { return concat({toBytes("\x01vorbis"), Bytes(23, 1)}); }

Bytes opusIdentification() { return concat({toBytes("OpusHead"), {1, 2}, Bytes(9, 0)}); }

Bytes atom(const std::string& type, const Bytes& body, bool large) {
    if (large) return concat({bigEndianBytes(1, 4), toBytes(type), bigEndianBytes(16 + body.size(), 8), body});
    return concat({bigEndianBytes(8 + body.size(), 4), toBytes(type), body});
}

Bytes dataAtom(std::uint32_t type, const Bytes& value) {
    return atom("data", concat({bigEndianBytes(type, 4), bigEndianBytes(0, 4), value}));
}

Bytes moovWithItems(const Bytes& items) {
    const Bytes handler = atom("hdlr", concat({Bytes(8, 0), toBytes("mdirappl"), Bytes(9, 0)}));
    const Bytes meta = atom("meta", concat({Bytes(4, 0), handler, atom("ilst", items), atom("free", Bytes(16, 0))}));
    return atom("moov", concat({atom("mvhd", Bytes(100, 0)), atom("trak", Bytes(200, 0)), atom("udta", meta)}));
}

Bytes m4aFile(const Bytes& items, std::size_t mediaSize, bool moovLast) {
    const Bytes ftyp = atom("ftyp", concat({toBytes("M4A "), Bytes(4, 0), toBytes("M4A mp42isom")}));
    const Bytes mdat = atom("mdat", Bytes(mediaSize, 0));
    const Bytes moov = moovWithItems(items);
    return moovLast ? concat({ftyp, mdat, moov}) : concat({ftyp, moov, mdat});
}

Bytes asfObject(const Bytes& guid, const Bytes& body) {
    return concat({guid, littleEndianBytes(24 + body.size(), 8), body});
}

Bytes asfExtendedContentDescriptionGuid() {
    // D2D0A440-E307-11D2-97F0-00A0C95EA850
    return {0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3, 0xD2, 0x11, 0x97, 0xF0, 0x00, 0xA0, 0xC9, 0x5E, 0xA8, 0x50};
}

Bytes asfFile(const std::u16string& title, const std::u16string& author, const Bytes& extraObjects) {
    const Bytes titleBytes = utf16LeBytes(title, true), authorBytes = utf16LeBytes(author, true);
    const Bytes description = asfObject(
        kContentDescriptionGuid, concat({littleEndianBytes(titleBytes.size(), 2), littleEndianBytes(authorBytes.size(), 2),
                                         littleEndianBytes(2, 2), littleEndianBytes(0, 2), littleEndianBytes(0, 2),
                                         titleBytes, authorBytes, {0, 0}}));
    const Bytes objects = concat({asfObject(kFilePropertiesGuid, Bytes(80, 0)), asfObject(kStreamPropertiesGuid, Bytes(54, 0)),
                                  extraObjects, description});
    const std::uint32_t count = extraObjects.empty() ? 3 : 4;
    return concat({kHeaderGuid, littleEndianBytes(30 + objects.size(), 8), littleEndianBytes(count, 4), {1, 2}, objects,
                   Bytes(50, 0)});
}

void writeSparseFile(const std::string& path, const Bytes& head, std::uint64_t size, const Bytes& tail) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    std::filesystem::resize_file(path, size - tail.size());
    std::ofstream(path, std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(tail.data()), static_cast<std::streamsize>(tail.size()));
}

}  // namespace plk::test
