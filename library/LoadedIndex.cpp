#include "library/LoadedIndex.h"

#include <utility>

namespace plk {

void LoadedIndex::load(const std::string& path) noexcept {
    try {
        reloadIndex(path, library_, missing_);
    } catch (...) {
        // Records read before a failing read stay, as in the library that
        // reloadIndex fills; the error is the step's to report.
        error_ = std::current_exception();
    }
}

void LoadedIndex::takeInto(TLibrary& library, bool& noLibrary) {
    noLibrary = missing_;
    library = std::move(library_);
    library_ = TLibrary();
    if (const std::exception_ptr error = std::exchange(error_, nullptr)) std::rethrow_exception(error);
}

}  // namespace plk
