// The library index file plkindex.dat: a plain sequence of 260-byte records,
// no header, no count. Loading and the write steps of a rebuild run.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "library/LibraryRecord.h"
#include "platform/File.h"

namespace plk {

using TLibrary = std::vector<TLibraryRecord>;

// The index's name, in the program's own folder.
const char kIndexFileName[] = "plkindex.dat";

// The most records a load takes: a million songs, 260 MB in memory. The
// largest collections people keep run to a few hundred thousand songs; an
// index far beyond that comes from a rebuild of a whole drive with "*.*",
// or is no index at all. A 32-bit program must also find the memory in one
// piece, which 260 MB still leaves room for.
const std::size_t kMaxIndexRecords = 1000000;

// An index with more records than a load takes. The text is the error box's.
class IndexTooLarge : public std::runtime_error {
public:
    IndexTooLarge(const std::string& path, std::int64_t records, std::size_t maxRecords);
};

// What the user is told when a rebuild filled the index: it holds count
// records, as many as a load takes, and the walk ended there.
std::string indexFullMessage(std::int64_t count);

// Loads the index at path. No file there (or a folder of that name): returns
// false and leaves library untouched. Otherwise replaces library with the
// file's whole records in file order (a trailing fragment is ignored) and
// returns true. The file is opened read-only, shared for reading and writing
// so that a running rebuild can keep writing, and so that a read-only index
// loads. Throws FileError when the file cannot be opened (library untouched)
// or a read fails (library holds the whole records read before the failure),
// and IndexTooLarge, library untouched, for more than maxRecords records.
bool loadIndex(const std::string& path, TLibrary& library, std::size_t maxRecords = kMaxIndexRecords);

// Replaces library with up to count whole records read from file's current
// position: fewer when the file ends first (a rebuild truncated it under us).
// A failed read throws FileError; library then holds the whole records read
// before it. When the memory for count records cannot be had, library is
// left as it was.
void readRecords(File& file, std::size_t count, TLibrary& library);

// The main window's reload: noLibrary says whether the file was missing.
// It is set before the file is opened, so a file that exists but cannot be
// read leaves noLibrary false, whatever loadIndex throws.
void reloadIndex(const std::string& path, TLibrary& library, bool& noLibrary);

// The writing side, used by a rebuild run.
class IndexWriter {
public:
    // Creates the file, or truncates it to zero length, and closes it at once.
    static void createEmpty(const std::string& path);

    // Opens the existing file shared for reading and writing, at its end.
    void open(const std::string& path);
    // Writes the whole record at the current end in one 260-byte write.
    void append(const TLibraryRecord& record);
    void close();
    bool isOpen() const { return file_.isOpen(); }

private:
    File file_;
};

}  // namespace plk
