#pragma once

// An in-memory realisation of the window toolkit, built from the window's
// design table, with drivers that act as the user would. The editor's tests
// run against it natively.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/toolkit.h"
#include "preview/pixel_surface.h"

namespace quill {

enum class MouseButton { Left, Right, Middle };

class MemoryToolkit;

class MemoryLabel final : public Label {
  public:
    MemoryLabel(std::string name, Color back, Color fore, std::u16string caption,
                FontAttributes font);
    const std::string& Name() const override { return name_; }
    Color BackColor() const override { return back_; }
    void SetBackColor(Color c) override { back_ = c; }
    Color ForeColor() const override { return fore_; }
    void SetForeColor(Color c) override { fore_ = c; }
    std::u16string Caption() const override { return caption_; }
    void SetCaption(std::u16string_view text) override { caption_ = text; }
    std::u16string FontName() const override { return font_.face; }
    void SetFontName(std::u16string_view face) override { font_.face = face; }
    const FontAttributes& Font() const { return font_; }

  private:
    std::string name_;
    Color back_;
    Color fore_;
    std::u16string caption_;
    FontAttributes font_;
};

class MemoryCheckBox final : public CheckBox {
  public:
    MemoryCheckBox(std::string name, MemoryToolkit& toolkit);
    const std::string& Name() const override { return name_; }
    int Value() const override { return value_; }
    // A change raises StateChange at once, nested.
    void SetValue(int state) override;
    // What a click or the space bar does to the box.
    void Toggle() { SetValue(value_ == kChecked ? kUnchecked : kChecked); }

  private:
    std::string name_;
    MemoryToolkit& toolkit_;
    int value_ = kUnchecked;
};

class MemoryComboBox final : public ComboBox {
  public:
    explicit MemoryComboBox(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const override { return name_; }
    void AddItem(std::u16string_view text) override { items_.emplace_back(text); }
    int ListCount() const override { return static_cast<int>(items_.size()); }
    std::u16string List(int index) const override { return items_.at(index); }
    std::u16string Text() const override { return text_; }
    void SetText(std::u16string_view text) override { text_ = text; }

  private:
    std::string name_;
    std::vector<std::u16string> items_;
    std::u16string text_;
};

class MemoryButton final : public CommandButton {
  public:
    MemoryButton(std::string name, bool enabled) : name_(std::move(name)), enabled_(enabled) {}
    const std::string& Name() const override { return name_; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

  private:
    std::string name_;
    bool enabled_;
};

// A picture box whose retained image is a pixel buffer. Every caption drawn
// on it is noted in the toolkit's log with the font it was drawn in.
class MemoryPicture final : public PixelSurface, public PictureBox {
  public:
    MemoryPicture(std::string name, int width, int height, Color fill, FontAttributes font,
                  MemoryToolkit& toolkit);
    const std::string& Name() const override { return name_; }
    FontAttributes Font() const override { return font_; }
    void SetFontName(std::u16string_view face) override { font_.face = face; }
    void SetFontSize(float points) override { font_.points = points; }
    void SetFontBold(bool bold) override { font_.bold = bold; }
    void DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) override;

    struct Caption {
        std::string text;
        Color color;
        FontAttributes font;
        bool operator==(const Caption&) const = default;
    };
    // Every caption drawn, oldest first.
    const std::vector<Caption>& Captions() const { return captions_; }

  private:
    std::string name_;
    FontAttributes font_;
    MemoryToolkit& toolkit_;
    std::vector<Caption> captions_;
};

// The colour dialog, answering from a script: each showing takes the next
// answer, a colour (confirmed) or nothing (cancelled). With no answer left
// the user cancels.
class MemoryColorDialog final : public ColorDialog {
  public:
    struct Showing {
        Color initial;
        std::int32_t flags;
        bool cancelError;
        bool operator==(const Showing&) const = default;
    };
    void Confirm(Color c) { answers_.emplace_back(c); }
    void Cancel() { answers_.emplace_back(std::nullopt); }
    const std::vector<Showing>& Showings() const { return showings_; }

    void SetCancelError(bool raise) override { cancelError_ = raise; }
    void SetFlags(std::int32_t flags) override { flags_ = flags; }
    void SetColor(Color c) override { color_ = c; }
    Color GetColor() const override { return color_; }
    void ShowColor() override;

