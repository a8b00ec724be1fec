#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace quill::win32 {

// The libraries that spoken names are answered with, in the system folder.
// Tests give others, that lack a function.
struct SpokenNameLibraries {
    const wchar_t* com = L"ole32.dll";
    const wchar_t* automation = L"oleaut32.dll";
    const wchar_t* accessibility = L"oleacc.dll";
};

// Spoken names: what screen readers say for the controls that show no
// caption to take a name from (swatches, previews, face lists: the design
// table's spoken names). Such a control's own window procedure hands WM_GETOBJECT to Answer,
// which gives the platform's own accessible object for its client area,
// wrapped so that only its name differs; the window's text stays as it is.
// The libraries are loaded on the first such question, never at start-up,
// and only once: after a failure the platform's unnamed object answers.
class SpokenNames {
  public:
    explicit SpokenNames(const SpokenNameLibraries& libraries = {});
    ~SpokenNames();
    SpokenNames(const SpokenNames&) = delete;
    SpokenNames& operator=(const SpokenNames&) = delete;

    // The answer to WM_GETOBJECT for `hwnd`, whose spoken name is `name`: a
    // reference to the named client object, or 0 when the window's own
    // procedure is to answer (another object asked for, no name, a failure).
    LRESULT Answer(HWND hwnd, WPARAM wParam, LPARAM lParam, std::u16string_view name) noexcept;

    struct Libraries;

  private:
    std::shared_ptr<const Libraries> Load() noexcept;

    SpokenNameLibraries names_;
    std::shared_ptr<const Libraries> libraries_;  // each object keeps its own reference too
    bool failed_ = false;                         // loading failed: never tried again
    bool joined_ = false;                         // this object's apartment, to be left
};

}  // namespace quill::win32
