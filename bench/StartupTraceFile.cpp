// Linked into plinkety_traced.exe, the program built for the start-up
// benchmark: installs a recorder for the program's start-up marks before
// WinMain runs, and writes what it took to startup-trace.txt beside the exe
// when the program ends, one "<performance counter> <step>" line per step
// (its first time).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "system/StartupTrace.h"

namespace plk {
namespace {

struct Mark {
    LONGLONG counter;
    const char* step;
};

class TraceFile {
public:
    TraceFile() {
        marks_.reserve(64);
        setStartupTraceRecorder(&TraceFile::record);
        record("static initialisation");
    }
    ~TraceFile() {
        setStartupTraceRecorder(nullptr);
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string path(exe);
        path = path.substr(0, path.find_last_of('\\') + 1) + "startup-trace.txt";
        if (FILE* file = std::fopen(path.c_str(), "w")) {
            for (const Mark& mark : marks_) std::fprintf(file, "%lld %s\n", mark.counter, mark.step);
            std::fclose(file);
        }
    }

private:
    static void record(const char* step) {
        for (const Mark& mark : marks_)
            if (std::strcmp(mark.step, step) == 0) return;
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        marks_.push_back({counter.QuadPart, step});
    }

    static std::vector<Mark> marks_;
};

std::vector<Mark> TraceFile::marks_;
const TraceFile g_traceFile;

}  // namespace
}  // namespace plk
