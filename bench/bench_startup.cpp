// Start-up to a visible Play button: the real program against the least
// program that shows such a button (minimal_window.exe), measured in the
// same run.
//
// Both are copied into a scratch folder in the temporary folder, beside a
// settings.ini that leaves the Run key alone and a plkindex.dat of 10,000
// records, as a user's folder holds them. Each start is timed from just
// before CreateProcess to the moment a visible 37 x 37 top-level window of
// the new process exists, looked for every millisecond; the window is then
// closed, the process awaited and half a second left to pass. The two take
// turns, after one unmeasured start each (the first start of a program pays
// for the disk cache).
//
// Then plinkety_traced.exe, the program with a recorder of its start-up
// marks linked in, starts a few times more, and the median time of each mark
// after CreateProcess shows where the time before the button goes.
//
//   bench_startup [starts] [records] [plinkety.exe] [minimal_window.exe]
// The programs default to the build's, found from this benchmark's folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "gui/Application.h"
#include "library/IndexFile.h"
#include "system/Handles.h"
#include "tests/support/FolderTree.h"

namespace plk {
namespace {

const int kButtonSize = 37;
const double kGiveUpSeconds = 60;
const DWORD kCloseWaitMs = 10000;
const DWORD kSettleMs = 500;

struct Program {
    std::string name;
    std::string exe;  // the copy in the scratch folder
    std::vector<double> milliseconds;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM lParam) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
    RECT rect{};
    GetWindowRect(window, &rect);
    if (rect.right - rect.left != kButtonSize || rect.bottom - rect.top != kButtonSize) return TRUE;
    search.found = window;
    return FALSE;
}

// The process's visible 37 x 37 top-level window, if it has one yet.
HWND visibleButtonOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Seconds from the start of the program to its visible button; startedAt,
// when given, receives the clock's reading just before CreateProcess.
double timeOneStart(const Program& program, const std::string& folder, double* startedAt = nullptr) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program.exe + "\"";
    const double start = now();
    if (startedAt) *startedAt = start;
    if (!CreateProcessA(program.exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        throw std::runtime_error("cannot start " + program.exe);
    const KernelHandle process(info.hProcess), thread(info.hThread);
    HWND window = nullptr;
    // Waiting on the process for a millisecond is the poll's pause and
    // notices a program that ends without showing anything.
    while (!(window = visibleButtonOf(info.dwProcessId))) {
        if (WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0)
            throw std::runtime_error(program.name + " ended without showing its button");
        if (now() - start > kGiveUpSeconds) {
            TerminateProcess(process.get(), 1);
            throw std::runtime_error(program.name + " showed no button within a minute");
        }
    }
    const double elapsed = now() - start;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), kCloseWaitMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "%s did not end when closed; ending it\n", program.name.c_str());
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), kCloseWaitMs);
    }
    // Under Wine a process started just as another has ended pays for the
    // system's clean-up after it: some 30 ms more for the minimal window
    // started right after itself. Every start waits the same quiet moment,
    // so that none is timed in the wake of a program that ends quickly.
    Sleep(kSettleMs);
    return elapsed;
}

void writeIndex(const std::string& path, int records) {
    IndexWriter::createEmpty(path);
    IndexWriter writer;
    writer.open(path);
    TLibraryRecord record{};
    for (int k = 0; k < records; ++k) {
        record.setNumber(k + 1);
        record.setPath("C:\\Users\\listener\\Music\\Artist " + std::to_string(k / 120) + "\\Album " +
                       std::to_string(k / 12) + "\\" + std::to_string(k % 12 + 1) + " A Song Title.mp3");
        writer.append(record);
    }
    writer.close();
}

void copyInto(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double counterSeconds(long long counter) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(counter) / double(frequency.QuadPart);
}

// Where the time before the button goes: each start-up mark of the traced
// program as the median of its times after CreateProcess, in the order of
// those times, beside the moment the benchmark saw the button.
void printStartupTrace(const std::string& traced, const std::string& folder, int runs) {
    const Program program{"plinkety_traced.exe", folder + "plinkety_traced.exe", {}};
    copyInto(traced, program.exe);
    const std::string seen = "(the benchmark sees the button)";
    std::map<std::string, std::vector<double>> milliseconds;
    for (int run = 0; run < runs; ++run) {
        double started = 0;
        milliseconds[seen].push_back(timeOneStart(program, folder, &started) * 1000);
        std::ifstream trace(folder + "startup-trace.txt");
        long long counter = 0;
        std::string step;
        while (trace >> counter && std::getline(trace >> std::ws, step))
            milliseconds[step].push_back((counterSeconds(counter) - started) * 1000);
    }
    std::vector<std::pair<double, std::string>> steps;
    for (const auto& [step, times] : milliseconds) steps.emplace_back(median(times), step);
    std::sort(steps.begin(), steps.end());
    std::printf("Start-up trace of plinkety_traced.exe, median of %d starts, ms after CreateProcess:\n", runs);
    for (const auto& [time, step] : steps) std::printf("  %8.1f  %s\n", time, step.c_str());
}

int runBenchmark(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int records = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10000;
    const std::string here = Application::exeFolder();
    const std::string plinkety = argc > 3 ? argv[3] : here + "..\\plinkety.exe";
    const std::string minimal = argc > 4 ? argv[4] : here + "minimal_window.exe";
    const std::string traced = here + "plinkety_traced.exe";

    const std::string folder = test::tempPath("plk-startup-bench\\");
    test::removeFolderTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<Program> programs{{"plinkety.exe", folder + "plinkety.exe", {}},
                                  {"minimal window", folder + "minimal_window.exe", {}}};
    copyInto(plinkety, programs[0].exe);
    copyInto(minimal, programs[1].exe);
    std::ofstream(folder + "settings.ini") << "[General]\r\nautostart=0\r\n";
    writeIndex(folder + "plkindex.dat", records);

    for (const Program& program : programs) timeOneStart(program, folder);
    for (int round = 0; round < starts; ++round) {
        for (Program& program : programs) program.milliseconds.push_back(timeOneStart(program, folder) * 1000);
    }
    printStartupTrace(traced, folder, std::max(5, starts / 2));
    test::removeFolderTree(folder);

    std::printf("Start to a visible 37 x 37 window, %d starts each, taking turns (index of %d records):\n", starts,
                records);
    for (const Program& program : programs)
        std::printf("  %-16s median %8.1f ms, best %8.1f ms\n", program.name.c_str(), median(program.milliseconds),
                    *std::min_element(program.milliseconds.begin(), program.milliseconds.end()));
    const double ratio = median(programs[0].milliseconds) / median(programs[1].milliseconds);
    std::printf("result: start-up plinkety.exe / minimal window, median time = %.2f\n", ratio);
    return 0;
}

}  // namespace
}  // namespace plk

int main(int argc, char** argv) {
    try {
        return plk::runBenchmark(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
}
