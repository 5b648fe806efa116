#include "tests/support/TagBuilder.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace plk::test {

Bytes toBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes textBody(std::uint8_t encoding, const Bytes& text) { return concat({{encoding}, text}); }
Bytes textBody(std::uint8_t encoding, const std::string& text) { return textBody(encoding, toBytes(text)); }

Bytes synchSafeBytes(std::uint32_t value) {
    return {std::uint8_t((value >> 21) & 0x7F), std::uint8_t((value >> 14) & 0x7F), std::uint8_t((value >> 7) & 0x7F),
            std::uint8_t(value & 0x7F)};
}

Bytes bigEndianBytes(std::uint32_t value) {
    return {std::uint8_t(value >> 24), std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
}

Bytes zlibCompress(const Bytes& data) {
    uLongf size = compressBound(data.size());
    Bytes out(size);
    if (compress(out.data(), &size, data.data(), data.size()) != Z_OK) throw std::runtime_error("compress");
    out.resize(size);
    return out;
}

Bytes unsynchronise(const Bytes& data) {
    Bytes out;
    for (std::size_t k = 0; k < data.size(); ++k) {
        out.push_back(data[k]);
        const bool last = k + 1 == data.size();
        if (data[k] == 0xFF && (last || data[k + 1] == 0x00 || data[k + 1] >= 0xE0)) out.push_back(0x00);
    }
    return out;
}

Bytes referenceDesynchronise(const Bytes& data) {
    Bytes out;
    for (std::size_t k = 0; k < data.size(); ++k) {
        const bool removable = k > 0 && k + 1 < data.size() && data[k] == 0x00 && data[k - 1] == 0xFF &&
                               (data[k + 1] == 0x00 || data[k + 1] >= 0xE0);
        if (!removable) out.push_back(data[k]);
    }
    return out;
}

TagBuilder& TagBuilder::raw(const Bytes& bytes) {
    body_.insert(body_.end(), bytes.begin(), bytes.end());
    return *this;
}

TagBuilder& TagBuilder::frame(const std::string& id, const Bytes& body, std::uint8_t statusByte,
                              std::uint8_t formatByte, const Bytes& extras) {
    const std::uint32_t size = static_cast<std::uint32_t>(extras.size() + body.size());
    return raw(concat({toBytes(id), version_ == 4 ? synchSafeBytes(size) : bigEndianBytes(size),
                       {statusByte, formatByte}, extras, body}));
}

TagBuilder& TagBuilder::text(const std::string& id, const std::string& text, std::uint8_t encoding) {
    return frame(id, textBody(encoding, text));
}

Bytes TagBuilder::build() const {
    const Bytes body = unsynchronise_ ? unsynchronise(body_) : body_;
    const std::uint8_t flags = unsynchronise_ ? std::uint8_t(flags_ | 0x80) : flags_;
    const std::uint32_t size = sizeOverridden_ ? declaredSize_ : static_cast<std::uint32_t>(body.size());
    return concat({toBytes("ID3"), {version_, revision_, flags}, synchSafeBytes(size), body});
}

TempFile::TempFile(const Bytes& contents) {
    static std::atomic<int> serial{0};
    const char* folder = std::getenv("TMPDIR");
    path_ = std::string(folder ? folder : "/tmp") + "/plk-tag-" + std::to_string(::getpid()) + "-" +
            std::to_string(serial++) + ".mp3";
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
    if (!out) throw std::runtime_error("cannot write " + path_);
}

TempFile::~TempFile() { std::remove(path_.c_str()); }

}  // namespace plk::test
