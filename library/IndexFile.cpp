#include "library/IndexFile.h"

#include <algorithm>

namespace plk {
namespace {

// Records are read straight into the library, this many per system call.
const std::size_t kRecordsPerRead = 256;

// Reads records into library[0 .. count) and returns how many whole records
// arrived: fewer than count when the file shrank under us (a rebuild
// truncating it).
std::size_t ReadRecords(File& file, TLibrary& library, std::size_t count) {
    auto* bytes = reinterpret_cast<unsigned char*>(library.data());
    std::size_t done = 0;  // in bytes
    while (done < count * sizeof(TLibraryRecord)) {
        const std::size_t want = std::min(kRecordsPerRead * sizeof(TLibraryRecord),
                                          count * sizeof(TLibraryRecord) - done);
        std::size_t got = 0;
        try {
            got = file.read(bytes + done, want);
        } catch (...) {
            library.resize(done / sizeof(TLibraryRecord));
            throw;
        }
        done += got;
        if (got < want) break;
    }
    return done / sizeof(TLibraryRecord);
}

}  // namespace

bool LoadIndex(const std::string& path, TLibrary& library) {
    if (!FileExists(path)) return false;
    File file(path, File::Access::Read);
    const auto count = static_cast<std::size_t>(file.size() / std::int64_t(sizeof(TLibraryRecord)));
    library.clear();
    library.shrink_to_fit();  // an index that got smaller gives its memory back
    library.resize(count);
    library.resize(ReadRecords(file, library, count));
    return true;
}

void ReloadIndex(const std::string& path, TLibrary& library, bool& noLibrary) {
    noLibrary = !FileExists(path);
    if (!noLibrary) LoadIndex(path, library);
}

void IndexWriter::CreateEmpty(const std::string& path) { File(path, File::Access::Create); }

void IndexWriter::open(const std::string& path) {
    file_ = File(path, File::Access::ReadWrite);
    file_.seekToEnd();
}

void IndexWriter::append(const TLibraryRecord& record) { file_.write(&record, sizeof record); }

void IndexWriter::close() { file_.close(); }

}  // namespace plk
