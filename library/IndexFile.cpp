#include "library/IndexFile.h"

namespace plk {

bool LoadIndex(const std::string& path, TLibrary& library) {
    if (!FileExists(path)) return false;
    File file(path, File::Access::Read);
    const std::int64_t records = file.size() / sizeof(TLibraryRecord);
    library.clear();
    library.reserve(static_cast<std::size_t>(records));
    for (std::int64_t k = 0; k < records; ++k) {
        TLibraryRecord record;
        // The file can shrink under us (a rebuild truncating it): stop at its real end.
        if (file.read(&record, sizeof record) != sizeof record) break;
        library.push_back(record);
    }
    return true;
}

void IndexWriter::CreateEmpty(const std::string& path) { File(path, File::Access::Create); }

void IndexWriter::open(const std::string& path) {
    file_ = File(path, File::Access::ReadWrite);
    file_.seekToEnd();
}

void IndexWriter::append(const TLibraryRecord& record) { file_.write(&record, sizeof record); }

void IndexWriter::close() { file_.close(); }

}  // namespace plk
