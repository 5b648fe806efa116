// Builds ID3v2 tags byte by byte for the reader's tests, and writes them to
// temporary files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plk::test {

using Bytes = std::vector<std::uint8_t>;

Bytes toBytes(const std::string& text);
Bytes concat(std::initializer_list<Bytes> parts);
// A text frame body: the encoding byte, then the bytes.
Bytes textBody(std::uint8_t encoding, const Bytes& text);
Bytes textBody(std::uint8_t encoding, const std::string& text);
Bytes synchSafeBytes(std::uint32_t value);
Bytes bigEndianBytes(std::uint32_t value);
Bytes zlibCompress(const Bytes& data);

// Inserts a zero after every 0xFF that is followed by 0x00 or 0xE0 and above,
// and after a final 0xFF: what a writer does.
Bytes unsynchronise(const Bytes& data);
// The reading rule applied once to a whole tag body, written independently of
// the reader for comparison: a 0x00 goes when the stored byte before it was
// 0xFF and the one after it is 0x00 or 0xE0 and above.
Bytes referenceDesynchronise(const Bytes& data);

class TagBuilder {
public:
    explicit TagBuilder(std::uint8_t majorVersion = 3, std::uint8_t revision = 0)
        : version_(majorVersion), revision_(revision) {}

    TagBuilder& flags(std::uint8_t flags) { flags_ = flags; return *this; }
    // Appends raw bytes to the body (an extended header, broken frames, ...).
    TagBuilder& raw(const Bytes& bytes);
    // A frame: ID, size (plain for version 3, synchsafe for 4) counting
    // extras and body, the two flag bytes as stored, then extras and body.
    TagBuilder& frame(const std::string& id, const Bytes& body, std::uint8_t statusByte = 0,
                      std::uint8_t formatByte = 0, const Bytes& extras = {});
    TagBuilder& text(const std::string& id, const std::string& text, std::uint8_t encoding = 0);
    TagBuilder& padding(std::uint32_t count) { return raw(Bytes(count, 0)); }
    // Overrides the size written into the header.
    TagBuilder& declaredSize(std::uint32_t size) { declaredSize_ = size; sizeOverridden_ = true; return *this; }
    // Unsynchronises the whole body when building (and sets flag 0x80).
    TagBuilder& unsynchroniseBody() { unsynchronise_ = true; return *this; }

    const Bytes& body() const { return body_; }
    Bytes build() const;

private:
    std::uint8_t version_;
    std::uint8_t revision_;
    std::uint8_t flags_ = 0;
    Bytes body_;
    std::uint32_t declaredSize_ = 0;
    bool sizeOverridden_ = false;
    bool unsynchronise_ = false;
};

// A file in the temporary folder, removed when the object goes.
class TempFile {
public:
    explicit TempFile(const Bytes& contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace plk::test
