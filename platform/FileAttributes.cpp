#include "platform/FileAttributes.h"

namespace plk {

bool fileExists(const std::string& path) {
    const long attributes = fileAttributes(path);
    return attributes != -1 && !(attributes & FileAttribute::kDirectory);
}

bool folderExists(const std::string& path) {
    const long attributes = fileAttributes(path);
    return attributes != -1 && (attributes & FileAttribute::kDirectory);
}

}  // namespace plk
