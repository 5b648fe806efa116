#include "tags/FrameIndex.h"

#include <new>

#include "tags/FrameHeader.h"
#include "tags/FrameInflate.h"
#include "tags/SynchData.h"

namespace plk {

namespace {

bool IsFrameIdCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::uint32_t TFrameIndex::AddFrame(const std::string& id) {
    if (id.size() != 4) return 0;
    TFrameRecord record;
    for (const char c : id) {
        const char upper = UpperCase(c);
        if (!IsFrameIdCharacter(upper)) return 0;
        record.frameId += upper;
    }
    records_.push_back(std::move(record));
    return Count();
}

std::uint32_t TFrameIndex::Find(const std::string& id) const {
    for (std::uint32_t k = 0; k < records_.size(); ++k)
        if (records_[k].frameId == id) return k + 1;
    return 0;
}

const TFrameRecord& TFrameIndex::Record(std::uint32_t number) const {
    if (number == 0 || number > records_.size()) throw FrameRangeError();
    return records_[number - 1];
}

TFrameRecord& TFrameIndex::Writable(std::uint32_t number) {
    return const_cast<TFrameRecord&>(static_cast<const TFrameIndex&>(*this).Record(number));
}

void TFrameIndex::SetStatusFlags(std::uint32_t number, std::uint8_t flags) {
    TFrameRecord& record = Writable(number);
    record.statusFlags = flags;
    record.modified = true;
}

void TFrameIndex::SetFormatFlags(std::uint32_t number, std::uint8_t flags) {
    TFrameRecord& record = Writable(number);
    record.formatFlags = flags;
    record.modified = true;
}

void TFrameIndex::SetFlagsAsRead(std::uint32_t number, std::uint8_t statusFlags, std::uint8_t formatFlags) {
    TFrameRecord& record = Writable(number);
    record.statusFlagsAsRead = statusFlags;
    record.formatFlagsAsRead = formatFlags;
}

void TFrameIndex::SetData(std::uint32_t number, std::vector<std::uint8_t> data) {
    TFrameRecord& record = Writable(number);
    record.data = std::move(data);
    record.modified = true;
}

int TFrameIndex::RemoveUnsynchronisation(std::uint32_t number) {
    TFrameRecord& record = Writable(number);
    if (!(record.formatFlags & FormatFlag::Unsynchronisation)) return -1;
    try {
        RemoveFrameUnsynchronisation(record.data);
        record.data.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        return 4;
    }
    record.formatFlags &= static_cast<std::uint8_t>(~FormatFlag::Unsynchronisation);
    record.modified = true;
    return 0;
}

int TFrameIndex::Decompress(std::uint32_t number) {
    TFrameRecord& record = Writable(number);
    const std::uint8_t flags = record.formatFlags;
    if (!(flags & FormatFlag::Compression) || (flags & (FormatFlag::Encryption | FormatFlag::Unsynchronisation))) {
        if (flags & FormatFlag::Unsynchronisation) return 2;
        if (flags & FormatFlag::Encryption) return 1;
        return -1;
    }

    std::vector<std::uint8_t> inflated;
    if (!InflateFrame(record.data, record.dataLength, inflated)) return 4;
    const int result = inflated.size() == record.dataLength ? 0 : -2;
    record.data = std::move(inflated);
    record.dataLength = 0;
    record.formatFlags &= static_cast<std::uint8_t>(~FormatFlag::Compression);
    record.modified = true;
    return result;
}

}  // namespace plk
