// The calling thread in a single-threaded COM apartment for the life of a
// scope, as the shell's dialogs require of the thread that shows them.
// COM's library is looked up when first asked for, not imported: entering
// the apartment is left until the Play button shows.
#pragma once

#include <windows.h>

namespace plk {

class ComApartment {
public:
    // A thread already in an apartment of this kind stays in it (the count
    // goes up and down again). One in the multithreaded apartment cannot
    // join; the GUI thread never is, and the scope's work then goes ahead
    // as it can.
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// Frees memory that COM's task allocator handed out (the shell's item lists).
void freeTaskMemory(void* memory);

}  // namespace plk
