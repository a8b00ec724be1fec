#pragma once

#include <string>
#include <string_view>

#include "appearance/color_text.h"
#include "ports/color_chooser.h"
#include "ports/desktop.h"
#include "ports/message_box.h"
#include "ports/picture_surface.h"
#include "ports/texts.h"

namespace quill {

// What the editor relies on from the window toolkit: the window, its
// controls reached by name, their events, the colour chooser, the desktop and
// the message box.

enum class ControlEvent {
    Click,        // a label or button clicked
    StateChange,  // a check box's state changed, by the user or by the program
    MouseDown,    // a mouse button pressed over a check box (any button)
    MouseUp,      // a mouse button released after such a press, after the box toggled
    ListChoice,   // an entry chosen from a combo box's list
};

// Receives the controls' events; the editor window implements it.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void OnEvent(std::string_view control, ControlEvent event) = 0;
};

// A label: a caption, a background and a text colour, a font. A colour set is
// read back unchanged, system-colour references included.
class Label {
  public:
    virtual ~Label() = default;
    virtual Color BackColor() const = 0;
    virtual void SetBackColor(Color c) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color c) = 0;
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(std::u16string_view text) = 0;  // may hold CR LF
    virtual std::u16string FontName() const = 0;
    virtual void SetFontName(std::u16string_view face) = 0;  // other attributes stay
};

inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;

// A program change of the state raises StateChange at once, nested, when the
// state actually changes.
class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual int Value() const = 0;
    virtual void SetValue(int state) = 0;
};

// An editable text field with a drop-down list. Setting the text raises no
// event; typing raises none of the events the editor handles.
class ComboBox {
  public:
    virtual ~ComboBox() = default;
    virtual void AddItem(std::u16string_view text) = 0;
    virtual int ListCount() const = 0;
    virtual std::u16string List(int index) const = 0;
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
};

// A disabled button cannot be clicked.
class CommandButton {
  public:
    virtual ~CommandButton() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

struct FontAttributes {
    std::u16string face;
    float points = 0;
    bool bold = false;
    bool operator==(const FontAttributes&) const = default;
};

// A picture box: its retained drawing surface and the font its text uses.
class PictureBox : public virtual PictureSurface {
  public:
    virtual FontAttributes Font() const = 0;
    virtual void SetFontName(std::u16string_view face) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool bold) = 0;
};

class Window {
  public:
    virtual ~Window() = default;
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(std::u16string_view text) = 0;
    // Unloading the only window ends the program.
    virtual void Unload() = 0;
};

// The window and its controls, reached by name.
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    virtual Window& Form() = 0;
    virtual Label& LabelNamed(std::string_view name) = 0;
    virtual CheckBox& CheckBoxNamed(std::string_view name) = 0;
    virtual ComboBox& ComboBoxNamed(std::string_view name) = 0;
    virtual CommandButton& ButtonNamed(std::string_view name) = 0;
    virtual PictureBox& PictureNamed(std::string_view name) = 0;
    virtual ColorChooser& CommonDialog() = 0;
    virtual Desktop& Screen() = 0;
    virtual MessageBoxPort& Messages() = 0;
    // A text for people to read or hear, in the user's language.
    virtual std::u16string Text(TextId id) const = 0;
    // Where the controls' events go; null to stop them.
    virtual void SetEventSink(EventSink* sink) = 0;
};

}  // namespace quill
