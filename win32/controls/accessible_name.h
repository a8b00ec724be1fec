#pragma once

#include <windows.h>

#include <forward_list>
#include <memory>
#include <string>
#include <string_view>

namespace quill::win32 {

// Names that screen readers speak for controls that show no caption to take
// one from (swatches, previews, face lists). Each named window answers
// WM_GETOBJECT for its client area with the platform's own accessible object,
// wrapped so that only its name differs; the window's text stays as it is.
// The accessibility library is loaded on the first such question, never at
// start-up, and kept while this object lives; it outlives the named windows.
class AccessibleNames {
  public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Names `control` and its child windows (a combo box's edit field, which
    // takes the focus).
    void Give(HWND control, std::u16string name);

  private:
    struct Runtime;
    struct Named {
        AccessibleNames* owner;
        std::u16string name;
    };
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR named);
    static void Attach(HWND window, Named& named);
    LRESULT Answer(HWND hwnd, WPARAM wParam, std::u16string_view name) noexcept;
    const Runtime* LoadRuntime() noexcept;

    std::unique_ptr<Runtime> runtime_;
    std::forward_list<Named> named_;  // stays in place while windows point to it
};

}  // namespace quill::win32
