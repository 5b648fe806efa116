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
      tagEnd_(std::uint64_t{tagOffset} + TagHeader::kSize + tagSize),
      filePosition_(std::uint64_t{tagOffset} + TagHeader::kSize),
      unsynchronised_(unsynchronised),
      progress_(progress) {
    // A small tag needs only the segments its body fills.
    const std::uint32_t needed = std::min<std::uint32_t>(kSegmentCount, (tagSize + kSegmentSize - 1) / kSegmentSize);
    for (std::uint32_t k = 0; k < needed; ++k) segments_[k] = Segment(std::allocator<std::uint8_t>().allocate(kSegmentSize));
    // A body smaller than the buffer is read whole, in one pass. One of
    // exactly the buffer's size takes the streaming road: its first refill
    // finds nothing left and only then marks it all loaded.
    load(std::min(tagSize, kCapacity));
    allLoaded_ = tagSize < kCapacity;
    if (unsynchronised_) undoUnsynchronisation(0);
    updateProgress();
}

std::uint8_t& TagReadBuffer::byteAt(std::uint32_t fromReadPosition) {
    const std::uint32_t at = (readPosition_ + fromReadPosition) % kCapacity;
    return segments_[at / kSegmentSize][at % kSegmentSize];
}

void TagReadBuffer::updateProgress() {
    const std::uint64_t whole = std::uint64_t{tagSize_} + TagHeader::kSize;
    const std::uint64_t read = filePosition_ - tagOffset_;
    progress_ = static_cast<std::uint8_t>((read * 200 + whole) / (whole * 2));
}

// Appends count bytes from the file at the write position, one segment's
// stretch at a time.
void TagReadBuffer::load(std::uint32_t count) {
    while (count > 0) {
        const std::uint32_t at = (readPosition_ + buffered_) % kCapacity;
        const std::uint32_t piece = std::min(count, kSegmentSize - at % kSegmentSize);
        if (file_.read(segments_[at / kSegmentSize].get() + at % kSegmentSize, piece) != piece) throw TagReadError();
        filePosition_ += piece;
        buffered_ += piece;
        count -= piece;
        updateProgress();
    }
}

void TagReadBuffer::refill() {
    const std::uint32_t bufferedBefore = buffered_;
    const std::uint64_t leftInFile = tagEnd_ - filePosition_;
    load(static_cast<std::uint32_t>(std::min<std::uint64_t>(kCapacity - buffered_, leftInFile)));
    if (filePosition_ == tagEnd_) allLoaded_ = true;
    // Resume at the byte the last pass left unjudged; reads always leave it
    // buffered while more of the tag is to come.
    if (unsynchronised_) undoUnsynchronisation(bufferedBefore > 0 ? bufferedBefore - 1 : 0);
}

// Takes the inserted zeros out of the buffered bytes from `first` (counted
// from the read position) to the end, compacting them in place. The last
// byte is left for the next pass, which sees its successor; the stored byte
// before it is remembered, because once compacted the buffer no longer shows
// whether that was a removed zero. So the passes together give exactly the
// rule applied once to the whole body, across refills and the buffer's wrap.
void TagReadBuffer::undoUnsynchronisation(std::uint32_t first) {
    if (buffered_ <= first) return;
    std::uint32_t kept = first;
    std::uint8_t before = beforePending_;
    for (std::uint32_t k = first; k + 1 < buffered_; ++k) {
        const std::uint8_t byte = byteAt(k);
        const bool inserted = isInsertedZero(before, byte, byteAt(k + 1));
        before = byte;
        if (!inserted) byteAt(kept++) = byte;
    }
    byteAt(kept++) = byteAt(buffered_ - 1);
    beforePending_ = before;
    buffered_ = kept;
}

void TagReadBuffer::prefetch(std::uint32_t n) {
    if (!allLoaded_ && buffered_ < n + 2) refill();
}

// A large body (a picture) need not pass through the buffer once the
// buffer has handed over what it holds: it goes from the file straight into
// its frame, in one read, sparing a copy and a read per segment, or is
// stepped over with a seek when it is not wanted. Only where no inserted
// zeros have to be taken out on the way.
bool TagReadBuffer::takePastBuffer(std::vector<std::uint8_t>* destination, std::uint32_t& n) {
    if (unsynchronised_ || allLoaded_ || n < buffered_ + kCapacity) return false;
    while (buffered_ > 0) {
        const std::uint32_t chunk = std::min(buffered_, kSegmentSize - readPosition_ % kSegmentSize);
        takeBuffered(destination, chunk);
        n -= chunk;
    }
    if (n > tagEnd_ - filePosition_) throw TagParseFailure(LoadFailure::kCorrupt);
    if (destination) {
        const std::size_t at = destination->size();
        destination->resize(at + n);
        if (file_.read(destination->data() + at, n) != n) throw TagReadError();
    } else {
        file_.seek(static_cast<std::int64_t>(filePosition_ + n));
    }
    filePosition_ += n;
    n = 0;
    if (filePosition_ == tagEnd_) allLoaded_ = true;
    updateProgress();
    return true;
}

void TagReadBuffer::takeBuffered(std::vector<std::uint8_t>* destination, std::uint32_t count) {
    if (destination) {
        const std::uint8_t* from = &byteAt(0);
        destination->insert(destination->end(), from, from + count);
    }
    buffered_ -= count;
    readPosition_ = (readPosition_ + count) % kCapacity;
}

void TagReadBuffer::take(std::vector<std::uint8_t>* destination, std::uint32_t n) {
    if (takePastBuffer(destination, n)) return;
    while (n > 0) {
        // One copy never crosses the end of a segment.
        const std::uint32_t chunk = std::min(n, kSegmentSize - readPosition_ % kSegmentSize);
        // Keep two bytes back while more is to come: the last one may still
        // lose an inserted zero once its successor is loaded.
        if (!allLoaded_ && chunk + 2 > buffered_) refill();
        if (chunk > buffered_) throw TagParseFailure(LoadFailure::kCorrupt);
        takeBuffered(destination, chunk);
        n -= chunk;
    }
}

void TagReadBuffer::ReadTagBytes(std::vector<std::uint8_t>& destination, std::uint32_t n) { take(&destination, n); }

void TagReadBuffer::skipTagBytes(std::uint32_t n) { take(nullptr, n); }

}  // namespace plk
