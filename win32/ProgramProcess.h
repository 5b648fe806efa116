// What the program's process asks of Windows for its whole run, before its
// first window: no system boxes for drives without their medium, DLLs from
// the system folder only, and the GUI thread in a COM apartment.
#pragma once

#include <optional>

#include "win32/ComApartment.h"

namespace plk {

class ProgramProcess {
public:
    ProgramProcess();

private:
    std::optional<ComApartment> apartment_;
};

}  // namespace plk
