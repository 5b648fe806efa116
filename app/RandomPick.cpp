#include "app/RandomPick.h"

#include <set>

#include "app/PathRoot.h"
#include "app/RandomDraw.h"
#include "app/SongPath.h"

namespace plk {
namespace {

// The look at each drawn path of one click.
class SongCandidates {
public:
    explicit SongCandidates(const SongCheck& check) : check_(check) {}
    bool playable(const std::string& path);

private:
    const SongCheck& check_;
    // Remembered for this click only: a share may be back by the next one.
    std::set<std::string> unreachableRoots_;
};

bool SongCandidates::playable(const std::string& path) {
    if (!isPlayablePath(path)) return false;
    const std::string root = pathRoot(path);
    if (unreachableRoots_.count(root)) return false;
    const FileCheck found = check_(path);
    if (found == FileCheck::kUnreachable) unreachableRoots_.insert(root);
    return found == FileCheck::kExists;
}

}  // namespace

SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws) {
    const auto count = static_cast<std::uint32_t>(library.size());
    return pickSongWith(
        library, seedSource, check, maxDraws, [count](std::uint32_t& seed) { return drawIndex(seed, count); },
        [](std::uint32_t) {});
}

SongPick pickSongWith(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                      const SongCheck& check, int maxDraws, const RecordDraw& draw,
                      const std::function<void(std::uint32_t record)>& passedOver) {
    SongPick pick;
    SongCandidates candidates(check);
    while (pick.draws < maxDraws) {
        std::uint32_t seed = seedSource();
        const std::uint32_t record = draw(seed);
        const std::string path = library[record].path();
        ++pick.draws;
        if (!candidates.playable(path)) {
            passedOver(record);
            continue;
        }
        pick.found = true;
        pick.path = path;
        pick.record = record;
        break;
    }
    return pick;
}

}  // namespace plk
