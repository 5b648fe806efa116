// What a rebuild costs against a bare walk of the same tree and against the
// least the rebuild's design allows, and whether the GUI thread still answers
// while it runs.
//
// A tree of 20,000 files in 2,000 folders is made in the temporary folder.
// Each variant walks it with the same listing calls; the times are the best
// of three runs and are reported as files per second and as a ratio to the
// bare walk measured in this same run:
//   bare walk           listing only, on a worker thread
//   + hand-overs        one blocking GUI-thread step per folder and per file
//   + writes            one unbuffered 260-byte write per file, no hand-over
//   minimum             what the design asks and nothing else: a hand-over
//                       per folder and one per file, the record written
//                       inside the file's, on the GUI thread
//   rebuild dialog      the real dialog: Start to the completion box, hidden
//                       (best of 2) and shown (best of 2: what drawing costs)
// The dialog's two runs are reported against the minimum as well.
// During the shown dialog's run a probe thread sends WM_NULL to a window of
// the GUI thread every 5 ms and times the round trip (as a click on the Play
// button has to wait for the GUI thread); the same probe runs with the GUI
// thread idle.
//
// bench_rebuild --one-folder FOLDER instead rebuilds from one existing folder
// (say of 100,000 files: made outside Wine, whose file creation slows down
// with every file already in the folder) and reports the shown dialog's run
// against the bare walk of that folder, and the GUI thread's answers to a
// sent message and to a posted step throughout the run.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchApplication.h"
#include "bench/BenchClock.h"
#include "gui/Application.h"
#include "gui/Controls.h"
#include "gui/GuiThreadCall.h"
#include "library/FindFileLister.h"
#include "library/FolderWalk.h"
#include "library/IndexFile.h"
#include "library/RebuildDialog.h"
#include "system/Event.h"
#include "system/Notice.h"
#include "system/Thread.h"
#include "tests/support/FolderTree.h"

namespace plk {
namespace {

const int kTopFolders = 40;
const int kSubFolders = 49;  // 40 + 40 × 49 = 2,000 folders
const int kFilesPerFolder = 10;

void makeFiles(const std::string& folder) {
    for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string path = folder + "track " + std::to_string(i) + ".mp3";
        CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
}

int makeTree(const std::string& root) {
    CreateDirectoryA(root.c_str(), nullptr);
    int folders = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const std::string top = root + "Artist " + std::to_string(t) + "\\";
        CreateDirectoryA(top.c_str(), nullptr);
        makeFiles(top);
        ++folders;
        for (int s = 0; s < kSubFolders; ++s) {
            const std::string sub = top + "Album " + std::to_string(s) + "\\";
            CreateDirectoryA(sub.c_str(), nullptr);
            makeFiles(sub);
            ++folders;
        }
    }
    return folders;
}

// Where a variant writes its records, if at all.
enum class Writes { kNone, kOnWorker, kInHandOver };

// A walk on a worker thread with optional per-step costs.
class Variant : public FolderWalk::Events {
public:
    Variant(const GuiThreadCall* handOver, IndexWriter* writer, Writes writes)
        : handOver_(handOver), writer_(writer), writes_(writes) {}
    bool stopRequested() override { return false; }
    bool abandoned() override { return false; }
    void folderEntered(const std::string&) override {
        if (handOver_) handOver_->run([] {});
    }
    void listingFailed(const std::string&, const ListingError&) override {}
    void fileFound(const std::string& path) override {
        ++files;
        record_.setNumber(files);
        record_.setPath(path);
        if (writes_ == Writes::kOnWorker) writer_->append(record_);
        if (!handOver_) return;
        if (writes_ == Writes::kInHandOver) handOver_->run([this] { writer_->append(record_); });
        else handOver_->run([] {});
    }
    int files = 0;

private:
    const GuiThreadCall* handOver_;
    IndexWriter* writer_;
    Writes writes_;
    TLibraryRecord record_{};
};

double timeVariant(const std::string& root, const GuiThreadCall* handOver, Writes writes, const std::string& index,
                   int& files) {
    IndexWriter writer;
    if (writes != Writes::kNone) {
        IndexWriter::createEmpty(index);
        writer.open(index);
    }
    Variant variant(handOver, &writer, writes);
    const double start = now();
    {
        Thread worker([&] {
            FindFileLister lister;
            FolderWalk(lister, variant).searchFolder(root, {"*.mp3", "*.wmv", "*.flac", "*.ogg"});
        });
        worker.join();  // handles the hand-overs meanwhile
    }
    files = variant.files;
    return now() - start;
}

// Times round trips to the GUI thread from another thread, one every 5 ms.
class Probe {
public:
    // One round trip; it gives up when stop is set.
    using Ping = std::function<void(const std::atomic<bool>& stop)>;
    explicit Probe(Ping ping) : ping_(std::move(ping)), thread_([this] { run(); }) {}
    ~Probe() { stop(); }
    void stop() {
        stop_ = true;
        thread_.join();
    }
    std::vector<double> samples;  // milliseconds

private:
    void run() {
        while (!stop_) {
            const double start = now();
            ping_(stop_);
            if (!stop_) samples.push_back((now() - start) * 1000.0);
            Sleep(5);
        }
    }
    Ping ping_;
    std::atomic<bool> stop_{false};
    Thread thread_;
};

// A message sent to a window of the GUI thread: handled before anything queued.
Probe::Ping sentPing(HWND target) {
    return [target](const std::atomic<bool>&) { SendMessageA(target, WM_NULL, 0, 0); };
}

// A step posted to the GUI thread, which waits behind the sent ones, as a
// click does (checked every millisecond).
Probe::Ping postedPing(const GuiThreadCall& gui) {
    return [&gui](const std::atomic<bool>& stop) {
        const auto handled = std::make_shared<ManualResetEvent>(false);
        gui.post([handled] { handled->open(); });
        while (!stop && !handled->isOpen()) Sleep(1);
    };
}

void pumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void pumpFor(double seconds) {
    const double end = now() + seconds;
    pumpUntil([&] { return now() >= end; });
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()))];
}

