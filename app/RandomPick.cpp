#include "app/RandomPick.h"

#include "app/RandomDraw.h"
#include "app/SongPath.h"

namespace plk {

SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const std::function<bool(const std::string&)>& exists, int maxDraws) {
    SongPick pick;
    const auto count = static_cast<std::uint32_t>(library.size());
    while (pick.draws < maxDraws) {
        std::uint32_t seed = seedSource();
        const std::string path = library[drawIndex(seed, count)].path();
        ++pick.draws;
        if (isPlayablePath(path) && exists(path)) {
            pick.found = true;
            pick.path = path;
            break;
        }
    }
    return pick;
}

}  // namespace plk
