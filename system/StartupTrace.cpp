#include "system/StartupTrace.h"

namespace plk {
namespace {

StartupTraceRecorder g_recorder = nullptr;

}  // namespace

void setStartupTraceRecorder(StartupTraceRecorder recorder) { g_recorder = recorder; }

void traceStartup(const char* step) {
    if (g_recorder) g_recorder(step);
}

}  // namespace plk
