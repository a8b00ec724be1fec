#pragma once

// The editor window. It holds the whole edit in its controls and four
// window-level fields; every operation of the program is one of its members.
// It is driven only through the toolkit's events, as a user would drive it.

#include <cstdint>
#include <string>
#include <string_view>

#include "appearance/color_text.h"
#include "appearance/font_record.h"
#include "editor/menu_imitation.h"
#include "ports/registry_store.h"
#include "ports/text_codec.h"
#include "ports/toolkit.h"
#include "store/registry_access.h"
#include "store/variant.h"

namespace quill {

class Form1 final : public EventSink {
  public:
    Form1(Toolkit& toolkit, RegistryStore& store, const AnsiCodec& codec);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Start-up: fills every control from the settings store and paints the
    // previews. Runs once, before the window is first shown; writes nothing.
    void Form_Load();

    // Routes a control's event to its handler. Errors pass to the caller.
    void OnEvent(std::string_view control, ControlEvent event) override;

    // The settings store, below HKEY_CURRENT_USER for reads. A key that
    // cannot be opened for reading is reported in a message box.
    Variant GetRegistryValue(std::u16string_view sKeyName, std::u16string_view ValueName,
                             const Variant& DefaultValue = Missing{});
    bool SetRegistryValue(KeyHandle hKey, std::u16string_view KeyName,
                          std::u16string_view ValueName, const Variant& value);

  private:
    // Handlers, one per control event.
    void btnApply_Click();
    void Command1_Click();
    void Command2_Click();
    void fontCmb_Click();
    void menuCmb_Click();
    void ckBold_Click();
    void SetApplyFlag();  // any mouse press on the bold or point-size boxes
    void ckPoint8_MouseUp();
    void ckPoint9_MouseUp();
    void ckPoint10_MouseUp();
    void ActiveTitleBar_Click();
    void GradientActiveTitlebar_Click();
    void ActiveTitle_Click();
    void InactiveTitlebar_Click();
    void GradientInactiveTitlebar_Click();
    void InactiveTitle_Click();
    void MenuBarColor_Click();
    void MenuColor_Click();
    void MenuHighlightColor_Click();
    void MenuTextColor_Click();

    // The window's own operations.
    void SplitColor(Color c);
    std::u16string ColorToText(const Label& swatch);
    void DrawTitlebarPreview(Color startColor, Color endColor, PictureBox& target) noexcept;
    void PickColor(Label& target) noexcept;
    void SetPreviewFontSize(std::int16_t size);

    // Start-up's reads, made safe against what the store holds.
    FontRecord ReadFontRecord(std::u16string_view valueName, FontRole role);
    void ReadSwatch(Label& swatch, std::u16string_view valueName);

    // The point-size box of 8, 9 or 10 points.
    CheckBox& PointBox(int size);
    void PointSizeInterlock(CheckBox& box, CheckBox& other1, CheckBox& other2, std::int16_t size);
    void RepaintActive();
    void RepaintInactive();
    // The colour a label shows for a colour integer: a system-colour
    // reference resolved to the desktop's current colour.
    Color ShownColor(Color c) const;
    void PatchCaptionFont();
    void PatchMenuFont();

    Toolkit& toolkit_;
    RegistryAccess registry_;

    // Window-level fields: the font records read at start-up, patched by
    // Apply, and the components that SplitColor hands back.
    FontRecord CaptionFontBytes;
    FontRecord MenuFontBytes;
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;

    // The controls, by their names.
    ComboBox& fontCmb;
    ComboBox& menuCmb;
    CheckBox& ckBold;
    CheckBox& ckPoint8;
    CheckBox& ckPoint9;
    CheckBox& ckPoint10;
    Label& ActiveTitleBar;
    Label& GradientActiveTitlebar;
    Label& ActiveTitle;
    Label& InactiveTitlebar;
    Label& GradientInactiveTitlebar;
    Label& InactiveTitle;
    Label& MenuBarColor;
    Label& MenuHighlightColor;
    Label& MenuColor;
    Label& MenuTextColor;
    PictureBox& ActivePic;
    PictureBox& InactivePic;
    Label& MenuBar;
    Label& MenuHilight;
    Label& Label6;
    Label& Label7;
    Label& Menu;
    CommandButton& btnApply;
    ColorChooser& CommonDialog;
    MenuImitation menu_;
};

}  // namespace quill
