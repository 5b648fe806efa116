// Loading the library index: 100,000 records, timed against a plain
// sequential read of the same file in the same run, and the memory the
// loaded library holds against the records' own 260 bytes each.
//
//   bench_index [records]
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "library/IndexFile.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kRounds = 15;
const std::size_t kReadSize = 64 * 1024;

// Paths of the lengths a real library has, from short to the 255 cap.
void writeIndex(const std::string& path, int count) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    plk::TLibraryRecord record{};
    for (int k = 0; k < count; ++k) {
        record.setNumber(k + 1);
        const std::string folder = "C:\\Users\\listener\\Music\\Artist " + std::to_string(k / 120) + "\\Album " +
                                   std::to_string(k / 12) + "\\";
        const std::string name = std::string(static_cast<std::size_t>(k % 97), 'n') + " track " +
                                 std::to_string(k % 12 + 1) + ".mp3";
        record.setPath(folder + name);
        out.write(reinterpret_cast<const char*>(&record), sizeof record);
    }
}

// The least any loader must do: the file's bytes into memory of their size.
std::size_t readWholeFile(const std::string& path) {
    plk::File file(path, plk::File::Access::kRead);
    std::vector<char> bytes(static_cast<std::size_t>(file.size()));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t got = file.read(bytes.data() + done, std::min(kReadSize, bytes.size() - done));
        if (got == 0) break;
        done += got;
    }
    return done;
}

// Reading alone, through one reused buffer: no memory to fill at all.
std::size_t streamFile(const std::string& path) {
    plk::File file(path, plk::File::Access::kRead);
    std::vector<char> buffer(kReadSize);
    std::size_t total = 0;
    while (const std::size_t got = file.read(buffer.data(), buffer.size())) total += got;
    return total;
}

std::size_t loadLibrary(const std::string& path) {
    plk::TLibrary library;
    plk::loadIndex(path, library);
    return library.size();
}

template <typename Work>
double medianSeconds(std::vector<double>& samples, Work&& work) {
    const auto start = Clock::now();
    const std::size_t result = work();
    samples.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    if (result == 0) std::abort();  // keeps the work from being optimised away
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;  // small blocks and mapped large ones
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string path = "/tmp/plk-bench-index-" + std::to_string(getpid()) + ".dat";
    writeIndex(path, count);
    streamFile(path);  // every round reads from the page cache

    std::vector<double> whole, stream, load;
    double wholeMedian = 0, streamMedian = 0, loadMedian = 0;
    for (int round = 0; round < kRounds; ++round) {  // interleaved, so drift hits all three
        wholeMedian = medianSeconds(whole, [&] { return readWholeFile(path); });
        streamMedian = medianSeconds(stream, [&] { return streamFile(path); });
        loadMedian = medianSeconds(load, [&] { return loadLibrary(path); });
    }

    const std::size_t before = heapInUse();
    plk::TLibrary library;
    plk::loadIndex(path, library);
    const std::size_t held = heapInUse() - before;
    const double ideal = double(count) * sizeof(plk::TLibraryRecord);
    std::remove(path.c_str());

    std::printf("index load, %d records (%.1f MB), median of %d rounds\n", count, ideal / 1e6, kRounds);
    std::printf("  whole-file read     %8.3f ms  (baseline)\n", wholeMedian * 1e3);
    std::printf("  streamed read       %8.3f ms\n", streamMedian * 1e3);
    std::printf("  loadIndex           %8.3f ms\n", loadMedian * 1e3);
    std::printf("  ratio load / streamed read     %.2f\n", loadMedian / streamMedian);
    std::printf("result: index load / whole-file read, median time = %.2f (target at most 1.5)\n",
                loadMedian / wholeMedian);
    std::printf("result: memory held for Library / %d x 260 bytes = %.4f (%zu bytes; target within 10%%)\n", count,
                double(held) / ideal, held);
    return 0;
}
