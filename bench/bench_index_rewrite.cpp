// What keeping the previous library costs a rebuild: a run over a
// 100,000-record index writes 100,000 records one by one, as today's run
// does after emptying the file, against the same run that first keeps the
// old index's bytes in memory, and against a failed run that also writes
// them back. Median of 9 rounds each, interleaved, in the same run.
//
//   bench_index_rewrite [records]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/IndexFile.h"
#include "library/IndexRewrite.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kRounds = 9;

void fillIndex(const std::string& path, int count) {
    plk::IndexWriter::createEmpty(path);
    plk::IndexWriter writer;
    writer.open(path);
    plk::TLibraryRecord record{};
    for (int k = 0; k < count; ++k) {
        record.setNumber(k + 1);
        record.setPath("C:\\Users\\listener\\Music\\Artist " + std::to_string(k / 120) + "\\track " +
                       std::to_string(k) + ".mp3");
        writer.append(record);
    }
}

template <typename Append>
void writeRun(int count, Append&& append) {
    plk::TLibraryRecord record{};
    for (int k = 0; k < count; ++k) {
        record.setNumber(k + 1);
        record.setPath("C:\\Music\\new " + std::to_string(k) + ".mp3");
        append(record);
    }
}

// Today's run: the index emptied, then every record appended.
void plainRun(const std::string& path, int count) {
    plk::IndexWriter::createEmpty(path);
    plk::IndexWriter writer;
    writer.open(path);
    writeRun(count, [&](const plk::TLibraryRecord& record) { writer.append(record); });
}

void keptRun(const std::string& path, int count, bool fails) {
    plk::IndexRewrite rewrite;
    rewrite.hold(path);
    rewrite.begin();
    writeRun(count, [&](const plk::TLibraryRecord& record) { rewrite.append(record); });
    if (fails) rewrite.restore();
    rewrite.release();
}

template <typename Work>
void timeRound(std::vector<double>& samples, Work&& work) {
    const auto start = Clock::now();
    work();
    samples.push_back(std::chrono::duration<double>(Clock::now() - start).count());
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string path = "/tmp/plk-bench-rewrite-" + std::to_string(getpid()) + ".dat";
    std::vector<double> plain, kept, failed;
    for (int round = 0; round < kRounds; ++round) {
        // Each run starts from a full old index, as a rebuild of a library does.
        fillIndex(path, count);
        timeRound(plain, [&] { plainRun(path, count); });
        fillIndex(path, count);
        timeRound(kept, [&] { keptRun(path, count, false); });
        fillIndex(path, count);
        timeRound(failed, [&] { keptRun(path, count, true); });
    }
    std::remove(path.c_str());

    std::printf("a rebuild's index writes, %d records over an index of as many, median of %d rounds\n", count,
                kRounds);
    std::printf("  emptied, then written        %8.2f ms  (baseline)\n", median(plain) * 1e3);
    std::printf("  old bytes kept, then written %8.2f ms\n", median(kept) * 1e3);
    std::printf("  ... and written back         %8.2f ms\n", median(failed) * 1e3);
    std::printf("result: completed run keeping the old index / today's run, median time = %.2f\n",
                median(kept) / median(plain));
    std::printf("result: failed run putting the old index back / today's run, median time = %.2f\n",
                median(failed) / median(plain));
    std::printf("memory: the old index is held for the run: %.1f MB\n", count * 260.0 / 1e6);
    return 0;
}
