// The read-ahead buffer a tag body is parsed through: four 16 KiB segments
// forming one 64 KiB circular buffer, so a tag of any size is read with
// bounded memory. For a version 3 tag with the unsynchronisation flag the
// inserted zeros are taken out inside the buffer as it is filled: version 3
// unsynchronises the whole tag after its header (id3v2.3.0 §5).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/File.h"

namespace plk {

class TagReadBuffer {
public:
    static constexpr std::uint32_t kSegmentSize = 16384;
    static constexpr std::uint32_t kSegmentCount = 4;
    static constexpr std::uint32_t kCapacity = kSegmentSize * kSegmentCount;

    // file stands right after the tag header; the whole body lies within the
    // file. progress receives the per cent of the tag read from the file.
    TagReadBuffer(File& file, std::uint32_t tagOffset, std::uint32_t tagSize, bool unsynchronised,
                  std::uint8_t& progress);

    // Appends the next n bytes of the tag body to destination. Throws
    // TagParseFailure(0xFE) when the body ends first.
    void ReadTagBytes(std::vector<std::uint8_t>& destination, std::uint32_t n);
    // Consumes the next n bytes of the tag body as ReadTagBytes does, keeping
    // none of them.
    void skipTagBytes(std::uint32_t n);

    // Makes sure n bytes are buffered when the body holds that many, so that
    // remaining() is exact for them even after unsynchronisation shrank them.
    void prefetch(std::uint32_t n);

    // Bytes of the body not yet consumed: those buffered plus those still in
    // the file (before any unsynchronisation is taken out of them).
    std::uint32_t remaining() const { return static_cast<std::uint32_t>(tagEnd_ - filePosition_) + buffered_; }
    // Where the next unconsumed byte lies, counted from the tag header's first byte.
    std::uint32_t consumedPosition() const {
        return static_cast<std::uint32_t>(filePosition_ - buffered_ - tagOffset_);
    }

private:
    std::uint8_t& byteAt(std::uint32_t fromReadPosition);
    void load(std::uint32_t count);
    void refill();
    // Each appends to destination, or keeps nothing when it is null.
    void take(std::vector<std::uint8_t>* destination, std::uint32_t n);
    bool takePastBuffer(std::vector<std::uint8_t>* destination, std::uint32_t& n);
    void takeBuffered(std::vector<std::uint8_t>* destination, std::uint32_t count);
    void undoUnsynchronisation(std::uint32_t first);
    void updateProgress();

    // A segment's memory, uninitialised: every byte is written from the file
    // before it is read.
    struct SegmentFree {
        void operator()(std::uint8_t* bytes) const { std::allocator<std::uint8_t>().deallocate(bytes, kSegmentSize); }
    };
    using Segment = std::unique_ptr<std::uint8_t[], SegmentFree>;

    File& file_;
    Segment segments_[kSegmentCount];
    std::uint64_t tagOffset_;
    std::uint32_t tagSize_;
    std::uint64_t tagEnd_;
    std::uint64_t filePosition_;
    bool unsynchronised_;
    std::uint8_t& progress_;

    std::uint32_t buffered_ = 0;
    std::uint32_t readPosition_ = 0;  // the write position is readPosition_ + buffered_, wrapped
    bool allLoaded_ = false;
    // The last buffered byte of an unsynchronised tag waits for its successor
    // before it can be judged; this is the stored byte that came before it.
    std::uint8_t beforePending_ = 0;
};

}  // namespace plk
