// The frames of the last tag parsed, each with its header fields and its own
// copy of the body. Records are numbered from 1; frames are stored as read
// and decoded in place the first time their text is wanted.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace plk {

// A frame number of 0 or above the count.
class FrameRangeError : public std::out_of_range {
public:
    FrameRangeError() : std::out_of_range("Array range out of bounds.") {}
};

struct TFrameRecord {
    bool modified = true;
    std::uint32_t frameOffset = 0;   // from the first byte of the tag header
    std::uint32_t headerLength = 0;  // 10 plus the extra bytes
    std::string frameId;             // four characters, upper case
    std::uint8_t statusFlags = 0;    // version 4 layout
    std::uint8_t formatFlags = 0;    // version 4 layout; compression and unsynchronisation clear once undone
    std::uint8_t statusFlagsAsRead = 0;
    std::uint8_t formatFlagsAsRead = 0;
    std::uint32_t dataLength = 0;    // inflated size or data length indicator; 0 when absent
    std::uint8_t encryptionMethod = 0;
    std::uint8_t groupIdentifier = 0;
    std::uint32_t bodySize = 0;      // of the body as stored in the tag, kept or not
    bool bodyKept = true;            // false when the load stepped over it: data is empty
    std::vector<std::uint8_t> data;
};

class TFrameIndex {
public:
    std::uint32_t count() const { return static_cast<std::uint32_t>(records_.size()); }

    // Appends a record for id (upper-cased; four characters from A-Z and
    // 0-9) and returns the new count, or 0 and adds nothing when the id is
    // not valid.
    std::uint32_t AddFrame(const std::string& id);
    void Clear() { records_.clear(); }

    // The number of the first frame with exactly this id, or 0.
    std::uint32_t find(const std::string& id) const;

    // Each returns a FrameStep result (TagCodes.h). Undoing
    // unsynchronisation: kDone, kNotMarked or kFailed.
    int RemoveUnsynchronisation(std::uint32_t number);
    // Inflating: kDone, kLengthDiffers, kFailed, kStillUnsynchronised,
    // kEncrypted or kNotMarked (not compressed).
    int Decompress(std::uint32_t number);

    // Field accessors. Every one throws FrameRangeError for a bad number.
    const TFrameRecord& record(std::uint32_t number) const;
    bool modified(std::uint32_t number) const { return record(number).modified; }
    std::uint32_t frameOffset(std::uint32_t number) const { return record(number).frameOffset; }
    std::uint32_t headerLength(std::uint32_t number) const { return record(number).headerLength; }
    const std::string& frameId(std::uint32_t number) const { return record(number).frameId; }
    std::uint8_t statusFlags(std::uint32_t number) const { return record(number).statusFlags; }
    std::uint8_t formatFlags(std::uint32_t number) const { return record(number).formatFlags; }
    std::uint8_t statusFlagsAsRead(std::uint32_t number) const { return record(number).statusFlagsAsRead; }
    std::uint8_t formatFlagsAsRead(std::uint32_t number) const { return record(number).formatFlagsAsRead; }
    std::uint32_t dataLength(std::uint32_t number) const { return record(number).dataLength; }
    std::uint8_t encryptionMethod(std::uint32_t number) const { return record(number).encryptionMethod; }
    std::uint8_t groupIdentifier(std::uint32_t number) const { return record(number).groupIdentifier; }
    std::uint32_t dataSize(std::uint32_t number) const {
        return static_cast<std::uint32_t>(record(number).data.size());
    }
    const std::vector<std::uint8_t>& data(std::uint32_t number) const { return record(number).data; }
    std::uint32_t bodySize(std::uint32_t number) const { return record(number).bodySize; }
    bool bodyKept(std::uint32_t number) const { return record(number).bodyKept; }

    // Write accessors for what the parse fills. Flag and data writes mark the
    // record modified.
    void setFrameOffset(std::uint32_t number, std::uint32_t value) { writable(number).frameOffset = value; }
    void setHeaderLength(std::uint32_t number, std::uint32_t value) { writable(number).headerLength = value; }
    void setStatusFlags(std::uint32_t number, std::uint8_t flags);
    void setFormatFlags(std::uint32_t number, std::uint8_t flags);
    void setFlagsAsRead(std::uint32_t number, std::uint8_t statusFlags, std::uint8_t formatFlags);
    void setDataLength(std::uint32_t number, std::uint32_t value) { writable(number).dataLength = value; }
    void setEncryptionMethod(std::uint32_t number, std::uint8_t value) { writable(number).encryptionMethod = value; }
    void setGroupIdentifier(std::uint32_t number, std::uint8_t value) { writable(number).groupIdentifier = value; }
    // The body as read; its size becomes the body size.
    void setData(std::uint32_t number, std::vector<std::uint8_t> data);
    // A body of size bytes that the load stepped over.
    void setBodyNotKept(std::uint32_t number, std::uint32_t size);

private:
    TFrameRecord& writable(std::uint32_t number);

    std::vector<TFrameRecord> records_;
};

}  // namespace plk
