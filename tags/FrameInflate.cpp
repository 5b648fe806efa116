#include "tags/FrameInflate.h"

#include <algorithm>
#include <zlib.h>

namespace plk {

namespace {

// Owns a zlib inflate stream for the length of one call.
class InflateStream {
public:
    InflateStream() { ok_ = inflateInit(&stream_) == Z_OK; }
    ~InflateStream() {
        if (ok_) inflateEnd(&stream_);
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;

    bool ok() const { return ok_; }
    z_stream& get() { return stream_; }

private:
    z_stream stream_{};
    bool ok_ = false;
};

std::size_t roundUpTo256(std::size_t size) { return (size + 255) / 256 * 256; }

}  // namespace

std::uint32_t inflateLimit(std::uint32_t declaredLength) {
    return std::min(std::max(declaredLength, kInflateLimitUndeclared), kInflateLimitHard);
}

bool inflateFrame(const std::vector<std::uint8_t>& data, std::uint32_t declaredLength,
                  std::vector<std::uint8_t>& inflated) {
    const std::size_t limit = inflateLimit(declaredLength);
    // One byte beyond the limit tells a stream that ends exactly at the limit
    // from one that would go on.
    const std::size_t room = limit + 1;
    InflateStream zlib;
    if (!zlib.ok()) return false;
    z_stream& stream = zlib.get();

    // Start from the declared size when there is one, so an honest frame
    // inflates in one go, but not beyond what deflate can make of this much
    // input (about 1032 to 1): a small frame declaring megabytes gets no
    // megabytes up front. Grow geometrically from there.
    std::size_t capacity = roundUpTo256(std::max<std::size_t>(data.size(), 1));
    if (declaredLength > 0) {
        const std::uint64_t reachable = std::uint64_t{data.size()} * 1032 + 64;
        const std::uint64_t start = std::min<std::uint64_t>(declaredLength, reachable);
        capacity = std::max(capacity, roundUpTo256(static_cast<std::size_t>(std::min<std::uint64_t>(start, room))));
    }
    std::vector<std::uint8_t> out(std::min(capacity, room));

    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    std::size_t produced = 0;
    for (;;) {
        if (produced == out.size()) {
            if (out.size() == room) return false;
            out.resize(std::min(out.size() * 2, room));
        }
        stream.next_out = out.data() + produced;
        stream.avail_out = static_cast<uInt>(out.size() - produced);
        const int status = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - stream.avail_out;
        if (status == Z_STREAM_END) break;
        // Z_BUF_ERROR with output room left means the input ran out mid-stream.
        if (status != Z_OK && !(status == Z_BUF_ERROR && stream.avail_out == 0)) return false;
    }
    if (produced > limit) return false;
    out.resize(produced);
    inflated = std::move(out);
    return true;
}

}  // namespace plk
