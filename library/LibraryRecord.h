// One record of the library index: the same 260 bytes on disk and in memory.
#pragma once

#include <cstdint>
#include <string>

namespace plk {

struct TLibraryRecord {
    static const int kMaxPath = 255;

    // Little-endian on disk; the record's 1-based number within the run that
    // wrote it. Nothing reads it back.
    unsigned char Number[4];
    // A length-prefixed 8-bit string: length significant bytes follow.
    struct {
        unsigned char length;
        char chars[kMaxPath];
    } Path;

    std::int32_t number() const;
    void setNumber(std::int32_t value);
    std::string path() const;
    // Stores the first 255 bytes of path. The bytes after them keep what the
    // record held before: the writer reuses one record for a whole run.
    void setPath(const std::string& path);
};

static_assert(sizeof(TLibraryRecord) == 260, "an index record is exactly 260 bytes");
static_assert(alignof(TLibraryRecord) == 1, "records are stored back to back");

}  // namespace plk
