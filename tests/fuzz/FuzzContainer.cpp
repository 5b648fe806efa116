#include "tests/fuzz/FuzzContainer.h"

#include <cstdlib>
#include <string>

#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/SongTags.h"
#include "tests/fuzz/FuzzInput.h"

namespace plk {
namespace {

// Within the cap, and no surrogate without its partner.
bool wellFormed(const std::u16string& text) {
    if (text.size() > kMaxJoinedUnits) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool high = text[k] >= 0xD800 && text[k] <= 0xDBFF;
        const bool low = text[k] >= 0xDC00 && text[k] <= 0xDFFF;
        if (low) return false;
        if (high && (k + 1 == text.size() || text[++k] < 0xDC00 || text[k] > 0xDFFF)) return false;
    }
    return true;
}

}  // namespace

int fuzzContainer(const std::uint8_t* data, std::size_t size, const char* extension, ContainerReader reader) {
    const std::string path = writeFuzzInput(data, size, extension);
    if (path.empty()) return 0;
    {
        MetadataFile file(path);
        SongTags tags;
        try {
            reader(file, tags);
            if (!wellFormed(tags.title) || !wellFormed(tags.artist)) std::abort();
        } catch (const MetadataRefused&) {
        }
        if (file.bytesRead() > kMetadataReadBudget) std::abort();
    }
    const SongTags tags = readContainerTags(path);
    if (!wellFormed(tags.title) || !wellFormed(tags.artist)) std::abort();
    if (tags.refused && (!tags.title.empty() || !tags.artist.empty())) std::abort();
    return 0;
}

}  // namespace plk
