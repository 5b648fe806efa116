#include "system/LastError.h"

#include <windows.h>

#include <stdexcept>

#include "platform/SystemMessage.h"

namespace plk {

void throwLastError() {
    const DWORD code = GetLastError();
    // No code: a window's own creation handler refused it, and has been
    // reported already.
    throw std::runtime_error(code ? systemMessage(code) : "Unexpected error");
}

}  // namespace plk
