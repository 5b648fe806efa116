// libFuzzer target: the input is a file whose tag is loaded at offset 0, then
// the text of every frame ID present is asked for, as the popup would, 8-bit
// and wide; where the 8-bit text is whole the wide one must be the same. A
// second load that keeps only the popup's two bodies must list the same
// frames and give the same two texts.
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <string>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = plk::writeFuzzInput(data, size, ".mp3");
    if (path.empty()) return 0;

    plk::Tid3v2tag tag, popup;
    const std::uint16_t code = tag.LoadFromFile(path, 0);
    if (popup.LoadFromFile(path, 0, plk::FrameBodies::only({"TPE1", "TIT2"})) != code) std::abort();
    if (popup.frameIndex().count() != tag.frameIndex().count()) std::abort();
    if (plk::isUsableLoad(code)) {
        for (const char* id : {"TPE1", "TIT2"}) {
            std::string whole, kept;
            if (tag.GetTextFrame(id, whole) != popup.GetTextFrame(id, kept) || whole != kept) std::abort();
        }
        const plk::TFrameIndex& frames = tag.frameIndex();
        for (std::uint32_t n = 1; n <= frames.count(); ++n) {
            std::string text;
            const std::uint8_t textCode = tag.GetTextFrame(frames.frameId(n), text);
            // Ask again: the second request sees the frame already decoded.
            std::u16string wide;
            const std::uint8_t wideCode = tag.GetWideTextFrame(frames.frameId(n), wide);
            if (textCode == plk::TextCode::kBeyondLatin1) continue;
            std::u16string widened;
            for (const char c : text) widened += static_cast<char16_t>(static_cast<unsigned char>(c));
            if (wideCode != textCode || wide != widened) std::abort();
        }
    }
    return 0;
}
