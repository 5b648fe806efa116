#include "tags/TagLoader.h"

#include <algorithm>

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
constexpr std::uint64_t Version3FrameEnd = 0x10000000;

// Attribute bits that make Windows treat a file as not for ordinary writing.
constexpr long ReadOnlyHiddenSystem = 0x07;

}  // namespace

bool IsPadding(const std::vector<std::uint8_t>& bytes) {
    static const char marker[] = "MP3e";
    if (bytes.size() >= 4 && std::equal(marker, marker + 4, bytes.begin())) return true;
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

std::uint16_t TagLoader::Load(const std::string& fileName, std::uint32_t tagOffset) {
    tagOffset_ = tagOffset;
    code_ = 0;
    try {
        if (!FileExists(fileName)) {
            Fail(LoadFailure::FileNotFound);
            return code_;
        }
        const long attributes = FileAttributes(fileName);
        tag_.readOnly_ = attributes >= 0 && (attributes & ReadOnlyHiddenSystem) != 0;
        file_ = File(fileName, File::Access::Read);
        fileSize_ = file_.size();
        if (fileSize_ <= tagOffset_) {
            Fail(LoadFailure::OffsetBeyondFile);
        } else {
            file_.seek(tagOffset_);
            tag_.fileName_ = fileName;
            ReadTag();
        }
    } catch (const FileError& error) {
        Fail(error.kind() == FileError::Kind::Open ? LoadFailure::FileNotFound : LoadFailure::InputOutputError);
    } catch (const TagReadError&) {
        Fail(LoadFailure::ReadError);
    }
    return code_;
}

void TagLoader::ReadTag() {
    tag_.loadComplete_ = false;
    tag_.progress_ = 0;
    tag_.statusText_ = "Loading tag";

    std::uint8_t bytes[TagHeader::Size];
    TagHeader header;
    if (fileSize_ - tagOffset_ < TagHeader::Size) {
        Fail(LoadFailure::NoTagHeader);
        return;
    }
    if (file_.read(bytes, sizeof bytes) != sizeof bytes) throw TagReadError();
    if (!TagHeader::Parse(bytes, header)) {
        Fail(LoadFailure::NoTagHeader);
        return;
    }
    tag_.majorVersion_ = header.majorVersion;
    tag_.revision_ = header.revision;
    tag_.tagOffset_ = tagOffset_;

    const bool parsed = header.majorVersion == 3 || header.majorVersion == 4;
    if (!parsed || (header.revision != 0 && !tag_.acceptRevisions_)) {
        Fail(LoadFailure::UnsupportedVersion);
        return;
    }
    if (header.revision != 0) Warn(LoadWarning::RevisionNotZero);
    try {
        Parse(header);
    } catch (const TagParseFailure& failure) {
        Fail(failure.failure());
    }
    tag_.lastResult_ = code_;
    tag_.loadComplete_ = true;
    tag_.progress_ = 100;
    tag_.statusText_ = "Load Complete";
}

void TagLoader::Parse(const TagHeader& header) {
    tag_.headerFlags_ = header.flags & header.DefinedFlags();
    if (header.HasUnknownFlags()) Warn(LoadWarning::UnknownHeaderFlags);
    tag_.tagSize_ = header.tagSize;
    const std::uint64_t tagEnd = std::uint64_t{tagOffset_} + TagHeader::Size + header.tagSize;
    if (static_cast<std::uint64_t>(fileSize_) < tagEnd) throw TagParseFailure(LoadFailure::FileTooShort);

    tag_.frameIndex_.Clear();
    // Whole-tag unsynchronisation is a version 3 matter; version 4 marks it
    // on each frame.
    const bool unsynchronised = header.majorVersion == 3 && (header.flags & HeaderFlag::Unsynchronisation);
    buffer_ = std::make_unique<TagReadBuffer>(file_, tagOffset_, header.tagSize, unsynchronised, tag_.progress_);

    if (header.majorVersion == 3)
        ReadExtendedHeaderVersion3();
    else
        ReadExtendedHeaderVersion4();
    ReadFrames();
}

void TagLoader::ReadExtendedHeaderVersion3() {
    tag_.modified_ = false;
    tag_.restrictions_ = 0;
    tag_.crc_ = 0;
    // Update and restrictions do not exist in version 3: an earlier version 4
    // load must not leave them set.
    tag_.extendedFlags_ = 0;
    buffer_->Prefetch(ExtendedHeader::Version3Size + ExtendedHeader::Version3CrcSize);
    if (!(tag_.headerFlags_ & HeaderFlag::ExtendedHeader) || buffer_->Remaining() <= ExtendedHeader::Version3Size) {
        tag_.extendedHeaderSize_ = 0;
        tag_.paddingSize_ = 0;
        return;
    }
    std::uint8_t bytes[ExtendedHeader::Version3Size];
    std::copy_n(ReadWork(ExtendedHeader::Version3Size).begin(), sizeof bytes, bytes);
    ExtendedHeader extended = ExtendedHeader::ParseVersion3(bytes);
    if (extended.unknownFlags) Warn(LoadWarning::UnknownExtendedFlags);
    if (extended.Version3CrcFollows()) extended.SetVersion3Crc(ReadWork(ExtendedHeader::Version3CrcSize).data());
    tag_.extendedHeaderSize_ = extended.size;
    tag_.extendedFlags_ = extended.flags;
    tag_.paddingSize_ = extended.paddingSize;
    tag_.crc_ = extended.crc;
}

void TagLoader::ReadExtendedHeaderVersion4() {
    tag_.modified_ = false;
    tag_.extendedHeaderSize_ = 0;
    tag_.paddingSize_ = 0;
    tag_.crc_ = 0;
    tag_.restrictions_ = 0;
    tag_.extendedFlags_ = 0;
    if (!(tag_.headerFlags_ & HeaderFlag::ExtendedHeader) ||
        buffer_->Remaining() <= ExtendedHeader::Version4MinimumSize)
        return;

    std::vector<std::uint8_t> whole = ReadWork(4);
    tag_.extendedHeaderSize_ = SynchSafe(whole.data(), 4);
    const std::uint32_t size = tag_.extendedHeaderSize_;
    if (size < ExtendedHeader::Version4MinimumSize || size - 4 > buffer_->Remaining())
        throw TagParseFailure(LoadFailure::Corrupt);
    buffer_->ReadTagBytes(whole, size - 4);

    ExtendedHeader extended;
    if (!ExtendedHeader::ParseVersion4(whole, extended)) throw TagParseFailure(LoadFailure::Corrupt);
    if (extended.unknownFlags) Warn(LoadWarning::UnknownExtendedFlags);
    tag_.extendedFlags_ = extended.flags;
    tag_.crc_ = extended.crc;
    tag_.restrictions_ = extended.restrictions;
}

void TagLoader::ReadFrames() {
    while (buffer_->Remaining() > 0 && ReadFrame()) {
    }
}

void TagLoader::NotePadding(std::uint32_t paddingFound) {
    // Version 3 declares its padding; a mismatch is only worth a warning.
    if (tag_.majorVersion_ == 3 && tag_.paddingSize_ != 0) {
        if (tag_.paddingSize_ != paddingFound) Warn(LoadWarning::PaddingSizeDiffers);
    } else {
        tag_.paddingSize_ = paddingFound;
    }
}

bool TagLoader::ReadFrame() {
    // Loading ahead first makes Remaining() exact near the end of an
    // unsynchronised tag, whose stored bytes outnumber the real ones.
    buffer_->Prefetch(FrameHeader::Size);
    const std::uint32_t headerBytes = std::min(FrameHeader::Size, buffer_->Remaining());
    const std::vector<std::uint8_t>& bytes = ReadWork(headerBytes);
    if (IsPadding(bytes)) {
        NotePadding(headerBytes + buffer_->Remaining());
        return false;
    }
    if (buffer_->Remaining() == 0) {
        // A frame header with nothing after it is tolerated only where
        // padding is declared (or was already found).
        if (tag_.paddingSize_ != 0) return false;
        throw TagParseFailure(LoadFailure::Corrupt);
    }

    std::uint8_t raw[FrameHeader::Size];
    std::copy_n(bytes.begin(), sizeof raw, raw);
    const std::uint8_t version = tag_.majorVersion_;
    const FrameHeader header = FrameHeader::Parse(raw, version);
    TFrameIndex& index = tag_.frameIndex_;
    const std::uint32_t number = index.AddFrame(header.id);
    if (number == 0) throw TagParseFailure(LoadFailure::BadFrameId);

    if (header.frameSize > buffer_->Remaining()) throw TagParseFailure(LoadFailure::Corrupt);
    if (version == 3 && buffer_->ConsumedPosition() + std::uint64_t{header.frameSize} > Version3FrameEnd)
        throw TagParseFailure(LoadFailure::Corrupt);

    const std::uint32_t frameOffset = buffer_->ConsumedPosition() - FrameHeader::Size;
    index.SetFrameOffset(number, frameOffset);
    index.SetStatusFlags(number, header.statusFlags);
    index.SetFormatFlags(number, header.formatFlags);
    index.SetFlagsAsRead(number, header.statusFlags, header.formatFlags);

    const std::uint32_t extraBytes = header.ExtraByteCount();
    if (extraBytes > header.frameSize) throw TagParseFailure(LoadFailure::Corrupt);
    const FrameExtras extras = header.ParseExtras(ReadWork(extraBytes).data(), version);
    index.SetDataLength(number, extras.dataLength);
    index.SetEncryptionMethod(number, extras.encryptionMethod);
    index.SetGroupIdentifier(number, extras.groupIdentifier);
    index.SetHeaderLength(number, buffer_->ConsumedPosition() - frameOffset);

    std::vector<std::uint8_t> data;
    data.reserve(header.frameSize - extraBytes);
    buffer_->ReadTagBytes(data, header.frameSize - extraBytes);
    index.SetData(number, std::move(data));
    return true;
}

const std::vector<std::uint8_t>& TagLoader::ReadWork(std::uint32_t n) {
    work_.clear();
    buffer_->ReadTagBytes(work_, n);
    return work_;
}

void TagLoader::Fail(std::uint8_t failure) { code_ = WithFailure(code_, failure); }

}  // namespace plk
