// libFuzzer target: the input is an index file. It is loaded with a small
// record limit, so that both a load and a refusal happen; then every path
// goes through what random play does with it: the playable test, the MP3
// test, and a few draws.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/PathRoot.h"
#include "app/RandomPick.h"
#include "app/SongPath.h"
#include "library/IndexFile.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

// Inputs run to about 40 records (max_len in scripts/fuzz.sh): both sides
// of the limit are reached.
const std::size_t kMaxRecords = 32;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = plk::writeFuzzInput(data, size, ".dat");
    if (path.empty()) return 0;

    plk::TLibrary library;
    try {
        plk::loadIndex(path, library, kMaxRecords);
    } catch (const plk::IndexTooLarge&) {
        if (size / sizeof(plk::TLibraryRecord) <= kMaxRecords) std::abort();
        return 0;
    }
    if (library.size() != size / sizeof(plk::TLibraryRecord)) std::abort();
    for (const plk::TLibraryRecord& record : library) {
        const std::string song = record.path();
        if (song.size() > std::size_t(plk::TLibraryRecord::kMaxPath)) std::abort();
        plk::isPlayablePath(song);
        plk::isMp3Path(song);
        plk::pathRoot(song);
    }
    if (!library.empty()) {
        std::uint32_t seed = static_cast<std::uint32_t>(size);
        plk::pickExistingSong(library, [&] { return seed += 2654435761u; },
                              [](const std::string& song) {
                                  if (song.empty() || song.back() == '1') return plk::FileCheck::kUnreachable;
                                  return song.back() == '3' ? plk::FileCheck::kExists : plk::FileCheck::kMissing;
                              },
                              8);
    }
    return 0;
}
