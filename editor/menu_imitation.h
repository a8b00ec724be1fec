#pragma once

#include <array>
#include <string_view>

#include "ports/toolkit.h"

namespace quill {

// The five labels that imitate an opened menu: a bar with two titles, the
// second one highlighted as if opened, and a drop-down below it whose second
// item is highlighted. Nothing is drawn: the labels' colours and face are kept
// equal to the menu colours and the menu face being edited. `MenuHilight` and
// `Menu` keep their white design text whatever the menu text colour is.
struct MenuImitation {
    Label& MenuBar;      // the bar with its two titles
    Label& MenuHilight;  // the opened title on the bar
    Label& Label6;       // first item
    Label& Menu;         // second item, highlighted
    Label& Label7;       // third and fourth items

    // The orders in which the editor sets the face of all five labels.
    std::array<Label*, 5> BarFirst() const {
        return {&MenuBar, &MenuHilight, &Label6, &Label7, &Menu};
    }
    std::array<Label*, 5> ItemFirst() const {
        return {&Menu, &Label6, &Label7, &MenuHilight, &MenuBar};
    }
};

// Menu bar colour: the bar's background.
void CopyBarColor(const Label& swatch, MenuImitation& menu);
// Highlight colour: `MenuHilight`, then `Menu`.
void CopyHighlightColor(const Label& swatch, MenuImitation& menu);
// Menu background colour: `Label6`, then `Label7`.
void CopyMenuColor(const Label& swatch, MenuImitation& menu);
// Menu text colour: the text of `MenuBar`, `Label6`, then `Label7`.
void CopyTextColor(const Label& swatch, MenuImitation& menu);
// One face for the labels, in the given order; other font attributes stay.
void SetMenuFace(const std::array<Label*, 5>& labels, std::u16string_view face);

}  // namespace quill