  private:
    bool cancelError_ = false;
    std::int32_t flags_ = 0;
    Color color_ = 0;
    std::deque<std::optional<Color>> answers_;
    std::vector<Showing> showings_;
};

class MemoryDesktop final : public Desktop {
  public:
    MemoryDesktop();
    std::vector<std::u16string> fonts;
    std::map<int, Color> sysColors;  // indices not listed are black
    FontRecord captionFont;
    FontRecord menuFont;

    int FontCount() const override { return static_cast<int>(fonts.size()); }
    std::u16string FontName(int index) const override { return fonts.at(index); }
    Color SysColor(int index) const override;
    FontRecord CurrentFontRecord(FontRole role) const override;
};

class RecordingMessageBox final : public MessageBoxPort {
  public:
    void ShowMessage(std::u16string_view text) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

class MemoryWindow final : public Window {
  public:
    std::u16string Caption() const override { return caption_; }
    void SetCaption(std::u16string_view text) override { caption_ = text; }
    void Unload() override { unloaded_ = true; }
    bool Unloaded() const { return unloaded_; }

  private:
    std::u16string caption_;
    bool unloaded_ = false;
};

class MemoryToolkit final : public Toolkit {
  public:
    MemoryToolkit();
    ~MemoryToolkit() override;
    MemoryToolkit(const MemoryToolkit&) = delete;
    MemoryToolkit& operator=(const MemoryToolkit&) = delete;

    // Toolkit
    Window& Form() override { return window_; }
    Label& LabelNamed(std::string_view name) override { return Find(labels_, name); }
    CheckBox& CheckBoxNamed(std::string_view name) override { return Find(checkBoxes_, name); }
    ComboBox& ComboBoxNamed(std::string_view name) override { return Find(comboBoxes_, name); }
    CommandButton& ButtonNamed(std::string_view name) override { return Find(buttons_, name); }
    PictureBox& PictureNamed(std::string_view name) override { return Find(pictures_, name); }
    ColorDialog& CommonDialog() override { return dialog_; }
    Desktop& Screen() override { return desktop_; }
    MessageBoxPort& Messages() override { return messages_; }
    void SetEventSink(EventSink* sink) override { sink_ = sink; }

    // The user. Errors from the handlers pass to the caller.
    void ClickLabel(std::string_view name);
    void ClickButton(std::string_view name);  // a disabled button ignores it
    // Press and release a mouse button over a check box. Only the left button
    // released inside the box toggles it; MouseUp comes after the toggle.
    void ClickCheckBox(std::string_view name, MouseButton button = MouseButton::Left,
                       bool releaseInside = true);
    void PressSpace(std::string_view checkBox);  // toggles; no mouse events
    void ChooseListEntry(std::string_view comboBox, int index);
    void TypeText(std::string_view comboBox, std::u16string_view text);  // no event

    // What tests set up and look at.
    MemoryWindow& Frame() { return window_; }
    MemoryColorDialog& Dialog() { return dialog_; }
    MemoryDesktop& Desk() { return desktop_; }
    RecordingMessageBox& MessageLog() { return messages_; }
    MemoryLabel& LabelAt(std::string_view name) { return Find(labels_, name); }
    MemoryPicture& Picture(std::string_view name) { return Find(pictures_, name); }

    // Every event delivered and every caption drawn, in order: "ckBold.StateChange",
    // "ActivePic.DrawText"; two leading blanks per level of nesting in a handler.
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

    // Called by the controls.
    void Raise(std::string_view control, ControlEvent event);
    void Note(std::string_view control, std::string_view what);

  private:
    template <typename T>
    static T& Find(std::map<std::string, std::unique_ptr<T>, std::less<>>& controls,
                   std::string_view name);

    MemoryWindow window_;
    MemoryColorDialog dialog_;
    MemoryDesktop desktop_;
    RecordingMessageBox messages_;
    std::map<std::string, std::unique_ptr<MemoryLabel>, std::less<>> labels_;
    std::map<std::string, std::unique_ptr<MemoryCheckBox>, std::less<>> checkBoxes_;
    std::map<std::string, std::unique_ptr<MemoryComboBox>, std::less<>> comboBoxes_;
    std::map<std::string, std::unique_ptr<MemoryButton>, std::less<>> buttons_;
    std::map<std::string, std::unique_ptr<MemoryPicture>, std::less<>> pictures_;
    EventSink* sink_ = nullptr;
    int depth_ = 0;
    std::vector<std::string> log_;
};

}  // namespace quill
