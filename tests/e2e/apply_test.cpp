// Editing and Apply with the real program under Wine: the store checked with
// Wine's own `reg` tool, then (in a later ctest step, after the Wine server
// has been restarted) what the desktop uses, read by the probe program.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "tests/e2e/e2e_test_support.h"
#include "tests/e2e/editor_session.h"
#include "tests/e2e/preview_check.h"

namespace quill::e2e {
namespace {

constexpr int kFaceOffset = 28;

// Values outside the scheme that Apply must leave alone.
const KeySnapshot kUnrelatedColors{{L"ButtonText", Sz(L"1 2 3")}};
const KeySnapshot kUnrelatedMetrics{{L"IconSpacing", Sz(L"-1125")}};

std::vector<std::uint8_t> WithFace(std::vector<std::uint8_t> record, const std::wstring& face) {
    std::fill(record.begin() + kFaceOffset, record.end(), 0);
    for (std::size_t i = 0; i < face.size(); ++i) {
        record[kFaceOffset + 2 * i] = static_cast<std::uint8_t>(face[i] & 0xFF);
        record[kFaceOffset + 2 * i + 1] = static_cast<std::uint8_t>(face[i] >> 8);
    }
    return record;
}

std::vector<std::uint8_t> CaptionPatched(std::vector<std::uint8_t> record, std::uint8_t height,
                                         const std::wstring& face) {
    record[0] = height;
    record[16] = 188;  // bold, 700
    record[17] = 2;
    return WithFace(std::move(record), face);
}

std::wstring FaceOfRecord(const std::vector<std::uint8_t>& record) {
    std::wstring face;
    for (std::size_t i = kFaceOffset; i + 1 < record.size(); i += 2) {
        wchar_t c = static_cast<wchar_t>(record[i] | (record[i + 1] << 8));
        if (c == 0) {
            break;
        }
        face += c;
    }
    return face;
}

// A caption face from the program's list other than the seeded "Tahoma".
std::wstring PickOtherFace(const EditorSession& editor) {
    HWND box = editor.Control("fontCmb");
    for (const wchar_t* candidate : {L"Liberation Sans", L"DejaVu Sans", L"Courier New",
                                     L"Times New Roman", L"Marlett", L"Symbol"}) {
        if (SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(candidate)) != CB_ERR) {
            return candidate;
        }
    }
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t entry[256] = {};
        if (SendMessageW(box, CB_GETLBTEXTLEN, i, 0) < 32 &&
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry)) > 0 &&
            entry[0] != L'@' && std::wstring(entry) != L"Tahoma") {
            return entry;
        }
    }
    throw std::runtime_error("the caption face list offers nothing but Tahoma");
}

// Checks with `reg query` that the store holds exactly the scheme written by
// a complete Apply, beside the unrelated values seeded before.
void ExpectStoreHolds(const std::map<std::string, std::string>& swatchColors,
                      const std::vector<std::uint8_t>& captionRecord,
                      const std::vector<std::uint8_t>& menuRecord) {
    const auto colors = RegQuery(kColorsKey);
    const auto expectedColors = AppliedColors(swatchColors);
    EXPECT_EQ(colors.size(), expectedColors.size() + kUnrelatedColors.size());
    for (const auto& [name, text] : expectedColors) {
        SCOPED_TRACE("Colors " + name);
        auto it = colors.find(name);
        ASSERT_NE(it, colors.end()) << "not written";
        EXPECT_EQ(it->second.type, "REG_SZ");
        EXPECT_EQ(it->second.data, text);
    }
    EXPECT_EQ(colors.count("ButtonText") ? colors.at("ButtonText").data : "", "1 2 3");

    const auto metrics = RegQuery(kMetricsKey);
    EXPECT_EQ(metrics.size(), kFixedSizes.size() + 3 + kUnrelatedMetrics.size());
    for (const auto& [name, text] : kFixedSizes) {
        SCOPED_TRACE("WindowMetrics " + name);
        auto it = metrics.find(name);
        ASSERT_NE(it, metrics.end()) << "not written";
        EXPECT_EQ(it->second.type, "REG_SZ");
        EXPECT_EQ(it->second.data, text);
    }
    const std::pair<const char*, const std::vector<std::uint8_t>*> records[] = {
        {"CaptionFont", &captionRecord},
        {"SmCaptionFont", &captionRecord},
        {"MenuFont", &menuRecord},
    };
    for (auto [name, expected] : records) {
        SCOPED_TRACE(name);
        auto it = metrics.find(name);
        ASSERT_NE(it, metrics.end()) << "not written";
        EXPECT_EQ(it->second.type, "REG_BINARY");
        EXPECT_EQ(HexBytes(it->second.data), *expected);
    }
    EXPECT_EQ(metrics.count("IconSpacing") ? metrics.at("IconSpacing").data : "", "-1125");
}

