#include "library/IndexFile.h"

#include <algorithm>

#include "platform/FileAttributes.h"

namespace plk {
namespace {

// Records are read straight into the library, up to this many per request.
const std::size_t kRecordsPerRead = 256;

// 1234567 as "1,234,567".
std::string groupedDigits(std::int64_t number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(std::size_t(at), ",");
    return digits;
}

}  // namespace

IndexTooLarge::IndexTooLarge(const std::string& path, std::int64_t records, std::size_t maxRecords)
    : std::runtime_error("The music library index " + path + " is too large to load: it lists " +
                         groupedDigits(records) + " songs, and at most " +
                         groupedDigits(std::int64_t(maxRecords)) +
                         " can be loaded.\r\n\r\nRebuild your music library from a smaller folder.") {}

std::string indexFullMessage(std::int64_t count) {
    return "Your new music library is full: it holds " + groupedDigits(count) +
           " music files, the most Plinkety can load, so the search stopped there.\r\n\r\n"
           "Music files the search had not reached yet are left out. Rebuild your music library "
           "from a smaller folder to choose which files it holds.";
}

bool loadIndex(const std::string& path, TLibrary& library, std::size_t maxRecords) {
    if (!fileExists(path)) return false;
    File file(path, File::Access::kRead);
    // Counted in 64 bits: a huge file must not wrap round to a small count.
    const std::int64_t records = file.size() / std::int64_t(sizeof(TLibraryRecord));
    if (records > std::int64_t(maxRecords)) throw IndexTooLarge(path, records, maxRecords);
    readRecords(file, static_cast<std::size_t>(records), library);
    return true;
}

void readRecords(File& file, std::size_t count, TLibrary& library) {
    // Read into a buffer of its own and swapped in at the end: when the
    // memory cannot be had (a large index in the fragmented address space of
    // a 32-bit program), the library stays as it was instead of empty.
    TLibrary loaded(count);
    auto* bytes = reinterpret_cast<unsigned char*>(loaded.data());
    const std::size_t total = count * sizeof(TLibraryRecord);
    // Counted for every request, so that a failure keeps all that arrived
    // before it, part of a multi-record read or not.
    std::size_t done = 0;
    try {
        while (done < total) {
            const std::size_t got =
                file.readSome(bytes + done, std::min(kRecordsPerRead * sizeof(TLibraryRecord), total - done));
            if (got == 0) break;
            done += got;
        }
    } catch (...) {
        loaded.resize(done / sizeof(TLibraryRecord));
        library.swap(loaded);
        throw;
    }
    loaded.resize(done / sizeof(TLibraryRecord));
    library.swap(loaded);
}

void reloadIndex(const std::string& path, TLibrary& library, bool& noLibrary) {
    noLibrary = !fileExists(path);
    if (!noLibrary) loadIndex(path, library);
}

void IndexWriter::createEmpty(const std::string& path) { File(path, File::Access::kCreate); }

void IndexWriter::open(const std::string& path) {
    file_ = File(path, File::Access::kReadWrite);
    file_.seekToEnd();
}

void IndexWriter::append(const TLibraryRecord& record) { file_.write(&record, sizeof record); }

void IndexWriter::close() { file_.close(); }

}  // namespace plk
