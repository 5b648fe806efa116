#include "tags/FrameIndex.h"

#include <new>

#include "tags/FrameHeader.h"
#include "tags/FrameInflate.h"
#include "tags/SynchData.h"
#include "tags/TagCodes.h"

namespace plk {

namespace {

// A-Z and 0-9 (id3v2.3.0 §3.3, id3v2.4.0-structure §4).
bool isFrameIdCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char upperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::uint32_t TFrameIndex::AddFrame(const std::string& id) {
    if (id.size() != 4) return 0;
    TFrameRecord record;
    for (const char c : id) {
        const char upper = upperCase(c);
        if (!isFrameIdCharacter(upper)) return 0;
        record.frameId += upper;
    }
    records_.push_back(std::move(record));
    return count();
}

std::uint32_t TFrameIndex::find(const std::string& id) const {
    for (std::uint32_t k = 0; k < records_.size(); ++k)
        if (records_[k].frameId == id) return k + 1;
    return 0;
}

const TFrameRecord& TFrameIndex::record(std::uint32_t number) const {
    if (number == 0 || number > records_.size()) throw FrameRangeError();
    return records_[number - 1];
}

TFrameRecord& TFrameIndex::writable(std::uint32_t number) {
    return const_cast<TFrameRecord&>(static_cast<const TFrameIndex&>(*this).record(number));
}

void TFrameIndex::setStatusFlags(std::uint32_t number, std::uint8_t flags) {
    TFrameRecord& record = writable(number);
    record.statusFlags = flags;
    record.modified = true;
}

void TFrameIndex::setFormatFlags(std::uint32_t number, std::uint8_t flags) {
    TFrameRecord& record = writable(number);
    record.formatFlags = flags;
    record.modified = true;
}

void TFrameIndex::setFlagsAsRead(std::uint32_t number, std::uint8_t statusFlags, std::uint8_t formatFlags) {
    TFrameRecord& record = writable(number);
    record.statusFlagsAsRead = statusFlags;
    record.formatFlagsAsRead = formatFlags;
}

void TFrameIndex::setData(std::uint32_t number, std::vector<std::uint8_t> data) {
    TFrameRecord& record = writable(number);
    record.data = std::move(data);
    record.bodySize = static_cast<std::uint32_t>(record.data.size());
    record.bodyKept = true;
    record.modified = true;
}

void TFrameIndex::setBodyNotKept(std::uint32_t number, std::uint32_t size) {
    TFrameRecord& record = writable(number);
    record.data.clear();
    record.bodySize = size;
    record.bodyKept = false;
    record.modified = true;
}

int TFrameIndex::RemoveUnsynchronisation(std::uint32_t number) {
    TFrameRecord& record = writable(number);
    if (!(record.formatFlags & FormatFlag::kUnsynchronisation)) return FrameStep::kNotMarked;
    try {
        removeFrameUnsynchronisation(record.data);
        record.data.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        return FrameStep::kFailed;
    }
    record.formatFlags &= static_cast<std::uint8_t>(~FormatFlag::kUnsynchronisation);
    record.modified = true;
    return FrameStep::kDone;
}

int TFrameIndex::Decompress(std::uint32_t number) {
    TFrameRecord& record = writable(number);
    const std::uint8_t flags = record.formatFlags;
    if (!(flags & FormatFlag::kCompression) || (flags & (FormatFlag::kEncryption | FormatFlag::kUnsynchronisation))) {
        if (flags & FormatFlag::kUnsynchronisation) return FrameStep::kStillUnsynchronised;
        if (flags & FormatFlag::kEncryption) return FrameStep::kEncrypted;
        return FrameStep::kNotMarked;
    }

    std::vector<std::uint8_t> inflated;
    if (!inflateFrame(record.data, record.dataLength, inflated)) return FrameStep::kFailed;
    const int result = inflated.size() == record.dataLength ? FrameStep::kDone : FrameStep::kLengthDiffers;
    record.data = std::move(inflated);
    record.dataLength = 0;
    record.formatFlags &= static_cast<std::uint8_t>(~FormatFlag::kCompression);
    record.modified = true;
    return result;
}

}  // namespace plk