// What the desktop uses, read by the probe in a fresh process: the colours
// and sizes of the scheme, and the three fonts.
void ExpectDesktopUses(const std::map<std::string, std::string>& swatchColors,
                       const ProbeFont& caption, const ProbeFont& menu,
                       bool fontsFitStoredHeights) {
    const auto probe = RunProbe();
    for (const auto& [name, text] : AppliedColors(swatchColors)) {
        SCOPED_TRACE("colour " + name);
        ASSERT_TRUE(probe.count(name)) << "the probe does not report it";
        EXPECT_EQ(probe.at(name), text);
    }
    // Wine raises a caption, small-caption or menu height that is too small
    // for its font (10 pt bold captions need a 17-pixel small caption); it
    // takes the widths and the other sizes as stored.
    const std::set<std::string> raisedToFitFont{"CaptionHeight", "SmCaptionHeight", "MenuHeight"};
    for (const auto& [name, twips] : kFixedSizes) {
        SCOPED_TRACE("size " + name);
        ASSERT_TRUE(probe.count(name)) << "the probe does not report it";
        const int shown = std::stoi(probe.at(name));
        if (raisedToFitFont.count(name) && !fontsFitStoredHeights) {
            EXPECT_GE(shown, TwipsToPixels(twips));
        } else {
            EXPECT_EQ(shown, TwipsToPixels(twips));
        }
    }
    const std::pair<const char*, const ProbeFont*> fonts[] = {
        {"CaptionFont", &caption}, {"SmCaptionFont", &caption}, {"MenuFont", &menu}};
    for (auto [name, expected] : fonts) {
        SCOPED_TRACE(name);
        ProbeFont shown = ParseProbeFont(probe.at(name));
        EXPECT_EQ(shown.face, expected->face);
        EXPECT_EQ(shown.height, expected->height);
        EXPECT_EQ(shown.weight, expected->weight);
    }
}

// ---- an edit: swatch colour, caption face, 8 point, bold ----------------------

const auto kEditSeedCaption = FontRecordBytes(-12, 400, L"Tahoma");  // 9 pt, normal
const auto kEditSeedMenu = FontRecordBytes(-11, 400, L"Tahoma");
// Wine's colour dialog hands back its colour through hue, saturation and
// luminance; this one survives that round trip exactly (200 20 10 would not).
constexpr int kPickedRed = 200, kPickedGreen = 40, kPickedBlue = 10;

std::map<std::string, std::string> EditedSwatchColors() {
    auto colors = kDefaultSwatchColors;
    colors["ActiveTitle"] = "200 40 10";
    return colors;
}

