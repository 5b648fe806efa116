#include "app/RandomPick.h"

#include <set>

#include "app/PathRoot.h"
#include "app/RandomDraw.h"
#include "app/SongPath.h"

namespace plk {

SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws) {
    SongPick pick;
    // Remembered for this click only: a share may be back by the next one.
    std::set<std::string> unreachableRoots;
    const auto count = static_cast<std::uint32_t>(library.size());
    while (pick.draws < maxDraws) {
        std::uint32_t seed = seedSource();
        const std::string path = library[drawIndex(seed, count)].path();
        ++pick.draws;
        if (!isPlayablePath(path)) continue;
        const std::string root = pathRoot(path);
        if (unreachableRoots.count(root)) continue;
        const FileCheck found = check(path);
        if (found == FileCheck::kUnreachable) unreachableRoots.insert(root);
        if (found != FileCheck::kExists) continue;
        pick.found = true;
        pick.path = path;
        break;
    }
    return pick;
}

}  // namespace plk
