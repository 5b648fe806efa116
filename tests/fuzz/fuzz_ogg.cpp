// libFuzzer target: the input is an Ogg file, its pages framed and its
// header packets joined up for the Vorbis, Opus or FLAC comments.
#include "tags/ogg/OggTags.h"
#include "tests/fuzz/FuzzContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return plk::fuzzContainer(data, size, ".ogg", plk::readOggTags);
}
