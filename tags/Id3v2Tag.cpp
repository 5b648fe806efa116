#include "tags/Id3v2Tag.h"

#include "tags/ExtendedHeader.h"
#include "tags/FrameHeader.h"
#include "tags/TagCodes.h"
#include "tags/TagHeader.h"
#include "tags/TagLoader.h"
#include "tags/TextDecoder.h"

namespace plk {

std::uint16_t Tid3v2tag::LoadFromFile(const std::string& fileName, std::uint64_t tagOffset) {
    TagLoader loader(*this);
    return loader.Load(fileName, static_cast<std::uint32_t>(tagOffset));
}

std::uint8_t Tid3v2tag::GetTextFrame(const std::string& frameId, std::string& text) {
    text.clear();
    // Only plain text frames: TXXX carries a description before its value.
    if (frameId.size() != 4 || frameId[0] != 'T' || frameId == "TXXX") return TextCode::NotServed;
    const std::uint32_t number = frameIndex_.Find(frameId);
    if (number == 0) return TextCode::NoSuchFrame;

    const std::uint8_t asRead = frameIndex_.FormatFlagsAsRead(number);
    if (asRead & FormatFlag::Unsynchronisation) frameIndex_.RemoveUnsynchronisation(number);
    if (asRead & FormatFlag::Encryption) return TextCode::Encrypted;
    // A frame that will not inflate is decoded as it stands; its text code
    // will usually say what became of it.
    if (asRead & FormatFlag::Compression) frameIndex_.Decompress(number);

    const std::vector<std::uint8_t>& data = frameIndex_.Data(number);
    if (data.empty()) return TextCode::Empty;
    return DecodeText(data.data() + 1, data.size() - 1, data[0], text);
}

void Tid3v2tag::SetFlag(std::uint8_t& flags, std::uint8_t bit, bool on) {
    flags = static_cast<std::uint8_t>(on ? flags | bit : flags & ~bit);
    modified_ = true;
}

bool Tid3v2tag::Unsynchronisation() const { return headerFlags_ & HeaderFlag::Unsynchronisation; }
void Tid3v2tag::SetUnsynchronisation(bool on) { SetFlag(headerFlags_, HeaderFlag::Unsynchronisation, on); }
bool Tid3v2tag::ExtendedHeaderPresent() const { return headerFlags_ & HeaderFlag::ExtendedHeader; }
void Tid3v2tag::SetExtendedHeaderPresent(bool on) { SetFlag(headerFlags_, HeaderFlag::ExtendedHeader, on); }
bool Tid3v2tag::Experimental() const { return headerFlags_ & HeaderFlag::Experimental; }
void Tid3v2tag::SetExperimental(bool on) { SetFlag(headerFlags_, HeaderFlag::Experimental, on); }
bool Tid3v2tag::FooterPresent() const { return headerFlags_ & HeaderFlag::Footer; }
void Tid3v2tag::SetFooterPresent(bool on) { SetFlag(headerFlags_, HeaderFlag::Footer, on); }
bool Tid3v2tag::TagIsUpdate() const { return extendedFlags_ & ExtendedFlag::Update; }
void Tid3v2tag::SetTagIsUpdate(bool on) { SetFlag(extendedFlags_, ExtendedFlag::Update, on); }
bool Tid3v2tag::CrcPresent() const { return extendedFlags_ & ExtendedFlag::Crc; }
void Tid3v2tag::SetCrcPresent(bool on) { SetFlag(extendedFlags_, ExtendedFlag::Crc, on); }
bool Tid3v2tag::RestrictionsPresent() const { return extendedFlags_ & ExtendedFlag::Restrictions; }
void Tid3v2tag::SetRestrictionsPresent(bool on) { SetFlag(extendedFlags_, ExtendedFlag::Restrictions, on); }

}  // namespace plk
