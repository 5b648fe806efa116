// Byte-level file access for the portable code (index file, tag reader).
// Two implementations: Win32 for the program, POSIX for the native tests and
// tools. Both open files shared for reading and writing, because a running
// rebuild keeps the index open while the main window loads it, and a player
// may hold a song open while its tag is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace plk {

// A failure to open, read, write or seek a file. The text is the system's
// own message, ready for the error box.
class FileError : public std::runtime_error {
public:
    // kInUse: a kHold open found the file held by another program.
    enum class Kind { kOpen, kIo, kInUse };
    FileError(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class File {
public:
    enum class Access {
        kRead,       // existing file, read only
        kReadWrite,  // existing file, read and write
        kCreate,     // create, or truncate to zero length, read and write
        // Open or create, read and write, the contents kept; while this
        // handle is open no other may write the file, though others may
        // still read it. Another holder's file throws FileError(kInUse).
        // (POSIX has no share modes: there it is kReadWrite with creation.)
        kHold,
    };

    File() = default;
    File(const std::string& path, Access access);  // throws FileError(Open)
    // Takes over a handle the system has already opened (a descriptor on
    // POSIX), closing it when done.
    static File adopt(std::intptr_t handle);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const;
    void close();

    std::int64_t size() const;               // throws FileError(Io)
    std::int64_t position() const;           // throws FileError(Io)
    void seek(std::int64_t offset);          // from the start; throws FileError(Io)
    void seekToEnd();                        // throws FileError(Io)
    // Reads up to count bytes; fewer only at the end of the file.
    std::size_t read(void* buffer, std::size_t count);     // throws FileError(Io)
    // One request to the system: what it hands over at once, 0 at the end.
    // A caller that must know how far a failing read got reads this way.
    std::size_t readSome(void* buffer, std::size_t count); // throws FileError(Io)
    // Writes all of count bytes in one call to the system.
    void write(const void* buffer, std::size_t count);     // throws FileError(Io)
    // Cuts the file at the current position.
    void truncateHere();                                    // throws FileError(Io)

private:
    std::intptr_t handle_ = -1;
};

}  // namespace plk
