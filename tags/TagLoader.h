// The working state of one LoadFromFile: the open file, the work buffer for
// headers, the tag read buffer, and the code being built. It lives for one
// load only, so everything it holds is released when the load ends, however
// it ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/File.h"
#include "tags/FrameBodies.h"
#include "tags/TagReadBuffer.h"

namespace plk {

class Tid3v2tag;
struct TagHeader;

class TagLoader {
public:
    TagLoader(Tid3v2tag& tag, const FrameBodies& bodies) : tag_(tag), bodies_(bodies) {}
    TagLoader(const TagLoader&) = delete;
    TagLoader& operator=(const TagLoader&) = delete;

    std::uint16_t load(const std::string& fileName, std::uint32_t tagOffset);

private:
    void readTag();
    void parse(const TagHeader& header);
    void readExtendedHeaderVersion3();
    void readExtendedHeaderVersion4();
    void readFrames();
    // False once the frames are done (padding, or the end of the body).
    bool readFrame();
    void notePadding(std::uint32_t paddingFound);

    // The next n bytes of the tag body, in the emptied work buffer.
    const std::vector<std::uint8_t>& readWork(std::uint32_t n);
    void fail(std::uint8_t failure);
    void warn(std::uint16_t warning) { code_ |= warning; }

    Tid3v2tag& tag_;
    const FrameBodies& bodies_;
    File file_;
    std::vector<std::uint8_t> work_;
    std::unique_ptr<TagReadBuffer> buffer_;
    std::int64_t fileSize_ = 0;  // taken once: a tag is read from the file as it was when opened
    std::uint32_t tagOffset_ = 0;
    std::uint16_t code_ = 0;
};

// Where the frames end and the padding begins: bytes that are all zero (also
// none at all; id3v2.3.0 §3, id3v2.4.0-structure §3.3), or that begin with
// "MP3e", which some encoders left there.
bool IsPadding(const std::vector<std::uint8_t>& bytes);

}  // namespace plk
