#include "win32/controls/wrapped_procedure.h"

#include <utility>

namespace quill::win32 {

WrappedProcedure::~WrappedProcedure() {
    if (own_ != nullptr) {
        ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_));
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

bool WrappedProcedure::Wrap(HWND window, ErrorBoundary& errors, Handler handler) {
    window_ = window;
    errors_ = &errors;
    handler_ = std::move(handler);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    own_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    if (own_ == nullptr) {
        const DWORD why = ::GetLastError();
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::SetLastError(why);
    }
    return own_ != nullptr;
}

LRESULT WrappedProcedure::CallOwn(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::CallWindowProcW(own_, window_, message, wParam, lParam);
}

LRESULT CALLBACK WrappedProcedure::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    const auto* wrap =
        reinterpret_cast<const WrappedProcedure*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (!wrap->errors_->Run([&] { result = wrap->handler_(message, wParam, lParam); })) {
        result = wrap->CallOwn(message, wParam, lParam);
    }
    return result;
}

}  // namespace quill::win32
