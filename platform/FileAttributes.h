// What the system says about a path: the Windows attribute bits, which the
// directory listing reports for each entry as well. The POSIX file layer maps
// its own notions onto them.
#pragma once

#include <cstdint>
#include <string>

namespace plk {

namespace FileAttribute {
constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kHidden = 0x02;
constexpr std::uint32_t kSystem = 0x04;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kNormal = 0x80;  // a plain file, none of the others set
// A file whose data is elsewhere: moved to remote storage, or a cloud
// placeholder (OneDrive's online-only files). Reading it fetches the data
// first, for as long as that takes, and fails without a connection.
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kRecallOnOpen = 0x40000;        // nothing of it is here: opening it fetches it
constexpr std::uint32_t kRecallOnDataAccess = 0x400000;  // not all of its data is here: reading it fetches it
}  // namespace FileAttribute

// True when any of the three says that reading the file would fetch it.
bool isPlaceholder(long attributes);

// The attribute bits of path, or -1 when nothing is there. The POSIX version
// maps "not writable" to read-only and a leading dot to hidden.
long fileAttributes(const std::string& path);

// True when a file (not a folder) exists at path.
bool fileExists(const std::string& path);

// What a look for a file at a path found.
enum class FileCheck {
    kExists,       // a file (not a folder) is there
    kMissing,      // no file there: gone, a folder, a name the system refuses
    kUnreachable,  // its drive or share did not answer: offline, not ready
    // A placeholder whose data is not here: marked offline, or one of which
    // nothing is here at all (recalled on opening), whether or not its
    // provider marks it so. Its drive answered.
    kOffline,
};
FileCheck checkFile(const std::string& path);

// What the attribute bits of an existing path say: a folder is no file, an
// offline placeholder is kOffline.
FileCheck checkAttributes(long attributes);

// True when a folder exists at path.
bool folderExists(const std::string& path);

}  // namespace plk
