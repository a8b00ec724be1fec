#pragma once

// The editor's ports wrapped for the start-up profile: each call through a
// wrapper counts toward its kind of work in the phase it falls in
// (win32/profiling/startup_profile.h). What the editor asks of the store,
// the desktop's font list and the previews' drawing is timed here, at the
// port, not inside the program's services.

#include <functional>  // std::less
#include <map>
#include <string>

#include "ports/registry_store.h"
#include "ports/toolkit.h"
#include "win32/profiling/startup_profile.h"

namespace quill::bench {

using win32::StartupCost;
using win32::StartupWork;

class ProfiledStore final : public RegistryStore {
  public:
    explicit ProfiledStore(RegistryStore& store) : store_(store) {}
    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override {
        const StartupCost cost(StartupWork::RegistryCalls);
        return store_.OpenKey(parent, subKey, access, result);
    }
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        const StartupCost cost(StartupWork::RegistryCalls);
        return store_.QueryValue(key, valueName, type, data, length);
    }
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        const StartupCost cost(StartupWork::RegistryCalls);
        return store_.SetValue(key, valueName, type, data, length);
    }
    void CloseKey(KeyHandle key) override {
        const StartupCost cost(StartupWork::RegistryCalls);
        store_.CloseKey(key);
    }

  private:
    RegistryStore& store_;
};

// The font list is made at the first question, which this times.
class ProfiledDesktop final : public Desktop {
  public:
    explicit ProfiledDesktop(Desktop& desktop) : desktop_(desktop) {}
    int FontCount() const override {
        const StartupCost cost(StartupWork::FontList);
        return desktop_.FontCount();
    }
    std::u16string FontName(int index) const override {
        const StartupCost cost(StartupWork::FontList);
        return desktop_.FontName(index);
    }
    Color SysColor(int index) const override { return desktop_.SysColor(index); }
    FontRecord CurrentFontRecord(FontRole role) const override {
        return desktop_.CurrentFontRecord(role);
    }

  private:
    Desktop& desktop_;
};

// Every drawing call, whatever their order; a font set is no drawing (it
// makes a font, which counts as that).
class ProfiledPicture final : public PictureBox {
  public:
    explicit ProfiledPicture(PictureBox& picture) : picture_(picture) {}
    void SetDrawWidth(int pixels) override {
        Drawing([&] { picture_.SetDrawWidth(pixels); });
    }
    void SetScaleModePixels() override {
        Drawing([&] { picture_.SetScaleModePixels(); });
    }
    void SetScaleWidth(float width) override {
        Drawing([&] { picture_.SetScaleWidth(width); });
    }
    float ScaleWidth() const override { return picture_.ScaleWidth(); }
    float ScaleHeight() const override { return picture_.ScaleHeight(); }
    void Line(float x1, float y1, float x2, float y2, Color color) override {
        Drawing([&] { picture_.Line(x1, y1, x2, y2, color); });
    }
    Color ForeColor() const override { return picture_.ForeColor(); }
    void SetForeColor(Color c) override {
        Drawing([&] { picture_.SetForeColor(c); });
    }
    void SetBkModeTransparent() override {
        Drawing([&] { picture_.SetBkModeTransparent(); });
    }
    void DrawTextW(std::u16string_view text, TextRect& rect, std::uint32_t format) override {
        Drawing([&] { picture_.DrawTextW(text, rect, format); });
    }
    FontAttributes Font() const override { return picture_.Font(); }
    void SetFontName(std::u16string_view face) override { picture_.SetFontName(face); }
    void SetFontSize(float points) override { picture_.SetFontSize(points); }
    void SetFontBold(bool bold) override { picture_.SetFontBold(bold); }

  private:
    template <typename Call>
    static void Drawing(Call call) {
        const StartupCost cost(StartupWork::PreviewDrawing);
        call();
    }
    PictureBox& picture_;
};

class ProfiledToolkit final : public Toolkit {
  public:
    explicit ProfiledToolkit(Toolkit& toolkit) : toolkit_(toolkit), desktop_(toolkit.Screen()) {}
    Window& Form() override { return toolkit_.Form(); }
    Label& LabelNamed(std::string_view name) override { return toolkit_.LabelNamed(name); }
    CheckBox& CheckBoxNamed(std::string_view name) override { return toolkit_.CheckBoxNamed(name); }
    ComboBox& ComboBoxNamed(std::string_view name) override { return toolkit_.ComboBoxNamed(name); }
    CommandButton& ButtonNamed(std::string_view name) override {
        return toolkit_.ButtonNamed(name);
    }
    PictureBox& PictureNamed(std::string_view name) override {
        const auto found = pictures_.find(name);
        if (found != pictures_.end()) {
            return found->second;
        }
        return pictures_.try_emplace(std::string(name), toolkit_.PictureNamed(name)).first->second;
    }
    ColorChooser& CommonDialog() override { return toolkit_.CommonDialog(); }
    Desktop& Screen() override { return desktop_; }
    MessageBoxPort& Messages() override { return toolkit_.Messages(); }
    std::u16string Text(TextId id) const override { return toolkit_.Text(id); }
    void SetEventSink(EventSink* sink) override { toolkit_.SetEventSink(sink); }

  private:
    Toolkit& toolkit_;
    ProfiledDesktop desktop_;
    std::map<std::string, ProfiledPicture, std::less<>> pictures_;  // addresses stay
};

}  // namespace quill::bench