TEST(EditAndApply, WritesTheEditedScheme) {
    SeedScheme(kDefaultSwatchColors, kEditSeedCaption, kEditSeedMenu, kUnrelatedColors,
               kUnrelatedMetrics);
    EditorSession editor;
    ASSERT_EQ(editor.CheckState("ckPoint9"), BST_CHECKED);
    ASSERT_EQ(editor.CheckState("ckBold"), BST_UNCHECKED);

    editor.PickColor("ActiveTitleBar", kPickedRed, kPickedGreen, kPickedBlue);
    const Color picked = Rgb(kPickedRed, kPickedGreen, kPickedBlue);
    const Color activeEnd = Rgb(166, 202, 240);
    EXPECT_TRUE(editor.Enabled("btnApply"));
    // The preview is repainted from the new start colour.
    PreviewComparison c{};
    EXPECT_TRUE(WaitUntil(
        [&] {
            c = ComparePreview(CaptureClient(editor.Control("ActivePic")), picked, activeEnd);
            return c.rightPixels > 0 && c.rightMismatches == 0;
        },
        5s))
        << "first: " << c.firstRightMismatch;

    const std::wstring face = PickOtherFace(editor);
    std::printf("caption face chosen: %s\n", Narrow(face).c_str());
    editor.ChooseFromList("fontCmb", face);
    EXPECT_TRUE(WaitUntil([&] { return editor.Text("fontCmb") == face; }, 5s));

    editor.Click("ckPoint8");
    EXPECT_TRUE(WaitUntil([&] { return editor.CheckState("ckPoint8") == BST_CHECKED; }, 5s));
    editor.Click("ckBold");
    EXPECT_TRUE(WaitUntil([&] { return editor.CheckState("ckBold") == BST_CHECKED; }, 5s));
    EXPECT_EQ(editor.CheckState("ckPoint9"), BST_UNCHECKED) << "the sizes did not interlock";

    editor.Press("btnApply");
    ASSERT_TRUE(editor.WaitForCaption(L"Yes!")) << "caption: " << Narrow(editor.Caption());
    EXPECT_TRUE(editor.Enabled("btnApply"));
    EXPECT_EQ(editor.Close(), 0u);

    ExpectStoreHolds(EditedSwatchColors(), CaptionPatched(kEditSeedCaption, 245, face),
                     kEditSeedMenu);
}

TEST(DesktopAfterEdit, UsesWhatTheEditorWrote) {
    if (!AfterServerRestart()) {
        GTEST_SKIP() << "runs after EditAndApply and a Wine server restart";
    }
    const auto written = RegQuery(kMetricsKey);
    ASSERT_TRUE(written.count("CaptionFont"));
    const std::string face = Narrow(FaceOfRecord(HexBytes(written.at("CaptionFont").data)));
    ASSERT_NE(face, "Tahoma") << "EditAndApply did not run before";
    ExpectDesktopUses(EditedSwatchColors(), {-11, 700, face}, {-11, 400, "Tahoma"}, true);
}

// ---- the default scheme ----------------------------------------------------------

const auto kOtherSeedCaption = FontRecordBytes(-12, 400, L"Courier New");
const auto kOtherSeedMenu = FontRecordBytes(-12, 400, L"Courier New");

TEST(DefaultAndApply, WritesTheDefaultScheme) {
    SeedScheme(kOtherSwatchColors, kOtherSeedCaption, kOtherSeedMenu, kUnrelatedColors,
               kUnrelatedMetrics);
    EditorSession editor;
    editor.Press("Command1");
    ASSERT_TRUE(WaitUntil([&] { return editor.Enabled("btnApply"); }, 5s));
    EXPECT_EQ(editor.Text("fontCmb"), L"Tahoma");
    EXPECT_EQ(editor.CheckState("ckPoint10"), BST_CHECKED);
    EXPECT_EQ(editor.CheckState("ckBold"), BST_CHECKED);

    editor.Press("btnApply");
    ASSERT_TRUE(editor.WaitForCaption(L"Yes!")) << "caption: " << Narrow(editor.Caption());
    EXPECT_EQ(editor.Close(), 0u);

    ExpectStoreHolds(kDefaultSwatchColors, CaptionPatched(kOtherSeedCaption, 243, L"Tahoma"),
                     WithFace(kOtherSeedMenu, L"Tahoma"));
}

TEST(DesktopAfterDefault, UsesTheDefaultScheme) {
    if (!AfterServerRestart()) {
        GTEST_SKIP() << "runs after DefaultAndApply and a Wine server restart";
    }
    ExpectDesktopUses(kDefaultSwatchColors, {-13, 700, "Tahoma"}, {-12, 400, "Tahoma"}, false);
}

}  // namespace
}  // namespace quill::e2e
