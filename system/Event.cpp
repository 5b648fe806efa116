#include "system/Event.h"

#include "system/LastError.h"

namespace plk {

ManualResetEvent::ManualResetEvent(bool open) : handle_(CreateEventA(nullptr, TRUE, open, nullptr)) {
    if (!handle_) throwLastError();
}

}  // namespace plk
