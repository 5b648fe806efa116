// The fuzz targets read files, as the program does: each input is written to
// a file of this process's own, in PLK_FUZZ_TMP (a memory-backed folder where
// there is one) or /tmp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plk {

// Writes the input to this process's file with the given extension and
// returns its path; empty when it cannot be written.
std::string writeFuzzInput(const std::uint8_t* data, std::size_t size, const char* extension);

}  // namespace plk
