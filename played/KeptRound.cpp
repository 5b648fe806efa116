#include "played/KeptRound.h"

#include "played/PlayedFile.h"

namespace plk {

PathList KeptRound::load(const TLibrary& library) {
    PathList songs;
    for (const TLibraryRecord& record : readPlayedFile(filePath_)) songs.add(pathView(record));
    fileRecords_ = static_cast<std::uint32_t>(songs.size());
    round_.carryOver(library, songs);
    return songs;
}

void KeptRound::opened(const TLibrary& library, std::uint32_t record) {
    const bool first = round_.openedCount() == 0;
    round_.markOpened(record);
    // A new round forgets the last one in the file too. So does a round
    // whose songs all left the library.
    if (first) fileRecords_ = 0;
    writePlayed(filePath_, fileRecords_, library[record]);
    ++fileRecords_;
}

}  // namespace plk
