// Marks on the way from the program's start to its visible button, for the
// start-up benchmark. The program itself records nothing: only a build of
// the entry made for the benchmark installs a recorder, which then takes each
// mark with the performance counter (one clock for every process on the
// machine, so the benchmark can set them against its own CreateProcess).
#pragma once

namespace plk {

using StartupTraceRecorder = void (*)(const char* step);

// Installs recorder (nullptr: none) for the marks that follow.
void setStartupTraceRecorder(StartupTraceRecorder recorder);

// Passes step to the recorder, when there is one; a pointer test otherwise.
void traceStartup(const char* step);

}  // namespace plk
