// The two ways a load stops early inside the reader. Neither leaves the
// loader: both become a load code.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace plk {

// The parse met something that contradicts the tag; the failure byte says
// what (0x21 bad frame id, 0xFE corrupt).
class TagParseFailure : public std::runtime_error {
public:
    explicit TagParseFailure(std::uint8_t failure)
        : std::runtime_error("ID3v2 tag parse failure"), failure_(failure) {}
    std::uint8_t failure() const { return failure_; }

private:
    std::uint8_t failure_;
};

// The file ended before a read the tag's sizes promised could be satisfied
// (it shrank while being read).
class TagReadError : public std::runtime_error {
public:
    TagReadError() : std::runtime_error("Stream read error") {}
};

}  // namespace plk
