// The ID3v2 tag reader: locates and validates the tag at an offset in a file,
// parses tags of versions 2.3 and 2.4 into a frame index, and hands out the
// text of text frames. It only reads; it never writes a file.
#pragma once

#include <cstdint>
#include <string>

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
    std::uint16_t LoadFromFile(const std::string& fileName, std::uint64_t tagOffset);

    // The text of the first frame with this id, decoded to 8-bit Latin-1
    // characters; returns a TextCode. Undoes the frame's unsynchronisation
    // and compression in place on first use. Valid after a usable load.
    std::uint8_t GetTextFrame(const std::string& frameId, std::string& text);

    std::uint8_t MajorVersion() const { return majorVersion_; }
    std::uint8_t Revision() const { return revision_; }
    std::uint32_t TagSize() const { return tagSize_; }
    std::uint8_t HeaderFlags() const { return headerFlags_; }
    std::uint8_t ExtendedFlags() const { return extendedFlags_; }
    std::uint32_t PaddingSize() const { return paddingSize_; }
    std::uint32_t ExtendedHeaderSize() const { return extendedHeaderSize_; }
    std::uint32_t Crc() const { return crc_; }
    std::uint8_t Restrictions() const { return restrictions_; }
    std::uint16_t LastResult() const { return lastResult_; }
    bool Modified() const { return modified_; }
    bool ReadOnly() const { return readOnly_; }
    const std::string& FileName() const { return fileName_; }
    std::uint32_t TagOffset() const { return tagOffset_; }
    bool LoadComplete() const { return loadComplete_; }
    std::uint8_t Progress() const { return progress_; }
    const std::string& StatusText() const { return statusText_; }
    bool AcceptRevisions() const { return acceptRevisions_; }
    void SetAcceptRevisions(bool accept) { acceptRevisions_ = accept; }
    TFrameIndex& FrameIndex() { return frameIndex_; }
    const TFrameIndex& FrameIndex() const { return frameIndex_; }

    // Header flags.
    bool Unsynchronisation() const;
    void SetUnsynchronisation(bool on);
    bool ExtendedHeaderPresent() const;
    void SetExtendedHeaderPresent(bool on);
    bool Experimental() const;
    void SetExperimental(bool on);
    bool FooterPresent() const;
    void SetFooterPresent(bool on);
    // Extended header flags.
    bool TagIsUpdate() const;
    void SetTagIsUpdate(bool on);
    bool CrcPresent() const;
    void SetCrcPresent(bool on);
    bool RestrictionsPresent() const;
    void SetRestrictionsPresent(bool on);

private:
    friend class TagLoader;

    void SetFlag(std::uint8_t& flags, std::uint8_t bit, bool on);

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
