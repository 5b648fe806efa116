// libFuzzer target: the input is an ASF file, its Header Object walked for
// the Content Description Object.
#include "tags/asf/AsfTags.h"
#include "tests/fuzz/FuzzContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return plk::fuzzContainer(data, size, ".wma", plk::readAsfTags);
}
