// Many Apply passes over the in-memory store with random editor states and a
// random failing row (or none), each checked against an independent model of
// what the store and the two font records must then hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "editor/form1.h"
#include "editor/layout.h"
#include "editor/memory_toolkit.h"
#include "store/memory_store.h"
#include "store/text_codec.h"
#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

constexpr int kPasses = 10000;

using StoredValue = MemoryStore::StoredValue;
using ValueKey = std::pair<std::string, std::string>;  // key path, value name

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

StoredValue TextValue(const std::string& text) {
    ByteArray bytes(text.begin(), text.end());
    bytes.push_back(0);  // the store counts the terminator
    return {kRegSz, bytes};
}

// The colour text of a colour as the model computes it: a system-colour
// reference shows the desktop's current colour of its index.
std::string ModelColorText(Color c, const MemoryDesktop& desktop) {
    if (c < 0) {
        c = desktop.SysColor(c & 0xFF);
    }
    return std::to_string(c & 0xFF) + " " + std::to_string((c >> 8) & 0xFF) + " " +
           std::to_string((c >> 16) & 0xFF);
}

void ModelFace(FontRecord& record, const std::u16string& face) {
    for (std::size_t i = kFaceNameOffset; i < record.size(); ++i) {
        const std::size_t j = i - kFaceNameOffset;
        const std::size_t unit = j / 2;
        record[i] = unit < face.size() ? static_cast<std::uint8_t>(j % 2 == 0 ? face[unit] & 0xFF
                                                                              : face[unit] >> 8)
                                       : 0;
    }
}

struct EditorState {
    std::map<std::string, Color, std::less<>> swatches;
    std::u16string captionFace, menuFace;
    int point8 = 0, point9 = 0, point10 = 0;
    bool bold = false;
};

class ApplySoak : public ::testing::Test {
  protected:
    ApplySoak() {
        store.PutString(kColors, "MenuBar", "236 233 216");
        store.Put(kMetrics, "CaptionFont", kRegBinary,
                  MakeRecord(kHeight9Point, kBoldLow, u"Tahoma"));
        store.Put(kMetrics, "MenuFont", kRegBinary,
                  MakeRecord(kHeight9Point, kNormalLow, u"Tahoma"));
        toolkit.Desk().sysColors[5] = Rgb(255, 255, 255);
        form.Form_Load();
        form.btnApply.SetEnabled(true);  // as after any edit
    }

    EditorState RandomState() {
        static const std::u16string faces[] = {u"Tahoma",
                                               u"Arial",
                                               u"",
                                               u"ＭＳ Ｐゴシック",
                                               std::u16string(31, u'x'),
                                               std::u16string(32, u'y'),
                                               u"Segoe UI"};
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        EditorState s;
        for (std::string_view name : kSwatchNames) {
            // Now and then a swatch still holds a system-colour reference.
            s.swatches[std::string(name)] =
                pick(10) == 0 ? kSysWindowBackground : static_cast<Color>(random() & 0xFFFFFF);
        }
        // Mostly usable names, so that most passes write.
        s.captionFace = pick(4) == 0 ? faces[pick(7)] : faces[pick(2)];
        s.menuFace = pick(4) == 0 ? faces[pick(7)] : faces[pick(2) == 0 ? 0 : 3];
        s.point8 = pick(3);
        s.point9 = pick(3);
        s.point10 = pick(3);
        s.bold = pick(2) == 1;
        return s;
    }

    void Show(const EditorState& s) {
        for (const auto& [name, color] : s.swatches) {
            toolkit.LabelNamed(name).SetBackColor(color);
        }
        form.fontCmb.SetText(s.captionFace);
        form.menuCmb.SetText(s.menuFace);
        form.ckPoint8.SetValue(s.point8);
        form.ckPoint9.SetValue(s.point9);
        form.ckPoint10.SetValue(s.point10);
        form.ckBold.SetValue(s.bold ? kChecked : kUnchecked);
        toolkit.ClearLog();
    }

    std::map<ValueKey, std::optional<StoredValue>> Snapshot() const {
        std::map<ValueKey, std::optional<StoredValue>> values;
        for (const SchemeRow& row : kSchemeTable) {
            ValueKey key{Narrow(row.key), Narrow(row.valueName)};
            values[key] = store.Get(key.first, key.second);
        }
        return values;
    }

