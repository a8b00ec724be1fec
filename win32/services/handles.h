#pragma once

#include <windows.h>

#include <unknwn.h>

#include <utility>

namespace quill::win32 {

// Owns one handle and releases it with Close when it goes out of scope.
// Copying is forbidden; moving hands the handle over.
template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) noexcept : handle_(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid; }
    Handle release() noexcept { return std::exchange(handle_, Invalid); }
    void reset(Handle h = Invalid) noexcept {
        Handle old = std::exchange(handle_, h);
        if (old != Invalid) {
            Close(old);
        }
    }

  private:
    Handle handle_ = Invalid;
};

using UniqueHkey = UniqueHandle<HKEY, ::RegCloseKey>;
using UniqueHfont = UniqueHandle<HFONT, ::DeleteObject>;
using UniqueHbitmap = UniqueHandle<HBITMAP, ::DeleteObject>;
using UniqueMemoryDc = UniqueHandle<HDC, ::DeleteDC>;
using UniqueHwnd = UniqueHandle<HWND, ::DestroyWindow>;
using UniqueModule = UniqueHandle<HMODULE, ::FreeLibrary>;

// One reference to a COM object, released with it.
inline void ReleaseInterface(IUnknown* object) {
    object->Release();
}
template <typename Interface>
using UniqueInterface = UniqueHandle<Interface*, ReleaseInterface>;

// Selects an object into a device context and puts the old one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (old_ != nullptr) {
            ::SelectObject(dc_, old_);
        }
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's device context, released when it goes out of scope.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(hwnd_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint as one object.
class PaintDc {
  public:
    explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
    ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const noexcept { return dc_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

}  // namespace quill::win32
