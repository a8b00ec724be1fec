#include "editor/memory_toolkit.h"

#include <stdexcept>

#include "editor/layout.h"
#include "store/app_error.h"

namespace quill {

namespace {

// Twips to pixels at 96 DPI, rounded as MulDiv rounds.
int TwipsToPixels(int twips) {
    return (twips * 96 + 720) / 1440;
}

FontAttributes FontOf(const FontDesign& font) {
    if (font.face.empty()) {
        return {std::u16string(kFormDesign.font.face), kFormDesign.font.points,
                kFormDesign.font.bold};
    }
    return {std::u16string(font.face), font.points, font.bold};
}

// A 92-byte record of a 9-point regular face, as a desktop would report it.
FontRecord DesktopRecord(std::u16string_view face) {
    FontRecord record(kFontRecordSize, 0);
    record[1] = record[2] = record[3] = 0xFF;
    PatchCaptionRecord(record, 9, false, face);
    return record;
}

}  // namespace

MemoryLabel::MemoryLabel(std::string name, Color back, Color fore, std::u16string caption,
                         FontAttributes font)
    : name_(std::move(name)),
      back_(back),
      fore_(fore),
      caption_(std::move(caption)),
      font_(std::move(font)) {}

MemoryCheckBox::MemoryCheckBox(std::string name, MemoryToolkit& toolkit)
    : name_(std::move(name)), toolkit_(toolkit) {}

void MemoryCheckBox::SetValue(int state) {
    if (state == value_) {
        return;
    }
    value_ = state;
    toolkit_.Raise(name_, ControlEvent::StateChange);
}

MemoryPicture::MemoryPicture(std::string name, int width, int height, Color fill,
                             FontAttributes font, MemoryToolkit& toolkit)
    : PixelSurface(width, height, fill),
      name_(std::move(name)),
      font_(std::move(font)),
      toolkit_(toolkit) {}

void MemoryPicture::DrawTextA(std::string_view text, TextRect& rect, std::uint32_t format) {
    captions_.push_back({std::string(text), ForeColor(), font_});
    toolkit_.Note(name_, "DrawText");
    PixelSurface::DrawTextA(text, rect, format);
}

void MemoryColorDialog::ShowColor() {
    showings_.push_back({color_, flags_, cancelError_});
    std::optional<Color> answer;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (answer) {
        color_ = *answer;
    } else if (cancelError_) {
        throw AppError(kCancelErrorNumber, kCancelErrorText);
    }
}

MemoryDesktop::MemoryDesktop()
    : fonts{u"Arial", u"Tahoma", u"Verdana"},
      sysColors{{SystemColorIndex(kSysWindowBackground), kWhite},
                {SystemColorIndex(kSysWindowText), Rgb(0, 0, 0)},
                {SystemColorIndex(kSysButtonFace), Rgb(212, 208, 200)},
                {SystemColorIndex(kSysButtonText), Rgb(0, 0, 0)}},
      captionFont(DesktopRecord(u"Desktop Caption")),
      menuFont(DesktopRecord(u"Desktop Menu")) {}

Color MemoryDesktop::SysColor(int index) const {
    const auto found = sysColors.find(index);
    return found == sysColors.end() ? Rgb(0, 0, 0) : found->second;
}

FontRecord MemoryDesktop::CurrentFontRecord(FontRole role) const {
    return role == FontRole::Caption ? captionFont : menuFont;
}

MemoryToolkit::MemoryToolkit() {
    window_.SetCaption(kFormDesign.caption);
    for (const ControlDesign& design : kFormControls) {
        std::string name(design.name);
        switch (design.kind) {
            case ControlKind::Label:
            case ControlKind::Swatch:
                labels_.emplace(name, std::make_unique<MemoryLabel>(name, design.back, design.fore,
                                                                    std::u16string(design.caption),
                                                                    FontOf(design.font)));
                break;
            case ControlKind::CheckBox:
                checkBoxes_.emplace(name, std::make_unique<MemoryCheckBox>(name, *this));
                break;
            case ControlKind::ComboBox:
                comboBoxes_.emplace(name, std::make_unique<MemoryComboBox>(name));
                break;
            case ControlKind::CommandButton:
                buttons_.emplace(name, std::make_unique<MemoryButton>(name, design.enabled));
                break;
            case ControlKind::PictureBox: {
                const Color fill = IsSystemColor(design.back)
                                       ? desktop_.SysColor(SystemColorIndex(design.back))
                                       : design.back;
                pictures_.emplace(
                    name, std::make_unique<MemoryPicture>(name, TwipsToPixels(design.width),
                                                          TwipsToPixels(design.height), fill,
                                                          FontOf(design.font), *this));
                break;
            }
            case ControlKind::Line:
                break;  // nothing to reach: lines take no part in the edit
        }
    }
}

MemoryToolkit::~MemoryToolkit() = default;

template <typename T>
T& MemoryToolkit::Find(std::map<std::string, std::unique_ptr<T>, std::less<>>& controls,
                       std::string_view name) {
    const auto found = controls.find(name);
    if (found == controls.end()) {
        throw std::out_of_range("no such control: " + std::string(name));
    }
    return *found->second;
}

void MemoryToolkit::Raise(std::string_view control, ControlEvent event) {
    Note(control, EventName(event));
    if (sink_ == nullptr) {
        return;
    }
    ++depth_;
    try {
        sink_->OnEvent(control, event);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
}

void MemoryToolkit::Note(std::string_view control, std::string_view what) {
    log_.push_back(std::string(2 * static_cast<std::size_t>(depth_), ' ') + std::string(control) +
                   "." + std::string(what));
}

void MemoryToolkit::ClickLabel(std::string_view name) {
    Find(labels_, name);
    Raise(name, ControlEvent::Click);
}

void MemoryToolkit::ClickButton(std::string_view name) {
    if (Find(buttons_, name).Enabled()) {
        Raise(name, ControlEvent::Click);
    }
}

void MemoryToolkit::ClickCheckBox(std::string_view name, MouseButton button, bool releaseInside) {
    MemoryCheckBox& box = Find(checkBoxes_, name);
    Raise(name, ControlEvent::MouseDown);
    if (button == MouseButton::Left && releaseInside) {
        box.Toggle();
    }
    Raise(name, ControlEvent::MouseUp);
}

void MemoryToolkit::PressSpace(std::string_view checkBox) {
    Find(checkBoxes_, checkBox).Toggle();
}

void MemoryToolkit::ChooseListEntry(std::string_view comboBox, int index) {
    MemoryComboBox& box = Find(comboBoxes_, comboBox);
    box.SetText(box.List(index));
    Raise(comboBox, ControlEvent::ListChoice);
}

void MemoryToolkit::TypeText(std::string_view comboBox, std::u16string_view text) {
    Find(comboBoxes_, comboBox).SetText(text);
}

}  // namespace quill
