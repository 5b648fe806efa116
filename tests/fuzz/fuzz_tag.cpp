// libFuzzer target: the input is a file whose tag is loaded at offset 0, then
// the text of every frame ID present is asked for, as the popup would.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = plk::writeFuzzInput(data, size, ".mp3");
    if (path.empty()) return 0;

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
