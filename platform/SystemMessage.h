// The text Windows gives for an error code: what the error box shows when a
// system call fails.
#pragma once

#include <string>

namespace plk {

// The system's text for a Win32 error code, without the trailing line break,
// e.g. "Access is denied." for 5.
std::string systemMessage(unsigned long errorCode);

}  // namespace plk
