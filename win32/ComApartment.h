// The calling thread in a single-threaded COM apartment for the life of a
// scope, as the shell's dialogs require of the thread that shows them.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace plk {

class ComApartment {
public:
    // A thread already in an apartment of this kind stays in it (the count
    // goes up and down again). One in the multithreaded apartment cannot
    // join; the GUI thread never is, and the scope's work then goes ahead
    // as it can.
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace plk
