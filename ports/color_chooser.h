#pragma once

#include <optional>

#include "appearance/color_text.h"

namespace quill {

// A modal colour chooser: it opens with `initial` selected and the custom
// colours offered, and returns when the user closes it. The chosen colour
// (plain RGB), or nothing when the user cancelled or the chooser could not
// be shown; it throws nothing for either.
class ColorChooser {
  public:
    virtual ~ColorChooser() = default;
    virtual std::optional<Color> Choose(Color initial) = 0;
};

}  // namespace quill
