#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "appearance/color_text.h"
#include "ports/texts.h"

namespace quill::win32 {

// How one control of a window is designed: a row of the window's design
// table. Places and sizes are in twips (15 to a pixel at 96 DPI) from the
// top-left corner of the window's client area.

enum class ControlKind { Label, Swatch, CheckBox, ComboBox, CommandButton, PictureBox, Line };
enum class TextAlign { Left, Center };
// The key that presses a button wherever the focus is: Enter the default
// button (while it is enabled), Escape the cancel button.
enum class DialogKey { None, Enter, Escape };

struct FontDesign {
    std::u16string_view face;  // empty: the window font
    float points = 0;
    bool bold = false;
    std::uint8_t charset = DEFAULT_CHARSET;
};

struct ControlDesign {
    std::string_view name;  // control arrays: "lbl(0)" .. "lbl(4)"
    ControlKind kind;
    TextId caption;
    // What a screen reader says for a control that shows no caption to take
    // a name from (swatches, previews, face lists), and for those alone: each
    // swatch the colour it edits, each preview and face list what it shows.
    // A text of its own, so that a label shortened for its room in a
    // language leaves the swatch beside it named in full.
    TextId spoken;
    int left, top, width, height;  // a Line runs across from (left, top) to (left + width, top)
    Color back, fore;              // a Line uses fore only
    FontDesign font;
    TextAlign align = TextAlign::Left;
    bool border = false;  // thin single-line border
    bool enabled = true;
    int tabIndex = -1;   // keyboard focus order; -1: not in it
    int stackRank = -1;  // overlapping labels, 0 the front one; -1: no overlap
    DialogKey key = DialogKey::None;
};

}  // namespace quill::win32
