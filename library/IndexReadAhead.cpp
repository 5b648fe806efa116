#include "library/IndexReadAhead.h"

#include <stdexcept>
#include <utility>

namespace plk {

IndexReadAhead::IndexReadAhead(std::string path) : path_(std::move(path)) {
    try {
        reader_.emplace([this] { loaded_.load(path_); });
    } catch (const std::runtime_error&) {
        // No thread: reader_ stays empty, and takeInto reads.
    }
}

void IndexReadAhead::takeInto(TLibrary& library, bool& noLibrary) {
    if (reader_) reader_->join();
    else loaded_.load(path_);
    loaded_.takeInto(library, noLibrary);
}

}  // namespace plk
