// The outcome of a load of the index kept to be handed over later: the
// records, whether the file was missing, and the error the load ended with.
// It lets the index be read on another thread ahead of the step that needs
// it, and that step then goes on exactly as if it had read the file itself.
#pragma once

#include <exception>
#include <string>

#include "library/IndexFile.h"

namespace plk {

class LoadedIndex {
public:
    // Loads as reloadIndex does into a library of its own, keeping any error
    // instead of throwing it.
    void load(const std::string& path) noexcept;

    // Leaves library and noLibrary as reloadIndex(path, library, noLibrary)
    // would have left them for the empty library of a program that starts,
    // then throws what that load threw. Once: the records are moved out.
    void takeInto(TLibrary& library, bool& noLibrary);

private:
    TLibrary library_;
    bool missing_ = true;
    std::exception_ptr error_;
};

}  // namespace plk
