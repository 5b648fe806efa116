// The paths of a library, or of a round's songs, as 64-bit fingerprints in
// ascending order: what matches the songs of a round to the records of a
// reloaded library, and finds a path listed twice. Sorted rather than
// hashed into a table, so that the work runs through memory in order: a
// table's probes into a few megabytes of slots, and their look at the
// record itself, cost more than reading the index in the first place.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace plk {

// Two different paths share a fingerprint with a chance of one in 2^64 a
// pair: for 100,000 songs, about one reload in 10^9.
std::uint64_t pathFingerprint(std::string_view path);

struct Fingerprint {
    std::uint64_t value;
    std::uint32_t index;  // of the path in its list
};

// The fingerprints of paths 0 .. count − 1, in that order.
std::vector<std::uint64_t> fingerprintsOf(std::size_t count, const std::function<std::string_view(std::size_t)>& path);

// The values with their indexes, ascending by value and, for the same
// value, by index.
std::vector<Fingerprint> sortedFingerprints(const std::vector<std::uint64_t>& values);

}  // namespace plk
