// settings.ini beside the program, section General, through the system's
// profile functions: the file is opened for each access and never held open.
#pragma once

#include <string>

namespace plk {

class TSettings {
public:
    // The file beside the executable; none when no 8-bit path reaches the
    // executable's folder.
    TSettings();
    // An empty path stands for no file: every read gives its fallback and
    // writes are dropped (the user has been told once, at start).
    explicit TSettings(std::string path);

    const std::string& path() const { return path_; }

    // A missing file or key, or a value that is not a number, gives fallback.
    std::string readString(const char* key, const std::string& fallback) const;
    int readInteger(const char* key, int fallback) const;
    bool readBool(const char* key, bool fallback) const;

    // Throw std::runtime_error "Unable to write to <path>" when the file
    // cannot be written.
    void writeString(const char* key, const std::string& value) const;
    void writeInteger(const char* key, int value) const;
    void writeBool(const char* key, bool value) const;

private:
    std::string path_;
};

}  // namespace plk
