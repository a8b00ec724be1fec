#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "appearance/color_text.h"
#include "appearance/font_record.h"
#include "store/message_box.h"

namespace quill {

// What the editor relies on from the window toolkit. The Windows realisation
// lives in win32/; an in-memory one serves the tests.

enum class ControlEvent {
    Click,        // a label or button clicked
    StateChange,  // a check box's state changed, by the user or by the program
    MouseDown,    // a mouse button pressed over a check box (any button)
    MouseUp,      // a mouse button released after such a press, after the box toggled
    ListChoice,   // an entry chosen from a combo box's list
};

// The event's name, for logs and test messages.
constexpr std::string_view EventName(ControlEvent event) {
    switch (event) {
        case ControlEvent::Click:
            return "Click";
        case ControlEvent::StateChange:
            return "StateChange";
        case ControlEvent::MouseDown:
            return "MouseDown";
        case ControlEvent::MouseUp:
            return "MouseUp";
        case ControlEvent::ListChoice:
            return "ListChoice";
    }
    return "?";
}

// Receives the controls' events; the editor window implements it.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void OnEvent(std::string_view control, ControlEvent event) = 0;
};

class Control {
  public:
    virtual ~Control() = default;
    virtual const std::string& Name() const = 0;
};

// A label: a caption, a background and a text colour, a font. A colour set is
// read back unchanged, system-colour references included.
class Label : public virtual Control {
  public:
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
inline constexpr int kGreyed = 2;

// A program change of the state raises StateChange at once, nested, when the
// state actually changes.
class CheckBox : public virtual Control {
  public:
    virtual int Value() const = 0;
    virtual void SetValue(int state) = 0;
};

// An editable text field with a drop-down list. Setting the text raises no
// event; typing raises none of the events the editor handles.
class ComboBox : public virtual Control {
  public:
    virtual void AddItem(std::u16string_view text) = 0;
    virtual int ListCount() const = 0;
    virtual std::u16string List(int index) const = 0;
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
};

// A disabled button cannot be clicked.
class CommandButton : public virtual Control {
  public:
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// The text rectangle of DrawTextA, in pixels (the RECT layout).
struct TextRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TextRect&) const = default;
};

// The retained drawing surface of a picture box: what is drawn stays until it
// is drawn over, and the window shows it from that image.
class PictureSurface {
  public:
    virtual ~PictureSurface() = default;
    virtual int DrawWidth() const = 0;
    virtual void SetDrawWidth(int pixels) = 0;
    // Scale width and height become the inner size in pixels.
    virtual void SetScaleModePixels() = 0;
    // The inner width now spans `width` units; the vertical unit stays.
    virtual void SetScaleWidth(float width) = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    // A line in the current units, current pen width, clipped to the surface.
    virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color c) = 0;  // also the text colour
    virtual void SetBkModeTransparent() = 0;
    // ANSI text, terminated; rectangle in pixels; DrawTextA's format flags.
    virtual void DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) = 0;
};

struct FontAttributes {
    std::u16string face;
    float points = 0;
    bool bold = false;
    bool operator==(const FontAttributes&) const = default;
};

class PictureBox : public virtual Control, public virtual PictureSurface {
  public:
    virtual FontAttributes Font() const = 0;
    virtual void SetFontName(std::u16string_view face) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool bold) = 0;
};

// The modal colour chooser, with the members of the classic colour dialog
// component. ShowColor returns when the user closes the dialog; a cancel
// throws AppError(kCancelErrorNumber) when CancelError is set.
class ColorDialog {
  public:
    virtual ~ColorDialog() = default;
    virtual void SetCancelError(bool raise) = 0;
    virtual void SetFlags(std::int32_t flags) = 0;
    virtual void SetColor(Color c) = 0;
    virtual Color GetColor() const = 0;
    virtual void ShowColor() = 0;
};

inline constexpr std::int32_t kColorDialogRgbInit = 1;   // start from Color
inline constexpr std::int32_t kColorDialogFullOpen = 2;  // custom colours shown
inline constexpr std::int32_t kCancelErrorNumber = 32755;
inline constexpr const char* kCancelErrorText = "Cancel was selected.";

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
    virtual ColorDialog& CommonDialog() = 0;
    virtual Desktop& Screen() = 0;
    virtual MessageBoxPort& Messages() = 0;
    // Where the controls' events go; null to stop them.
    virtual void SetEventSink(EventSink* sink) = 0;
};

}  // namespace quill
