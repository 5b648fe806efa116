// A Win32 call that failed, raised as the error the program shows.
#pragma once

namespace plk {

// Throws std::runtime_error with the system's text for the calling thread's
// last error code.
[[noreturn]] void throwLastError();

}  // namespace plk
