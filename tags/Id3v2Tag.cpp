#include "tags/Id3v2Tag.h"

#include "tags/ExtendedHeader.h"
#include "tags/FrameHeader.h"
#include "tags/TagCodes.h"
#include "tags/TagHeader.h"
#include "tags/TagLoader.h"
#include "tags/TextDecoder.h"

namespace plk {

std::uint16_t Tid3v2tag::LoadFromFile(const std::string& fileName, std::uint64_t tagOffset,
                                       const FrameBodies& bodies) {
    TagLoader loader(*this, bodies);
    return loader.load(fileName, static_cast<std::uint32_t>(tagOffset));
}

std::uint8_t Tid3v2tag::GetTextFrame(const std::string& frameId, std::string& text) {
    text.clear();
    const std::vector<std::uint8_t>* data = nullptr;
    const std::uint8_t code = prepareTextFrame(frameId, data);
    if (code != TextCode::kOk) return code;
    return DecodeText(data->data() + 1, data->size() - 1, data->front(), text);
}

std::uint8_t Tid3v2tag::GetWideTextFrame(const std::string& frameId, std::u16string& text, std::uint8_t* encoding) {
    text.clear();
    const std::vector<std::uint8_t>* data = nullptr;
    const std::uint8_t code = prepareTextFrame(frameId, data);
    if (code != TextCode::kOk) return code;
    if (encoding) *encoding = data->front();
    return decodeWideText(data->data() + 1, data->size() - 1, data->front(), text);
}

std::uint8_t Tid3v2tag::prepareTextFrame(const std::string& frameId, const std::vector<std::uint8_t>*& data) {
    // Only plain text frames: TXXX carries a description before its value
    // (id3v2.3.0 §4.2.2, id3v2.4.0-frames §4.2.6).
    if (frameId.size() != 4 || frameId[0] != 'T' || frameId == "TXXX") return TextCode::kNotServed;
    const std::uint32_t number = frameIndex_.find(frameId);
    if (number == 0 || !frameIndex_.bodyKept(number)) return TextCode::kNoSuchFrame;

    const std::uint8_t asRead = frameIndex_.formatFlagsAsRead(number);
    if (asRead & FormatFlag::kUnsynchronisation) frameIndex_.RemoveUnsynchronisation(number);
    if (asRead & FormatFlag::kEncryption) return TextCode::kEncrypted;
    // A frame that will not inflate is decoded as it stands; its text code
    // will usually say what became of it.
    if (asRead & FormatFlag::kCompression) frameIndex_.Decompress(number);

    data = &frameIndex_.data(number);
    return data->empty() ? TextCode::kEmpty : TextCode::kOk;
}

void Tid3v2tag::setFlag(std::uint8_t& flags, std::uint8_t bit, bool on) {
    flags = static_cast<std::uint8_t>(on ? flags | bit : flags & ~bit);
    modified_ = true;
}

bool Tid3v2tag::unsynchronisation() const { return headerFlags_ & HeaderFlag::kUnsynchronisation; }
void Tid3v2tag::setUnsynchronisation(bool on) { setFlag(headerFlags_, HeaderFlag::kUnsynchronisation, on); }
bool Tid3v2tag::extendedHeaderPresent() const { return headerFlags_ & HeaderFlag::kExtendedHeader; }
void Tid3v2tag::setExtendedHeaderPresent(bool on) { setFlag(headerFlags_, HeaderFlag::kExtendedHeader, on); }
bool Tid3v2tag::experimental() const { return headerFlags_ & HeaderFlag::kExperimental; }
void Tid3v2tag::setExperimental(bool on) { setFlag(headerFlags_, HeaderFlag::kExperimental, on); }
bool Tid3v2tag::footerPresent() const { return headerFlags_ & HeaderFlag::kFooter; }
void Tid3v2tag::setFooterPresent(bool on) { setFlag(headerFlags_, HeaderFlag::kFooter, on); }
bool Tid3v2tag::tagIsUpdate() const { return extendedFlags_ & ExtendedFlag::kUpdate; }
void Tid3v2tag::setTagIsUpdate(bool on) { setFlag(extendedFlags_, ExtendedFlag::kUpdate, on); }
bool Tid3v2tag::crcPresent() const { return extendedFlags_ & ExtendedFlag::kCrc; }
void Tid3v2tag::setCrcPresent(bool on) { setFlag(extendedFlags_, ExtendedFlag::kCrc, on); }
bool Tid3v2tag::restrictionsPresent() const { return extendedFlags_ & ExtendedFlag::kRestrictions; }
void Tid3v2tag::setRestrictionsPresent(bool on) { setFlag(extendedFlags_, ExtendedFlag::kRestrictions, on); }

}  // namespace plk
