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

}  // namespace plk
