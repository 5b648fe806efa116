#include "tests/fuzz/FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace plk {

std::string writeFuzzInput(const std::uint8_t* data, std::size_t size, const char* extension) {
    const char* folder = std::getenv("PLK_FUZZ_TMP");
    const std::string path =
        std::string(folder ? folder : "/tmp") + "/plk-fuzz-" + std::to_string(::getpid()) + extension;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return std::string();
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written ? path : std::string();
}

}  // namespace plk
