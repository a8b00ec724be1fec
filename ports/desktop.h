#pragma once

#include <string>

#include "appearance/color_text.h"
#include "appearance/font_record.h"

namespace quill {

enum class FontRole { Caption, Menu };

// What the editor asks of the desktop it runs on.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // The screen's font faces, in a stable order.
    virtual int FontCount() const = 0;
    virtual std::u16string FontName(int index) const = 0;
    // The current colour of a system colour index.
    virtual Color SysColor(int index) const = 0;
    // The font record (LOGFONTW bytes) the desktop uses now for a role.
    virtual FontRecord CurrentFontRecord(FontRole role) const = 0;
};

}  // namespace quill
