#include "platform/File.h"
#include "platform/FileAttributes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plk {
namespace {

[[noreturn]] void fail(FileError::Kind kind) { throw FileError(kind, std::strerror(errno)); }

int fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

long fileAttributes(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return -1;
    long bits = 0;
    if (::access(path.c_str(), W_OK) != 0) bits |= FileAttribute::kReadOnly;
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!name.empty() && name[0] == '.') bits |= FileAttribute::kHidden;
    if (S_ISDIR(st.st_mode)) bits |= FileAttribute::kDirectory;
    return bits == 0 ? FileAttribute::kNormal : bits;  // as Windows reports a plain file
}

FileCheck checkFile(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? FileCheck::kMissing : FileCheck::kExists;
    switch (errno) {
    case ENOENT: case ENOTDIR: case ENAMETOOLONG: case EACCES: case ELOOP: return FileCheck::kMissing;
    default: return FileCheck::kUnreachable;  // EIO, ETIMEDOUT, EHOSTDOWN, ...
    }
}

File::File(const std::string& path, Access access) {
    int flags = O_RDONLY;
    if (access == Access::kReadWrite) flags = O_RDWR;
    if (access == Access::kCreate) flags = O_RDWR | O_CREAT | O_TRUNC;
    if (access == Access::kHold) flags = O_RDWR | O_CREAT;
    const int opened = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (opened < 0) fail(FileError::Kind::kOpen);
    handle_ = opened;
}

void File::close() {
    if (handle_ >= 0) ::close(fd(handle_));
    handle_ = -1;
}

std::int64_t File::size() const {
    struct stat st;
    if (::fstat(fd(handle_), &st) != 0) fail(FileError::Kind::kIo);
    return st.st_size;
}

std::int64_t File::position() const {
    const off_t at = ::lseek(fd(handle_), 0, SEEK_CUR);
    if (at < 0) fail(FileError::Kind::kIo);
    return at;
}

void File::seek(std::int64_t offset) {
    if (::lseek(fd(handle_), static_cast<off_t>(offset), SEEK_SET) < 0) fail(FileError::Kind::kIo);
}

void File::seekToEnd() {
    if (::lseek(fd(handle_), 0, SEEK_END) < 0) fail(FileError::Kind::kIo);
}

std::size_t File::readSome(void* buffer, std::size_t count) {
    for (;;) {
        const ssize_t got = ::read(fd(handle_), buffer, count);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) fail(FileError::Kind::kIo);
    }
}

void File::write(const void* buffer, std::size_t count) {
    const ssize_t put = ::write(fd(handle_), buffer, count);
    if (put < 0) fail(FileError::Kind::kIo);
    if (static_cast<std::size_t>(put) != count) throw FileError(FileError::Kind::kIo, "Disk full");
}

void File::truncateHere() {
    const off_t at = ::lseek(fd(handle_), 0, SEEK_CUR);
    if (at < 0 || ::ftruncate(fd(handle_), at) != 0) fail(FileError::Kind::kIo);
}

}  // namespace plk
