#include "platform/FileAttributes.h"

namespace plk {

bool fileExists(const std::string& path) {
    const long attributes = fileAttributes(path);
    return attributes != -1 && !(attributes & FileAttribute::kDirectory);
}

bool isPlaceholder(long attributes) {
    const long fetched = FileAttribute::kOffline | FileAttribute::kRecallOnOpen | FileAttribute::kRecallOnDataAccess;
    return attributes != -1 && (attributes & fetched) != 0;
}

FileCheck checkAttributes(long attributes) {
    if (attributes & FileAttribute::kDirectory) return FileCheck::kMissing;
    if (attributes & (FileAttribute::kOffline | FileAttribute::kRecallOnOpen)) return FileCheck::kOffline;
    return FileCheck::kExists;
}

bool folderExists(const std::string& path) {
    const long attributes = fileAttributes(path);
    return attributes != -1 && (attributes & FileAttribute::kDirectory);
}

}  // namespace plk
