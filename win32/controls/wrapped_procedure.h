#pragma once

#include <windows.h>

#include <functional>

#include "win32/services/error_boundary.h"

namespace quill::win32 {

// A system control's window procedure, wrapped in place: the window's
// GWLP_WNDPROC is swapped for one that runs the handler behind the error
// boundary, and GWLP_USERDATA finds this wrap. (The common controls'
// SetWindowSubclass keeps its chain in a window property, which under Wine
// costs a request to the window server per message.) The handler passes on
// what it leaves through CallOwn; if it fails, the control's own procedure
// answers the message. The wrap gives the window its own procedure back when
// it goes, before the window itself goes.
class WrappedProcedure {
  public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    WrappedProcedure() = default;
    ~WrappedProcedure();
    WrappedProcedure(const WrappedProcedure&) = delete;
    WrappedProcedure& operator=(const WrappedProcedure&) = delete;

    // Wraps `window`; false if its procedure could not be swapped
    // (GetLastError tells why), and then the window stays as it was.
    bool Wrap(HWND window, ErrorBoundary& errors, Handler handler);

    // The control's own procedure.
    LRESULT CallOwn(UINT message, WPARAM wParam, LPARAM lParam) const;
    HWND Window() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;

    HWND window_ = nullptr;
    WNDPROC own_ = nullptr;  // null while nothing is wrapped
    ErrorBoundary* errors_ = nullptr;
    Handler handler_;
};

}  // namespace quill::win32
