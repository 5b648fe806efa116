// Owning wrappers for Win32 handles: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace plk {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    Type release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Type handle = Traits::invalid()) {
        if (Traits::valid(handle_)) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Type handle_ = Traits::invalid();
};

namespace handle_traits {

template <typename T, T Invalid, typename Closer>
struct Basic {
    using Type = T;
    static T invalid() { return Invalid; }
    static bool valid(T handle) { return handle != Invalid && handle != T(); }
    static void close(T handle) { Closer()(handle); }
};

struct CloseKernel { void operator()(HANDLE h) const { CloseHandle(h); } };
struct CloseKey { void operator()(HKEY h) const { RegCloseKey(h); } };
struct CloseGdi { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct CloseFind { void operator()(HANDLE h) const { FindClose(h); } };
struct CloseMenu { void operator()(HMENU h) const { DestroyMenu(h); } };
struct CloseIcon { void operator()(HICON h) const { DestroyIcon(h); } };

}  // namespace handle_traits

// Thread, event, file and other kernel handles (nullptr when absent).
using KernelHandle = UniqueHandle<handle_traits::Basic<HANDLE, nullptr, handle_traits::CloseKernel>>;
// Handles whose absence is INVALID_HANDLE_VALUE rather than nullptr.
template <typename Closer>
struct InvalidValueTraits : handle_traits::Basic<HANDLE, nullptr, Closer> {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
};
// FindFirstFile's search handle.
using FindHandle = UniqueHandle<InvalidValueTraits<handle_traits::CloseFind>>;
// CreateFile's file handle.
using FileHandle = UniqueHandle<InvalidValueTraits<handle_traits::CloseKernel>>;
using RegistryKey = UniqueHandle<handle_traits::Basic<HKEY, nullptr, handle_traits::CloseKey>>;
using MenuHandle = UniqueHandle<handle_traits::Basic<HMENU, nullptr, handle_traits::CloseMenu>>;
using IconHandle = UniqueHandle<handle_traits::Basic<HICON, nullptr, handle_traits::CloseIcon>>;

// Pens, brushes, fonts, bitmaps and regions.
template <typename T>
using GdiObject = UniqueHandle<handle_traits::Basic<T, nullptr, handle_traits::CloseGdi>>;
using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;

// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
struct CloseMemoryDc { void operator()(HDC h) const { DeleteDC(h); } };
using MemoryDc = UniqueHandle<handle_traits::Basic<HDC, nullptr, CloseMemoryDc>>;

// Selects an object into a DC for the life of a scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectObjectScope() { SelectObject(dc_, previous_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's device context (the screen's for nullptr), from GetDC, released
// at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of a WM_PAINT handler: BeginPaint, and EndPaint at the
// end of the scope.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace plk
