#include "win32/Event.h"

#include <stdexcept>

#include "platform/SystemMessage.h"

namespace plk {

ManualResetEvent::ManualResetEvent(bool open) : handle_(CreateEventA(nullptr, TRUE, open, nullptr)) {
    if (!handle_) throw std::runtime_error(systemMessage(GetLastError()));
}

}  // namespace plk
