// Which frames a tag load keeps the bodies of. Every frame is listed in the
// frame index whatever this says, with its header fields and its body's
// size; the bodies of the others are stepped over in the file, so that a
// cover picture that nothing shows costs no memory.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace plk {

class FrameBodies {
public:
    // Every body, for whoever looks at frames other than the texts it names.
    static FrameBodies all() { return FrameBodies(true, {}); }
    // Only those of the frames with these IDs (upper case, as the index
    // stores them).
    static FrameBodies only(std::vector<std::string> ids) { return FrameBodies(false, std::move(ids)); }

    bool keeps(const std::string& frameId) const {
        return all_ || std::find(ids_.begin(), ids_.end(), frameId) != ids_.end();
    }

private:
    FrameBodies(bool all, std::vector<std::string> ids) : all_(all), ids_(std::move(ids)) {}

    bool all_;
    std::vector<std::string> ids_;
};

}  // namespace plk
