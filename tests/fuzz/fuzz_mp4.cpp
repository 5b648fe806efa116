// libFuzzer target: the input is an MP4 file, its atom tree walked for the
// iTunes item list.
#include "tags/mp4/Mp4Tags.h"
#include "tests/fuzz/FuzzContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return plk::fuzzContainer(data, size, ".m4a", plk::readMp4Tags);
}
