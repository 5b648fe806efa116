// libFuzzer target: the input is a file whose tag is loaded at offset 0, then
// the text of every frame ID present is asked for, as the popup would.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"

namespace {

std::string inputPath() {
    const char* folder = std::getenv("PLK_FUZZ_TMP");
    return std::string(folder ? folder : "/tmp") + "/plk-fuzz-" + std::to_string(::getpid()) + ".mp3";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = inputPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    plk::Tid3v2tag tag;
    const std::uint16_t code = tag.LoadFromFile(path, 0);
    if (plk::isUsableLoad(code)) {
        const plk::TFrameIndex& frames = tag.frameIndex();
        for (std::uint32_t n = 1; n <= frames.count(); ++n) {
            std::string text;
            tag.GetTextFrame(frames.frameId(n), text);
            // Ask twice: the second request sees the frame already decoded.
            tag.GetTextFrame(frames.frameId(n), text);
        }
    }
    return 0;
}
