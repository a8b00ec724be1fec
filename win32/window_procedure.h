#pragma once

#include <windows.h>

namespace quill::win32 {

// The window procedure of a window class whose windows each belong to one
// C++ object of type T, passed as lpCreateParams and kept in GWLP_USERDATA.
// Each message runs T::OnMessage behind the object's error boundary
// (T::Guarded), so no exception crosses into Windows; messages that arrive
// before the object knows its window (T::Handle) go to DefWindowProc.
template <typename T>
LRESULT CALLBACK ObjectWindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->Handle() != hwnd) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!self->Guarded([&] { result = self->OnMessage(message, wParam, lParam); })) {
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return result;
}

}  // namespace quill::win32
