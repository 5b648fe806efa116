#include "tags/TagReadBuffer.h"

#include <algorithm>

#include "tags/SynchData.h"
#include "tags/TagCodes.h"
#include "tags/TagErrors.h"
#include "tags/TagHeader.h"

namespace plk {

TagReadBuffer::TagReadBuffer(File& file, std::uint32_t tagOffset, std::uint32_t tagSize, bool unsynchronised,
                             std::uint8_t& progress)
    : file_(file),
      tagOffset_(tagOffset),
      tagSize_(tagSize),
      tagEnd_(std::uint64_t{tagOffset} + TagHeader::Size + tagSize),
      filePosition_(std::uint64_t{tagOffset} + TagHeader::Size),
      unsynchronised_(unsynchronised),
      progress_(progress) {
    // A small tag needs only the segments its body fills.
    const std::uint32_t needed = std::min<std::uint32_t>(SegmentCount, (tagSize + SegmentSize - 1) / SegmentSize);
    for (std::uint32_t k = 0; k < needed; ++k) segments_[k] = Segment(std::allocator<std::uint8_t>().allocate(SegmentSize));
    // A body smaller than the buffer is read whole, in one pass. One of
    // exactly the buffer's size takes the streaming road: its first refill
    // finds nothing left and only then marks it all loaded.
    Load(std::min(tagSize, Capacity));
    allLoaded_ = tagSize < Capacity;
    if (unsynchronised_) UndoUnsynchronisation(0);
    UpdateProgress();
}

std::uint8_t& TagReadBuffer::At(std::uint32_t fromReadPosition) {
    const std::uint32_t at = (readPosition_ + fromReadPosition) % Capacity;
    return segments_[at / SegmentSize][at % SegmentSize];
}

void TagReadBuffer::UpdateProgress() {
    const std::uint64_t whole = std::uint64_t{tagSize_} + TagHeader::Size;
    const std::uint64_t read = filePosition_ - tagOffset_;
    progress_ = static_cast<std::uint8_t>((read * 200 + whole) / (whole * 2));
}

// Appends count bytes from the file at the write position, one segment's
// stretch at a time.
void TagReadBuffer::Load(std::uint32_t count) {
    while (count > 0) {
        const std::uint32_t at = (readPosition_ + buffered_) % Capacity;
        const std::uint32_t piece = std::min(count, SegmentSize - at % SegmentSize);
        if (file_.read(segments_[at / SegmentSize].get() + at % SegmentSize, piece) != piece) throw TagReadError();
        filePosition_ += piece;
        buffered_ += piece;
        count -= piece;
        UpdateProgress();
    }
}

void TagReadBuffer::Refill() {
    const std::uint32_t bufferedBefore = buffered_;
    const std::uint64_t leftInFile = tagEnd_ - filePosition_;
    Load(static_cast<std::uint32_t>(std::min<std::uint64_t>(Capacity - buffered_, leftInFile)));
    if (filePosition_ == tagEnd_) allLoaded_ = true;
    // Resume at the byte the last pass left unjudged; reads always leave it
    // buffered while more of the tag is to come.
    if (unsynchronised_) UndoUnsynchronisation(bufferedBefore > 0 ? bufferedBefore - 1 : 0);
}

// Takes the inserted zeros out of the buffered bytes from `first` (counted
// from the read position) to the end, compacting them in place. The last
// byte is left for the next pass, which sees its successor; the stored byte
// before it is remembered, because once compacted the buffer no longer shows
// whether that was a removed zero. So the passes together give exactly the
// rule applied once to the whole body, across refills and the buffer's wrap.
void TagReadBuffer::UndoUnsynchronisation(std::uint32_t first) {
    if (buffered_ <= first) return;
    std::uint32_t kept = first;
    std::uint8_t before = beforePending_;
    for (std::uint32_t k = first; k + 1 < buffered_; ++k) {
        const std::uint8_t byte = At(k);
        const bool inserted = IsInsertedZero(before, byte, At(k + 1));
        before = byte;
        if (!inserted) At(kept++) = byte;
    }
    At(kept++) = At(buffered_ - 1);
    beforePending_ = before;
    buffered_ = kept;
}

void TagReadBuffer::Prefetch(std::uint32_t n) {
    if (!allLoaded_ && buffered_ < n + 2) Refill();
}

// A large body (a picture) need not pass through the buffer once the
// buffer has handed over what it holds: it goes from the file straight into
// its frame, in one read, sparing a copy and a read per segment. Only where
// no inserted zeros have to be taken out on the way.
bool TagReadBuffer::ReadPastBuffer(std::vector<std::uint8_t>& destination, std::uint32_t& n) {
    if (unsynchronised_ || allLoaded_ || n < buffered_ + Capacity) return false;
    while (buffered_ > 0) {
        const std::uint32_t chunk = std::min(buffered_, SegmentSize - readPosition_ % SegmentSize);
        const std::uint8_t* from = &At(0);
        destination.insert(destination.end(), from, from + chunk);
        n -= chunk;
        buffered_ -= chunk;
        readPosition_ = (readPosition_ + chunk) % Capacity;
    }
    if (n > tagEnd_ - filePosition_) throw TagParseFailure(LoadFailure::Corrupt);
    const std::size_t at = destination.size();
    destination.resize(at + n);
    if (file_.read(destination.data() + at, n) != n) throw TagReadError();
    filePosition_ += n;
    n = 0;
    if (filePosition_ == tagEnd_) allLoaded_ = true;
    UpdateProgress();
    return true;
}

void TagReadBuffer::ReadTagBytes(std::vector<std::uint8_t>& destination, std::uint32_t n) {
    if (ReadPastBuffer(destination, n)) return;
    while (n > 0) {
        // One copy never crosses the end of a segment.
        const std::uint32_t chunk = std::min(n, SegmentSize - readPosition_ % SegmentSize);
        // Keep two bytes back while more is to come: the last one may still
        // lose an inserted zero once its successor is loaded.
        if (!allLoaded_ && chunk + 2 > buffered_) Refill();
        if (chunk > buffered_) throw TagParseFailure(LoadFailure::Corrupt);
        const std::uint8_t* from = &At(0);
        destination.insert(destination.end(), from, from + chunk);
        n -= chunk;
        buffered_ -= chunk;
        readPosition_ = (readPosition_ + chunk) % Capacity;
    }
}

}  // namespace plk
