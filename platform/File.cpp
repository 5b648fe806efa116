#include "platform/File.h"

namespace plk {

File File::adopt(std::intptr_t handle) {
    File file;
    file.handle_ = handle;
    return file;
}

File::~File() { close(); }

File::File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

bool File::isOpen() const { return handle_ != -1; }

std::size_t File::read(void* buffer, std::size_t count) {
    auto* at = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const std::size_t got = readSome(at + done, count - done);
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace plk
