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

// Registers the window class `name` for windows that belong to objects of
// type T; registering it once more fails harmlessly.
template <typename T>
void RegisterObjectWindowClass(HINSTANCE instance, const wchar_t* name,
                               HBRUSH background = nullptr) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ObjectWindowProcedure<T>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    ::RegisterClassExW(&windowClass);
}

}  // namespace quill::win32
