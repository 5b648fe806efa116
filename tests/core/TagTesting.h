// Shared by the tag reader's tests: load a built tag from a temporary file.
#pragma once

#include <cstdint>
#include <string>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"
#include "tests/support/TagBuilder.h"

namespace plk::test {

inline std::uint16_t loadBytes(Tid3v2tag& tag, const Bytes& bytes, std::uint64_t offset = 0) {
    TempFile file(bytes);
    return tag.LoadFromFile(file.path(), offset);
}

inline std::string str(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The text of a frame, or the text code that came instead of it.
inline std::string textOf(Tid3v2tag& tag, const std::string& id) {
    std::string text;
    const std::uint8_t code = tag.GetTextFrame(id, text);
    return code == TextCode::kOk ? text : "(text code " + std::to_string(code) + ")";
}

}  // namespace plk::test
