// The ID3v2 tag reader: locates and validates the tag at an offset in a file,
// parses tags of versions 2.3 and 2.4 into a frame index, and hands out the
// text of text frames. It only reads; it never writes a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tags/FrameBodies.h"
#include "tags/FrameIndex.h"

namespace plk {

class Tid3v2tag {
public:
    Tid3v2tag() = default;
    ~Tid3v2tag() { frameIndex_.Clear(); }
    Tid3v2tag(const Tid3v2tag&) = delete;
    Tid3v2tag& operator=(const Tid3v2tag&) = delete;

    // Loads the tag at tagOffset (its low 32 bits) and returns the load code
    // (TagCodes.h): above 0x00FF means no usable tag was read. Errors of the
    // file system become codes; anything else (out of memory) passes on.
    // Every frame is listed in the frame index; only the bodies that bodies
    // names are kept (for the texts below, those of the frames asked for).
    std::uint16_t LoadFromFile(const std::string& fileName, std::uint64_t tagOffset,
                               const FrameBodies& bodies = FrameBodies::all());

    // The text of the first frame with this id, decoded to 8-bit Latin-1
    // characters; returns a TextCode. Undoes the frame's unsynchronisation
    // and compression in place on first use. Valid after a usable load. A
    // frame whose body the load did not keep counts as no such frame.
    std::uint8_t GetTextFrame(const std::string& frameId, std::string& text);

    // The same text as UTF-16, characters beyond U+00FF kept; the codes are
    // GetTextFrame's but for 4, which never comes. encoding, when given,
    // receives the frame's encoding byte (TextDecoder.h) once one was read:
    // a caller may treat Latin-1 text as the bytes it really is.
    std::uint8_t GetWideTextFrame(const std::string& frameId, std::u16string& text,
                                  std::uint8_t* encoding = nullptr);

    std::uint8_t majorVersion() const { return majorVersion_; }
    std::uint8_t revision() const { return revision_; }
    std::uint32_t tagSize() const { return tagSize_; }
    std::uint8_t headerFlags() const { return headerFlags_; }
    std::uint8_t extendedFlags() const { return extendedFlags_; }
    std::uint32_t paddingSize() const { return paddingSize_; }
    std::uint32_t extendedHeaderSize() const { return extendedHeaderSize_; }
    std::uint32_t crc() const { return crc_; }
    std::uint8_t restrictions() const { return restrictions_; }
    std::uint16_t lastResult() const { return lastResult_; }
    bool modified() const { return modified_; }
    bool readOnly() const { return readOnly_; }
    const std::string& fileName() const { return fileName_; }
    std::uint32_t tagOffset() const { return tagOffset_; }
    bool loadComplete() const { return loadComplete_; }
    std::uint8_t progress() const { return progress_; }
    const std::string& statusText() const { return statusText_; }
    bool acceptRevisions() const { return acceptRevisions_; }
    void setAcceptRevisions(bool accept) { acceptRevisions_ = accept; }
    TFrameIndex& frameIndex() { return frameIndex_; }
    const TFrameIndex& frameIndex() const { return frameIndex_; }

    // Header flags.
    bool unsynchronisation() const;
    void setUnsynchronisation(bool on);
    bool extendedHeaderPresent() const;
    void setExtendedHeaderPresent(bool on);
    bool experimental() const;
    void setExperimental(bool on);
    bool footerPresent() const;
    void setFooterPresent(bool on);
    // Extended header flags.
    bool tagIsUpdate() const;
    void setTagIsUpdate(bool on);
    bool crcPresent() const;
    void setCrcPresent(bool on);
    bool restrictionsPresent() const;
    void setRestrictionsPresent(bool on);

private:
    friend class TagLoader;

    void setFlag(std::uint8_t& flags, std::uint8_t bit, bool on);
    // Finds a text frame and readies its data for decoding: kOk with data
    // set, or the code that comes instead of a text.
    std::uint8_t prepareTextFrame(const std::string& frameId, const std::vector<std::uint8_t>*& data);

    std::uint8_t majorVersion_ = 3;
    std::uint8_t revision_ = 0;
    std::uint32_t tagSize_ = 0;
    std::uint8_t headerFlags_ = 0;
    std::uint8_t extendedFlags_ = 0;
    std::uint32_t paddingSize_ = 0;
    std::uint32_t extendedHeaderSize_ = 0;
    std::uint32_t crc_ = 0;
    std::uint8_t restrictions_ = 0;
    std::uint16_t lastResult_ = 0;
    bool modified_ = false;
    bool readOnly_ = false;
    std::string fileName_;
    std::uint32_t tagOffset_ = 0;
    bool loadComplete_ = true;
    std::uint8_t progress_ = 0;
    std::string statusText_;
    TFrameIndex frameIndex_;
    bool acceptRevisions_ = true;
};

}  // namespace plk
