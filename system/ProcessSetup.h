// What the program's process asks of Windows for its whole run, before it
// touches a drive or loads a library: no system boxes for drives without
// their medium, and DLLs from the system folder only.
#pragma once

namespace plk {

class ProcessSetup {
public:
    ProcessSetup();
};

}  // namespace plk
