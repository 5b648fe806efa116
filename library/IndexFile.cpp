#include "library/IndexFile.h"

#include <algorithm>

#include "platform/FileAttributes.h"

namespace plk {
namespace {

// Records are read straight into the library, up to this many per request.
const std::size_t kRecordsPerRead = 256;

}  // namespace

bool loadIndex(const std::string& path, TLibrary& library) {
    if (!fileExists(path)) return false;
    File file(path, File::Access::kRead);
    readRecords(file, static_cast<std::size_t>(file.size() / std::int64_t(sizeof(TLibraryRecord))), library);
    return true;
}

void readRecords(File& file, std::size_t count, TLibrary& library) {
    library.clear();
    library.shrink_to_fit();  // an index that got smaller gives its memory back
    library.resize(count);
    auto* bytes = reinterpret_cast<unsigned char*>(library.data());
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
        library.resize(done / sizeof(TLibraryRecord));
        throw;
    }
    library.resize(done / sizeof(TLibraryRecord));
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
