// libFuzzer target: the input is a native FLAC stream, its metadata blocks
// walked for the Vorbis comment.
#include "tags/flac/FlacTags.h"
#include "tests/fuzz/FuzzContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return plk::fuzzContainer(data, size, ".flac",
                              [](plk::MetadataFile& file, plk::SongTags& tags) { plk::readFlacTags(file, 0, tags); });
}
