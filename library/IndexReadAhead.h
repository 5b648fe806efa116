// The index read on a worker thread while the program's first window is
// made, and handed to the step of the start that reads it. The records of a
// large index take some milliseconds to read, nearly all of it the first
// touches of new memory; the thread does that while the GUI thread waits on
// the window system.
//
// The read comes some milliseconds earlier than that step's own would: the
// same as a start some milliseconds earlier, so what the step is handed is
// what it could have read itself.
#pragma once

#include <optional>
#include <string>

#include "library/LoadedIndex.h"
#include "system/Thread.h"

namespace plk {

class IndexReadAhead {
public:
    // Starts reading the index at path. Without a thread (the system had none
    // to give) the read waits for takeInto.
    explicit IndexReadAhead(std::string path);
    IndexReadAhead(const IndexReadAhead&) = delete;
    IndexReadAhead& operator=(const IndexReadAhead&) = delete;

    const std::string& path() const { return path_; }

    // Waits for the read and hands it over as LoadedIndex::takeInto does.
    void takeInto(TLibrary& library, bool& noLibrary);

private:
    const std::string path_;
    LoadedIndex loaded_;
    // Last: the thread is joined before the outcome it writes goes.
    std::optional<Thread> reader_;
};

}  // namespace plk
