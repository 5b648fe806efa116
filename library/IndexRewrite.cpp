#include "library/IndexRewrite.h"

namespace plk {

void IndexRewrite::hold(const std::string& path) { file_ = File(path, File::Access::kHold); }

void IndexRewrite::begin() {
    file_.seek(0);
    // Sized from the file as it is now: the file is held, so it cannot grow
    // between the size and the read.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(file_.size()));
    bytes.resize(file_.read(bytes.data(), bytes.size()));
    file_.seek(0);
    try {
        file_.truncateHere();
    } catch (...) {
        // Refused (another program has the file mapped): a stopped run
        // still finishing its folder goes on appending where it was.
        file_.seekToEnd();
        throw;
    }
    previous_.swap(bytes);
}

// begin() leaves the file empty and at its start, and nothing else writes a
// held file: the current position is always its end.
void IndexRewrite::append(const TLibraryRecord& record) { file_.write(&record, sizeof record); }

void IndexRewrite::restore() {
    file_.seek(0);
    file_.truncateHere();
    if (!previous_.empty()) file_.write(previous_.data(), previous_.size());
}

void IndexRewrite::release() {
    file_.close();
    previous_.clear();
    previous_.shrink_to_fit();
}

}  // namespace plk
