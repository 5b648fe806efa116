#include "compression/BoundedInflate.h"

#include <algorithm>
#include <utility>
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

}  // namespace

bool inflateBounded(const std::uint8_t* data, std::size_t size, std::size_t limit, std::size_t startCapacity,
                    std::vector<std::uint8_t>& inflated) {
    // One byte beyond the limit tells a stream that ends exactly at the limit
    // from one that would go on.
    const std::size_t room = limit + 1;
    InflateStream zlib;
    if (!zlib.ok()) return false;
    z_stream& stream = zlib.get();
    std::vector<std::uint8_t> out(std::min(std::max<std::size_t>(startCapacity, 1), room));

    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = static_cast<uInt>(size);
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
