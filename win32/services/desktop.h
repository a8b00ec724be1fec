#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ports/desktop.h"

namespace quill::win32 {

// The screen's fonts, the system colours and the desktop's current fonts.
class WindowsDesktop final : public Desktop {
  public:
    int FontCount() const override;
    std::u16string FontName(int index) const override;
    Color SysColor(int index) const override;
    FontRecord CurrentFontRecord(FontRole role) const override;

  private:
    const std::vector<std::u16string>& Faces() const;

    // Listed once, at the first question, so the order stays the same.
    mutable std::optional<std::vector<std::u16string>> faces_;
};

// Every font family GDI lists for any character set, each face once, sorted
// the way the platform compares names; faces for vertical writing ("@...")
// are left out: nobody wants one for a title bar.
std::vector<std::u16string> ListScreenFonts();

}  // namespace quill::win32
