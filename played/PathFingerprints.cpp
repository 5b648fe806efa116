#include "played/PathFingerprints.h"

#include <algorithm>
#include <cstring>

namespace plk {
namespace {

// Buckets by the fingerprint's top bits, each then small enough to sort
// within the cache.
const int kBucketBits = 12;

std::size_t bucketOf(std::uint64_t value) { return static_cast<std::size_t>(value >> (64 - kBucketBits)); }

std::uint64_t mix(std::uint64_t hash) {
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return hash;
}

std::uint64_t rotate(std::uint64_t value) { return value << 31 | value >> 33; }

}  // namespace

std::uint64_t pathFingerprint(std::string_view path) {
    // Sixteen bytes a step in two lanes, each word mixed in by one
    // multiplication: a library's paths run to a hundred bytes, and one
    // chain of mixing would wait on itself. The value lives only in memory,
    // so the byte order of the words does not matter.
    std::uint64_t a = 0x9E3779B97F4A7C15ull ^ path.size(), b = 0xC4CEB9FE1A85EC53ull;
    std::size_t at = 0;
    for (; at + 16 <= path.size(); at += 16) {
        std::uint64_t words[2];
        std::memcpy(words, path.data() + at, 16);
        a = rotate((a ^ words[0]) * 0xFF51AFD7ED558CCDull);
        b = rotate((b ^ words[1]) * 0x87C37B91114253D5ull);
    }
    std::uint64_t tail[2] = {0, 0};
    std::memcpy(tail, path.data() + at, path.size() - at);
    return mix(mix(a ^ tail[0]) ^ mix(b ^ tail[1] ^ 0x2545F4914F6CDD1Dull));
}

std::vector<std::uint64_t> fingerprintsOf(std::size_t count, const std::function<std::string_view(std::size_t)>& path) {
    std::vector<std::uint64_t> values(count);
    for (std::size_t k = 0; k < count; ++k) values[k] = pathFingerprint(path(k));
    return values;
}

std::vector<Fingerprint> sortedFingerprints(const std::vector<std::uint64_t>& values) {
    std::vector<std::uint32_t> starts((std::size_t(1) << kBucketBits) + 1, 0);
    for (const std::uint64_t value : values) ++starts[bucketOf(value) + 1];
    for (std::size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
    std::vector<Fingerprint> sorted(values.size());
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t k = 0; k < values.size(); ++k)
        sorted[next[bucketOf(values[k])]++] = Fingerprint{values[k], static_cast<std::uint32_t>(k)};
    const auto before = [](const Fingerprint& x, const Fingerprint& y) {
        return x.value < y.value || (x.value == y.value && x.index < y.index);
    };
    for (std::size_t b = 0; b + 1 < starts.size(); ++b)
        std::sort(sorted.begin() + starts[b], sorted.begin() + starts[b + 1], before);
    return sorted;
}

}  // namespace plk
