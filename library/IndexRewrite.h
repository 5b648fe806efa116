// A rebuild's hold on the index file. The new records go straight into
// plkindex.dat as they are found, so the index stays the one file it is
// (its hard links, attributes and place kept); what it held before is kept
// in memory, so that a run that fails (a drive or share lost halfway) or is
// cut short by the end of the session can put it back byte for byte.
#pragma once

#include <string>
#include <vector>

#include "library/LibraryRecord.h"
#include "platform/File.h"

namespace plk {

class IndexRewrite {
public:
    // Holds the index at path, creating it when missing: while held, no
    // other program (another copy of this one, above all) can write it, and
    // every other program can still read it. Throws FileError, of kind
    // kInUse when another program holds it.
    void hold(const std::string& path);
    bool held() const { return file_.isOpen(); }

    // A run begins: the file's bytes are kept, then it is emptied. Can be
    // called again on a held index; it then keeps what the file holds now.
    // Throws FileError, or std::bad_alloc; the file is then as it was.
    void begin();
    // Writes the whole record at the end of the file in one 260-byte write.
    void append(const TLibraryRecord& record);
    // The run failed: the file gets back exactly the bytes begin() kept.
    void restore();
    // The run is over, whatever the file now holds; the hold ends.
    void release();

    // The bytes begin() kept, for the tests.
    const std::vector<unsigned char>& kept() const { return previous_; }

private:
    File file_;
    std::vector<unsigned char> previous_;
};

}  // namespace plk
