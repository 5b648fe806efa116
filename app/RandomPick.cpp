#include "app/RandomPick.h"

#include "app/PathRoot.h"
#include "app/RandomDraw.h"
#include "app/SongPath.h"

namespace plk {

bool SongCandidates::playable(const std::string& path) {
    if (!isPlayablePath(path)) return false;
    const std::string root = pathRoot(path);
    if (unreachableRoots_.count(root)) return false;
    const FileCheck found = check_(path);
    if (found == FileCheck::kUnreachable) unreachableRoots_.insert(root);
    return found == FileCheck::kExists;
}

SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws) {
    SongPick pick;
    SongCandidates candidates(check);
    const auto count = static_cast<std::uint32_t>(library.size());
    while (pick.draws < maxDraws) {
        std::uint32_t seed = seedSource();
        const std::uint32_t record = drawIndex(seed, count);
        const std::string path = library[record].path();
        ++pick.draws;
        if (!candidates.playable(path)) continue;
        pick.found = true;
        pick.path = path;
        pick.record = record;
        break;
    }
    return pick;
}

}  // namespace plk
