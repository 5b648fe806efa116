#include "tags/TagLoader.h"

#include <algorithm>

#include "platform/FileAttributes.h"
#include "tags/ExtendedHeader.h"
#include "tags/FrameHeader.h"
#include "tags/Id3v2Tag.h"
#include "tags/SynchData.h"
#include "tags/TagCodes.h"
#include "tags/TagErrors.h"
#include "tags/TagHeader.h"

namespace plk {

namespace {

// Version 3 frames may not reach beyond 256 MiB into the tag, the largest
// size a synchsafe tag header can declare.
constexpr std::uint64_t kVersion3FrameEnd = 0x10000000;

// Attribute bits that make Windows treat a file as not for ordinary writing.
constexpr long kReadOnlyHiddenSystem = FileAttribute::kReadOnly | FileAttribute::kHidden | FileAttribute::kSystem;

}  // namespace

bool IsPadding(const std::vector<std::uint8_t>& bytes) {
    static const char marker[] = "MP3e";
    if (bytes.size() >= 4 && std::equal(marker, marker + 4, bytes.begin())) return true;
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

std::uint16_t TagLoader::load(const std::string& fileName, std::uint32_t tagOffset) {
    tagOffset_ = tagOffset;
    code_ = 0;
    try {
        if (!fileExists(fileName)) {
            fail(LoadFailure::kFileNotFound);
            return code_;
        }
        const long attributes = fileAttributes(fileName);
        tag_.readOnly_ = attributes >= 0 && (attributes & kReadOnlyHiddenSystem) != 0;
        file_ = File(fileName, File::Access::kRead);
        fileSize_ = file_.size();
        if (fileSize_ <= tagOffset_) {
            fail(LoadFailure::kOffsetBeyondFile);
        } else {
            file_.seek(tagOffset_);
            tag_.fileName_ = fileName;
            readTag();
        }
    } catch (const FileError& error) {
        fail(error.kind() == FileError::Kind::kOpen ? LoadFailure::kFileNotFound : LoadFailure::kInputOutputError);
    } catch (const TagReadError&) {
        fail(LoadFailure::kReadError);
    }
    return code_;
}

void TagLoader::readTag() {
    tag_.loadComplete_ = false;
    tag_.progress_ = 0;
    tag_.statusText_ = "Loading tag";

    std::uint8_t bytes[TagHeader::kSize];
    TagHeader header;
    if (fileSize_ - tagOffset_ < TagHeader::kSize) {
        fail(LoadFailure::kNoTagHeader);
        return;
    }
    if (file_.read(bytes, sizeof bytes) != sizeof bytes) throw TagReadError();
    if (!TagHeader::parse(bytes, header)) {
        fail(LoadFailure::kNoTagHeader);
        return;
    }
    tag_.majorVersion_ = header.majorVersion;
    tag_.revision_ = header.revision;
    tag_.tagOffset_ = tagOffset_;

    const bool parsed = header.majorVersion == 3 || header.majorVersion == 4;
    if (!parsed || (header.revision != 0 && !tag_.acceptRevisions_)) {
        fail(LoadFailure::kUnsupportedVersion);
        return;
    }
    if (header.revision != 0) warn(LoadWarning::kRevisionNotZero);
    try {
        parse(header);
    } catch (const TagParseFailure& failure) {
        fail(failure.failure());
    }
    tag_.lastResult_ = code_;
    tag_.loadComplete_ = true;
    tag_.progress_ = 100;
    tag_.statusText_ = "Load Complete";
}

void TagLoader::parse(const TagHeader& header) {
    tag_.headerFlags_ = header.flags & header.definedFlags();
    if (header.hasUnknownFlags()) warn(LoadWarning::kUnknownHeaderFlags);
    tag_.tagSize_ = header.tagSize;
    const std::uint64_t tagEnd = std::uint64_t{tagOffset_} + TagHeader::kSize + header.tagSize;
    if (static_cast<std::uint64_t>(fileSize_) < tagEnd) throw TagParseFailure(LoadFailure::kFileTooShort);

    tag_.frameIndex_.Clear();
    // Whole-tag unsynchronisation is a version 3 matter; version 4 marks it
    // on each frame (id3v2.4.0-structure §4.1.2).
    const bool unsynchronised = header.majorVersion == 3 && (header.flags & HeaderFlag::kUnsynchronisation);
    buffer_ = std::make_unique<TagReadBuffer>(file_, tagOffset_, header.tagSize, unsynchronised, tag_.progress_);

    if (header.majorVersion == 3)
        readExtendedHeaderVersion3();
    else
        readExtendedHeaderVersion4();
    readFrames();
}

void TagLoader::readExtendedHeaderVersion3() {
    tag_.modified_ = false;
    tag_.restrictions_ = 0;
    tag_.crc_ = 0;
    // Update and restrictions do not exist in version 3: an earlier version 4
    // load must not leave them set.
    tag_.extendedFlags_ = 0;
    buffer_->prefetch(ExtendedHeader::kVersion3Size + ExtendedHeader::kVersion3CrcSize);
    if (!(tag_.headerFlags_ & HeaderFlag::kExtendedHeader) || buffer_->remaining() <= ExtendedHeader::kVersion3Size) {
        tag_.extendedHeaderSize_ = 0;
        tag_.paddingSize_ = 0;
        return;
    }
    std::uint8_t bytes[ExtendedHeader::kVersion3Size];
    std::copy_n(readWork(ExtendedHeader::kVersion3Size).begin(), sizeof bytes, bytes);
    ExtendedHeader extended = ExtendedHeader::parseVersion3(bytes);
    if (extended.unknownFlags) warn(LoadWarning::kUnknownExtendedFlags);
    if (extended.version3CrcFollows()) extended.setVersion3Crc(readWork(ExtendedHeader::kVersion3CrcSize).data());
    tag_.extendedHeaderSize_ = extended.size;
    tag_.extendedFlags_ = extended.flags;
    tag_.paddingSize_ = extended.paddingSize;
    tag_.crc_ = extended.crc;
}

void TagLoader::readExtendedHeaderVersion4() {
    tag_.modified_ = false;
    tag_.extendedHeaderSize_ = 0;
    tag_.paddingSize_ = 0;
    tag_.crc_ = 0;
    tag_.restrictions_ = 0;
    tag_.extendedFlags_ = 0;
    if (!(tag_.headerFlags_ & HeaderFlag::kExtendedHeader) ||
        buffer_->remaining() <= ExtendedHeader::kVersion4MinimumSize)
        return;

    std::vector<std::uint8_t> whole = readWork(4);
    tag_.extendedHeaderSize_ = synchSafe(whole.data(), 4);
    const std::uint32_t size = tag_.extendedHeaderSize_;
    if (size < ExtendedHeader::kVersion4MinimumSize || size - 4 > buffer_->remaining())
        throw TagParseFailure(LoadFailure::kCorrupt);
    buffer_->ReadTagBytes(whole, size - 4);

    ExtendedHeader extended;
    if (!ExtendedHeader::parseVersion4(whole, extended)) throw TagParseFailure(LoadFailure::kCorrupt);
    if (extended.unknownFlags) warn(LoadWarning::kUnknownExtendedFlags);
    tag_.extendedFlags_ = extended.flags;
    tag_.crc_ = extended.crc;
    tag_.restrictions_ = extended.restrictions;
}

void TagLoader::readFrames() {
    while (buffer_->remaining() > 0 && readFrame()) {
    }
}

void TagLoader::notePadding(std::uint32_t paddingFound) {
    // Version 3 declares its padding (id3v2.3.0 §3.2); a mismatch is only
    // worth a warning. Version 4 only allows it (id3v2.4.0-structure §3.3).
    if (tag_.majorVersion_ == 3 && tag_.paddingSize_ != 0) {
        if (tag_.paddingSize_ != paddingFound) warn(LoadWarning::kPaddingSizeDiffers);
    } else {
        tag_.paddingSize_ = paddingFound;
    }
}

bool TagLoader::readFrame() {
    // Loading ahead first makes remaining() exact near the end of an
    // unsynchronised tag, whose stored bytes outnumber the real ones.
    buffer_->prefetch(FrameHeader::kSize);
    const std::uint32_t headerBytes = std::min(FrameHeader::kSize, buffer_->remaining());
    const std::vector<std::uint8_t>& bytes = readWork(headerBytes);
    if (IsPadding(bytes)) {
        notePadding(headerBytes + buffer_->remaining());
        return false;
    }
    if (buffer_->remaining() == 0) {
        // A frame header with nothing after it is tolerated only where
        // padding is declared (or was already found).
        if (tag_.paddingSize_ != 0) return false;
        throw TagParseFailure(LoadFailure::kCorrupt);
    }

    std::uint8_t raw[FrameHeader::kSize];
    std::copy_n(bytes.begin(), sizeof raw, raw);
    const std::uint8_t version = tag_.majorVersion_;
    const FrameHeader header = FrameHeader::parse(raw, version);
    TFrameIndex& index = tag_.frameIndex_;
    const std::uint32_t number = index.AddFrame(header.id);
    if (number == 0) throw TagParseFailure(LoadFailure::kBadFrameId);

    if (header.frameSize > buffer_->remaining()) throw TagParseFailure(LoadFailure::kCorrupt);
    if (version == 3 && buffer_->consumedPosition() + std::uint64_t{header.frameSize} > kVersion3FrameEnd)
        throw TagParseFailure(LoadFailure::kCorrupt);

    const std::uint32_t frameOffset = buffer_->consumedPosition() - FrameHeader::kSize;
    index.setFrameOffset(number, frameOffset);
    index.setStatusFlags(number, header.statusFlags);
    index.setFormatFlags(number, header.formatFlags);
    index.setFlagsAsRead(number, header.statusFlags, header.formatFlags);

    const std::uint32_t extraBytes = header.extraByteCount();
    if (extraBytes > header.frameSize) throw TagParseFailure(LoadFailure::kCorrupt);
    const FrameExtras extras = header.parseExtras(readWork(extraBytes).data(), version);
    index.setDataLength(number, extras.dataLength);
    index.setEncryptionMethod(number, extras.encryptionMethod);
    index.setGroupIdentifier(number, extras.groupIdentifier);
    index.setHeaderLength(number, buffer_->consumedPosition() - frameOffset);

    const std::uint32_t bodySize = header.frameSize - extraBytes;
    if (!bodies_.keeps(index.frameId(number))) {
        buffer_->skipTagBytes(bodySize);
        index.setBodyNotKept(number, bodySize);
        return true;
    }
    std::vector<std::uint8_t> data;
    data.reserve(bodySize);
    buffer_->ReadTagBytes(data, bodySize);
    index.setData(number, std::move(data));
    return true;
}

const std::vector<std::uint8_t>& TagLoader::readWork(std::uint32_t n) {
    work_.clear();
    buffer_->ReadTagBytes(work_, n);
    return work_;
}

void TagLoader::fail(std::uint8_t failure) { code_ = withFailure(code_, failure); }

}  // namespace plk
