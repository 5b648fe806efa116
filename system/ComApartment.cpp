#include "system/ComApartment.h"

#include <objbase.h>

#include "system/SystemLibrary.h"

namespace plk {
namespace {

template <typename Function>
Function ole32Function(const char* name) {
    return systemFunction<Function>("ole32.dll", name);
}

}  // namespace

ComApartment::ComApartment() {
    using InitializeFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
    static const auto initialize = ole32Function<InitializeFunction>("CoInitializeEx");
    result_ = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_NOTIMPL;
}

ComApartment::~ComApartment() {
    using UninitializeFunction = void(WINAPI*)();
    static const auto uninitialize = ole32Function<UninitializeFunction>("CoUninitialize");
    if (SUCCEEDED(result_) && uninitialize) uninitialize();
}

void freeTaskMemory(void* memory) {
    using FreeFunction = void(WINAPI*)(LPVOID);
    static const auto freeMemory = ole32Function<FreeFunction>("CoTaskMemFree");
    if (memory && freeMemory) freeMemory(memory);
}

}  // namespace plk
