#include "editor/menu_imitation.h"

namespace quill {

void CopyBarColor(const Label& swatch, MenuImitation& menu) {
    menu.MenuBar.SetBackColor(swatch.BackColor());
}

void CopyHighlightColor(const Label& swatch, MenuImitation& menu) {
    menu.MenuHilight.SetBackColor(swatch.BackColor());
    menu.Menu.SetBackColor(swatch.BackColor());
}

void CopyMenuColor(const Label& swatch, MenuImitation& menu) {
    menu.Label6.SetBackColor(swatch.BackColor());
    menu.Label7.SetBackColor(swatch.BackColor());
}

void CopyTextColor(const Label& swatch, MenuImitation& menu) {
    menu.MenuBar.SetForeColor(swatch.BackColor());
    menu.Label6.SetForeColor(swatch.BackColor());
    menu.Label7.SetForeColor(swatch.BackColor());
}

void SetMenuFace(const std::array<Label*, 5>& labels, std::u16string_view face) {
    for (Label* label : labels) {
        label->SetFontName(face);
    }
}

}  // namespace quill