void reportProbe(const char* what, const std::vector<double>& samples) {
    std::printf("  %-28s %5zu round trips: median %.3f ms, 99th %.3f ms, max %.3f ms\n", what, samples.size(),
                percentile(samples, 0.5), percentile(samples, 0.99),
                samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end()));
}

// The round trips of a sent message for a second with the GUI thread idle.
std::vector<double> idleRoundTrips(HWND target) {
    Probe probe(sentPing(target));
    pumpFor(1.0);
    probe.stop();
    return probe.samples;
}

// With probeSamples, the round trips of a sent message during the run; with
// postedSamples, those of a posted step too.
double timeDialogRun(TForm3& dialog, const std::string& root, std::vector<double>* probeSamples,
                     std::vector<double>* postedSamples = nullptr) {
    setControlText(GetDlgItem(dialog.hwnd(), TForm3::Edit1), root);
    bool done = false;
    replaceMessageBoxForTesting([&](const std::string&, const std::string&, UINT) {
        done = true;
        return IDOK;
    });
    std::unique_ptr<Probe> probe, posted;
    if (probeSamples) probe = std::make_unique<Probe>(sentPing(dialog.hwnd()));
    const GuiThreadCall gui;
    if (postedSamples) posted = std::make_unique<Probe>(postedPing(gui));
    const double start = now();
    SendMessageA(GetDlgItem(dialog.hwnd(), TForm3::Button5), BM_CLICK, 0, 0);
    // The program's own loop: GetMessage handles the worker's steps as they come.
    MSG message;
    while (!done && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    const double elapsed = now() - start;
    if (probe) {
        probe->stop();
        *probeSamples = probe->samples;
    }
    if (posted) {
        posted->stop();
        *postedSamples = posted->samples;
    }
    pumpUntil([&] { return !dialog.searching(); });
    replaceMessageBoxForTesting(nullptr);
    return elapsed;
}

int runBenchmark() {
    const std::string root = test::tempPath("plk-rebuild-bench\\");
    const std::string scratchIndex = test::tempPath("plk-rebuild-bench.dat");
    test::removeFolderTree(root);
    double start = now();
    const int folders = makeTree(root);
    std::printf("tree: %d files in %d folders, made in %.1f s\n", folders * kFilesPerFolder, folders, now() - start);

    GuiThreadCall gui;
    struct Result { const char* name; const GuiThreadCall* handOver; Writes writes; double best; int files; };
    Result results[] = {{"bare walk", nullptr, Writes::kNone, 1e9, 0},
                        {"walk + hand-overs", &gui, Writes::kNone, 1e9, 0},
                        {"walk + unbuffered writes", nullptr, Writes::kOnWorker, 1e9, 0},
                        {"minimum: hand-overs, write in each", &gui, Writes::kInHandOver, 1e9, 0}};
    int files = 0;
    timeVariant(root, nullptr, Writes::kNone, scratchIndex, files);  // warms the listing caches
    for (int round = 0; round < 3; ++round) {
        for (Result& r : results)
            r.best = std::min(r.best, timeVariant(root, r.handOver, r.writes, scratchIndex, r.files));
    }
    DeleteFileA(scratchIndex.c_str());

    TForm3 dialog;
    // The same run with the dialog hidden: what drawing its progress costs.
    double hiddenBest = 1e9;
    for (int round = 0; round < 2; ++round) hiddenBest = std::min(hiddenBest, timeDialogRun(dialog, root, nullptr));
    dialog.showDialog();
    const std::vector<double> idle = idleRoundTrips(dialog.hwnd());
    double shownBest = 1e9;
    std::vector<double> duringRun;
    for (int round = 0; round < 2; ++round) {
        std::vector<double> samples;
        shownBest = std::min(shownBest, timeDialogRun(dialog, root, round == 0 ? &samples : nullptr));
        if (round == 0) duringRun = samples;
    }
    TLibrary library;
    loadIndex(Application::exeFolder() + "plkindex.dat", library);
    DeleteFileA((Application::exeFolder() + "plkindex.dat").c_str());

    const double bare = results[0].files / results[0].best;
    const double minimum = results[3].files / results[3].best;
    const double hidden = library.size() / hiddenBest, shown = library.size() / shownBest;
    std::printf("\n%-36s %8s %10s %9s %9s\n", "variant", "time", "files/s", "/ bare", "/ minimum");
    for (const Result& r : results)
        std::printf("%-36s %6.0f ms %10.0f %9.3f %9.3f\n", r.name, r.best * 1000, r.files / r.best,
                    (r.files / r.best) / bare, (r.files / r.best) / minimum);
    std::printf("%-36s %6.0f ms %10.0f %9.3f %9.3f   (%zu records)\n", "rebuild dialog hidden, Start to Done",
                hiddenBest * 1000, hidden, hidden / bare, hidden / minimum, library.size());
    std::printf("%-36s %6.0f ms %10.0f %9.3f %9.3f\n", "rebuild dialog shown, Start to Done", shownBest * 1000,
                shown, shown / bare, shown / minimum);
    std::printf("\nGUI thread answering SendMessage(WM_NULL) from another thread:\n");
    reportProbe("idle", idle);
    reportProbe("during a shown rebuild", duringRun);
    std::printf("\nresult: rebuild minimum / bare walk, files/s = %.3f\n", minimum / bare);
    std::printf("result: rebuild dialog hidden / bare walk, files/s = %.3f\n", hidden / bare);
    std::printf("result: rebuild dialog shown / bare walk, files/s = %.3f\n", shown / bare);
    std::printf("result: rebuild dialog hidden / minimum, files/s = %.3f\n", hidden / minimum);
    std::printf("result: rebuild dialog shown / minimum, files/s = %.3f\n", shown / minimum);
    std::printf("result: rebuild dialog shown / hidden, files/s = %.3f (target at least 0.8)\n", shown / hidden);
    test::removeFolderTree(root);
    return 0;
}

int runOneFolder(std::string root) {
    if (root.back() != '\\') root += '\\';
    int files = 0;
    timeVariant(root, nullptr, Writes::kNone, "", files);  // warms the listing caches
    const double bare = timeVariant(root, nullptr, Writes::kNone, "", files);
    TForm3 dialog;
    dialog.showDialog();
    const std::vector<double> idle = idleRoundTrips(dialog.hwnd());
    std::vector<double> sent, posted;
    const double run = timeDialogRun(dialog, root, &sent, &posted);
    TLibrary library;
    loadIndex(Application::exeFolder() + "plkindex.dat", library);
    DeleteFileA((Application::exeFolder() + "plkindex.dat").c_str());

    std::printf("%-34s %6.0f ms %12.0f\n", "bare walk", bare * 1000, files / bare);
    std::printf("%-34s %6.0f ms %12.0f %8.3f   (%zu records)\n", "rebuild dialog, Start to Done", run * 1000,
                library.size() / run, (library.size() / run) / (files / bare), library.size());
    std::printf("\nGUI thread answering from another thread:\n");
    reportProbe("sent message, idle", idle);
    reportProbe("sent message, rebuild", sent);
    reportProbe("posted step, rebuild", posted);
    std::printf("\nresult: one-folder rebuild dialog / bare walk, files/s = %.3f\n",
                (library.size() / run) / (files / bare));
    return 0;
}

}  // namespace
}  // namespace plk

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--one-folder") {
        const std::string folder = argv[2];
        return plk::runInApplication([&folder] { return plk::runOneFolder(folder); });
    }
    return plk::runInApplication(plk::runBenchmark);
}
