#pragma once

// The editor over the in-memory toolkit and store, seeded with a known scheme.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appearance/scheme_table.h"
#include "editor/form1.h"
#include "editor/memory_toolkit.h"
#include "store/memory_store.h"
#include "store/text_codec.h"

namespace quill::testing {

inline constexpr std::string_view kColors = "Control Panel\\Colors";
inline constexpr std::string_view kMetrics = "Control Panel\\Desktop\\WindowMetrics";

// A 92-byte font record with the given byte 0, byte 16 and face.
inline FontRecord MakeRecord(std::uint8_t height, std::uint8_t weightLow,
                             std::u16string_view face) {
    FontRecord record(kFontRecordSize, 0);
    record[0] = height;
    record[1] = record[2] = record[3] = 0xFF;
    record[16] = weightLow;
    record[17] = weightLow == kBoldLow ? kBoldHigh : kNormalHigh;
    for (std::size_t i = 0; i < face.size(); ++i) {
        record[kFaceNameOffset + 2 * i] = static_cast<std::uint8_t>(face[i] & 0xFF);
        record[kFaceNameOffset + 2 * i + 1] = static_cast<std::uint8_t>(face[i] >> 8);
    }
    return record;
}

// Records the value names that reads ask for, in order, over a MemoryStore.
class ReadRecordingStore final : public RegistryStore {
  public:
    explicit ReadRecordingStore(MemoryStore& store) : store_(store) {}
    std::int32_t OpenKey(KeyHandle parent, std::string_view subKey, std::uint32_t access,
                         KeyHandle& result) override {
        return store_.OpenKey(parent, subKey, access, result);
    }
    std::int32_t QueryValue(KeyHandle key, std::string_view valueName, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& length) override {
        if (reads.empty() || reads.back() != valueName) {  // the 234 re-query is one read
            reads.emplace_back(valueName);
        }
        return store_.QueryValue(key, valueName, type, data, length);
    }
    std::int32_t SetValue(KeyHandle key, std::string_view valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t length) override {
        return store_.SetValue(key, valueName, type, data, length);
    }
    void CloseKey(KeyHandle key) override { store_.CloseKey(key); }

    std::vector<std::string> reads;

  private:
    MemoryStore& store_;
};

class EditorTest : public ::testing::Test {
  protected:
    EditorTest() {
        store.PutString(kColors, "MenuBar", "236 233 216");
        store.PutString(kColors, "MenuHilight", "49 106 197");
        store.PutString(kColors, "Menu", "212 219 200");
        store.PutString(kColors, "MenuText", "0 0 0");
        store.PutString(kColors, "ActiveTitle", "10 36 106");
        store.PutString(kColors, "GradientActiveTitle", "166 202 240");
        store.PutString(kColors, "TitleText", "255 255 255");
        store.PutString(kColors, "InactiveTitle", "128 128 128");
        store.PutString(kColors, "GradientInactiveTitle", "192 192 192");
        store.PutString(kColors, "InactiveTitleText", "212 208 200");
        SeedFonts(MakeRecord(kHeight8Point, kBoldLow, u"Tahoma"),
                  MakeRecord(kHeight9Point, kNormalLow, u"Tahoma"));
    }

    void SeedFonts(const FontRecord& caption, const FontRecord& menu) {
        store.Put(kMetrics, "CaptionFont", kRegBinary, caption);
        store.Put(kMetrics, "MenuFont", kRegBinary, menu);
    }

    // Start-up, then a clean log for the events that follow.
    void Load() {
        form.Form_Load();
        ui.ClearLog();
    }

    std::string Text(std::string_view name) {
        const auto value = store.Get(kColors, name);
        EXPECT_TRUE(value && value->type == kRegSz) << name;
        return value ? std::string(value->data.begin(), value->data.end() - 1) : "";
    }
    FontRecord Bytes(std::string_view name) {
        const auto value = store.Get(kMetrics, name);
        return value ? value->data : FontRecord{};
    }
    Color Back(std::string_view label) { return ui.LabelNamed(label).BackColor(); }
    int Value(std::string_view box) { return ui.CheckBoxNamed(box).Value(); }
    std::vector<int> PointBoxes() {
        return {Value("ckPoint8"), Value("ckPoint9"), Value("ckPoint10")};
    }
    bool ApplyFlag() { return ui.ButtonNamed("btnApply").Enabled(); }

    // The menu imitation shows the menu swatches and one face.
    void ExpectMenuInStep() {
        EXPECT_EQ(Back("MenuBar"), Back("MenuBarColor"));
        EXPECT_EQ(Back("MenuHilight"), Back("MenuHighlightColor"));
        EXPECT_EQ(Back("Menu"), Back("MenuHighlightColor"));
        EXPECT_EQ(Back("Label6"), Back("MenuColor"));
        EXPECT_EQ(Back("Label7"), Back("MenuColor"));
        for (auto name : {"MenuBar", "Label6", "Label7"}) {
            EXPECT_EQ(ui.LabelNamed(name).ForeColor(), Back("MenuTextColor")) << name;
        }
        for (auto name : {"MenuHilight", "Menu"}) {
            EXPECT_EQ(ui.LabelNamed(name).ForeColor(), kWhite) << name;
        }
        for (auto name : {"MenuHilight", "Label6", "Label7", "Menu"}) {
            EXPECT_EQ(ui.LabelNamed(name).FontName(), ui.LabelNamed("MenuBar").FontName()) << name;
        }
    }

    MemoryStore store;
    ReadRecordingStore recording{store};
    MemoryToolkit ui;
    Windows1252Codec codec;
    Form1 form{ui, recording, codec};
};

}  // namespace quill::testing