    std::mt19937 random{20261206};
    MemoryStore store;
    MemoryToolkit toolkit;
    Windows1252Codec codec;
    Form1 form{toolkit, store, codec};
};

TEST_F(ApplySoak, EveryPassLeavesExactlyWhatTheWriteTableSays) {
    FontRecord caption = form.CaptionFontBytes;
    FontRecord menu = form.MenuFontBytes;
    int written = 0, refused = 0, failed = 0;

    for (int pass = 0; pass < kPasses; ++pass) {
        const EditorState state = RandomState();
        Show(state);
        // A quarter of the passes meet no failure; the rest fail at a random row.
        const int failingRow = random() % 4 == 0 ? 0 : 1 + static_cast<int>(random() % 42);
        auto expected = Snapshot();
        store.FailNthSetValue(failingRow);

        toolkit.ClickButton("btnApply");
        store.FailNthSetValue(0);  // disarm, whatever the pass reached

        const bool refusedNames = state.captionFace.empty() || state.captionFace.size() > 31 ||
                                  state.menuFace.empty() || state.menuFace.size() > 31;
        const int lastWritten = refusedNames ? 0 : (failingRow == 0 ? 42 : failingRow - 1);
        for (const SchemeRow& row : kSchemeTable) {
            if (row.position > lastWritten) {
                break;
            }
            ValueKey key{Narrow(row.key), Narrow(row.valueName)};
            switch (row.source) {
                case SchemeSource::FixedText:
                    expected[key] = TextValue(Narrow(row.fixedText));
                    break;
                case SchemeSource::Swatch:
                    expected[key] = TextValue(
                        ModelColorText(state.swatches.at(std::string(row.swatch)), toolkit.Desk()));
                    break;
                case SchemeSource::CaptionFont:
                case SchemeSource::MenuFont:
                    break;  // below, once the records are modelled
            }
        }
        // The caption record is patched once the text rows are all written,
        // the menu record once both caption writes have succeeded.
        if (!refusedNames && (failingRow == 0 || failingRow >= 40)) {
            const int* boxes[] = {&state.point8, &state.point9, &state.point10};
            const std::uint8_t heights[] = {kHeight8Point, kHeight9Point, kHeight10Point};
            for (int i = 0; i < 3; ++i) {
                if (*boxes[i] == kChecked) {
                    caption[0] = heights[i];
                    break;
                }
            }
            caption[16] = state.bold ? kBoldLow : kNormalLow;
            caption[17] = state.bold ? kBoldHigh : kNormalHigh;
            ModelFace(caption, state.captionFace);
        }
        if (!refusedNames && (failingRow == 0 || failingRow == 42)) {
            ModelFace(menu, state.menuFace);
        }
        if (lastWritten >= 40) {
            expected[{std::string(kMetrics), "CaptionFont"}] = StoredValue{kRegBinary, caption};
        }
        if (lastWritten >= 41) {
            expected[{std::string(kMetrics), "SmCaptionFont"}] = StoredValue{kRegBinary, caption};
        }
        if (lastWritten >= 42) {
            expected[{std::string(kMetrics), "MenuFont"}] = StoredValue{kRegBinary, menu};
        }

        ASSERT_EQ(Snapshot(), expected) << "pass " << pass << ", failing row " << failingRow;
        ASSERT_EQ(form.CaptionFontBytes, caption) << "pass " << pass;
        ASSERT_EQ(form.MenuFontBytes, menu) << "pass " << pass;
        ASSERT_EQ(toolkit.Frame().Caption(), lastWritten == 42 ? u"Yes!" : u"Failed!")
            << "pass " << pass;
        ASSERT_EQ(store.OpenHandleCount(), 0u) << "pass " << pass;
        ASSERT_TRUE(form.btnApply.Enabled());
        (lastWritten == 42 ? written : refusedNames ? refused : failed)++;
    }
    std::printf("soak: %d Apply passes: %d complete, %d stopped at a failing row, %d refused\n",
                kPasses, written, failed, refused);
}

}  // namespace
}  // namespace quill::testing
