#include "platform/File.h"
#include "platform/FileAttributes.h"

#include <windows.h>

#include "platform/SystemMessage.h"

namespace plk {
namespace {

[[noreturn]] void fail(FileError::Kind kind) { throw FileError(kind, systemMessage(GetLastError())); }

HANDLE native(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

long fileAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<long>(attributes);
}

FileCheck checkFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return checkAttributes(static_cast<long>(attributes));
    switch (GetLastError()) {
    // About this one file: the drive or share itself answered.
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return FileCheck::kMissing;
    // Anything else is about the way there: an unreachable network path or
    // share, a drive not ready, no such drive, a time-out.
    default:
        return FileCheck::kUnreachable;
    }
}

File::File(const std::string& path, Access access) {
    const DWORD wanted = access == Access::kRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    // Not CREATE_ALWAYS: for a file that is hidden or system it fails with
    // "Access is denied." unless the same attributes are asked for. Opened
    // or created, the file is then cut to nothing, keeping its attributes.
    const bool creates = access == Access::kCreate || access == Access::kHold;
    const DWORD disposition = creates ? OPEN_ALWAYS : OPEN_EXISTING;
    // A held file shares reading only: every other open for writing, in this
    // process or another, fails with a sharing violation while it is held.
    const DWORD sharing = access == Access::kHold ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE opened =
        CreateFileA(path.c_str(), wanted, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        if (access == Access::kHold && GetLastError() == ERROR_SHARING_VIOLATION) fail(FileError::Kind::kInUse);
        fail(FileError::Kind::kOpen);
    }
    if (access == Access::kCreate && !SetEndOfFile(opened)) {
        const DWORD error = GetLastError();
        CloseHandle(opened);
        throw FileError(FileError::Kind::kOpen, systemMessage(error));
    }
    handle_ = reinterpret_cast<std::intptr_t>(opened);
}

void File::close() {
    if (handle_ != -1) CloseHandle(native(handle_));
    handle_ = -1;
}

std::int64_t File::size() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(native(handle_), &size)) fail(FileError::Kind::kIo);
    return size.QuadPart;
}

std::int64_t File::position() const {
    LARGE_INTEGER zero{}, at;
    if (!SetFilePointerEx(native(handle_), zero, &at, FILE_CURRENT)) fail(FileError::Kind::kIo);
    return at.QuadPart;
}

void File::seek(std::int64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    if (!SetFilePointerEx(native(handle_), to, nullptr, FILE_BEGIN)) fail(FileError::Kind::kIo);
}

void File::seekToEnd() {
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(native(handle_), zero, nullptr, FILE_END)) fail(FileError::Kind::kIo);
}

std::size_t File::readSome(void* buffer, std::size_t count) {
    DWORD got = 0;
    if (!ReadFile(native(handle_), buffer, static_cast<DWORD>(count), &got, nullptr)) fail(FileError::Kind::kIo);
    return got;
}

void File::write(const void* buffer, std::size_t count) {
    DWORD put = 0;
    if (!WriteFile(native(handle_), buffer, static_cast<DWORD>(count), &put, nullptr))
        fail(FileError::Kind::kIo);
    if (put != count) throw FileError(FileError::Kind::kIo, systemMessage(ERROR_DISK_FULL));
}

void File::truncateHere() {
    if (!SetEndOfFile(native(handle_))) fail(FileError::Kind::kIo);
}

}  // namespace plk
