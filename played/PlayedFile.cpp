#include "played/PlayedFile.h"

#include <cstring>

#include "platform/FileAttributes.h"

namespace plk {
namespace {

const std::size_t kRecordsPerRead = 256;

bool isPathCharacter(unsigned char c) { return c >= 0x20 && !std::strchr("\"*<>?|", c); }

File openForWriting(const std::string& path) {
    return File(path, fileExists(path) ? File::Access::kReadWrite : File::Access::kCreate);
}

std::int64_t offsetOf(std::uint32_t records) { return std::int64_t(records) * std::int64_t(sizeof(TLibraryRecord)); }

// Takes the sound records at the front of records; false after one that is not.
bool keepSound(const std::vector<TLibraryRecord>& records, std::size_t count, std::vector<TLibraryRecord>& played) {
    for (std::size_t k = 0; k < count; ++k) {
        if (!isSoundRecord(records[k])) return false;
        played.push_back(records[k]);
    }
    return true;
}

}  // namespace

bool isSoundRecord(const TLibraryRecord& record) {
    const std::size_t length = record.Path.length;
    if (length == 0) return false;
    bool folder = false;
    for (std::size_t k = 0; k < length; ++k) {
        const auto c = static_cast<unsigned char>(record.Path.chars[k]);
        if (!isPathCharacter(c)) return false;
        folder = folder || c == '\\' || c == '/';
    }
    return folder;
}

std::vector<TLibraryRecord> readPlayedFile(const std::string& path, std::size_t maxRecords) {
    std::vector<TLibraryRecord> played;
    if (!fileExists(path)) return played;
    try {
        File file(path, File::Access::kRead);
        std::vector<TLibraryRecord> chunk(kRecordsPerRead);
        while (played.size() < maxRecords) {
            const std::size_t want = std::min(kRecordsPerRead, maxRecords - played.size());
            const std::size_t got = file.read(chunk.data(), want * sizeof(TLibraryRecord)) / sizeof(TLibraryRecord);
            if (!keepSound(chunk, got, played) || got < want) break;
        }
    } catch (const FileError&) {
        // Unreadable from here on: what was sound so far stands.
    }
    return played;
}

void writePlayed(const std::string& path, std::uint32_t count, const TLibraryRecord& record) {
    File file = openForWriting(path);
    file.seek(offsetOf(count));
    file.truncateHere();
    file.write(&record, sizeof record);
}

}  // namespace plk
