#include "testing/process_census.h"
#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// Apply after the font controls are edited, write n failing (43: none, a complete Apply).
class ApplyTest : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApplyTest, StopsAtTheFailedWriteKeepingWhatWasWritten) {
    auto expected = std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey));
    Start();
    const std::u16string face = toolkit_.ComboBoxNamed("fontCmb").List(1);
    ASSERT_NE(face, u"Tahoma");
    Choose("fontCmb", 1);  // the list's second face for both, 10 points, not bold
    Click("ckPoint10");
    Click("ckBold");
    Choose("menuCmb", 1);
    // Over what the keys held, a complete Apply's writes before the failed one, written by hand.
    const wchar_t *c = kColorsKey, *m = kMetricsKey;
    auto swatch = [&](const wchar_t* name) {
        return std::tuple(c, name, Sz(kDefaultColours.at(name)));
    };
    const RegValue caption = Binary(MakeRecord(-13, 144, face)),
                   menu = Binary(MakeRecord(-12, 144, face));
    // clang-format off
    const std::tuple<const wchar_t*, const wchar_t*, RegValue> writes[] = {
        {c, L"ActiveBorder", Sz("212 208 200")},        swatch(L"ActiveTitle"),
        {c, L"AppWorkspace", Sz("128 128 128")},        {c, L"Background", Sz("58 110 165")},
        {c, L"ButtonAlternateFace", Sz("181 181 181")}, {c, L"ButtonDkShadow", Sz("64 64 64")},
        {c, L"ButtonFace", Sz("212 208 200")},          {c, L"ButtonHilight", Sz("255 255 255")},
        {c, L"ButtonLight", Sz("212 208 200")},         {c, L"ButtonShadow", Sz("128 128 128")},
        swatch(L"GradientActiveTitle"),                 swatch(L"GradientInactiveTitle"),
        {c, L"GrayText", Sz("128 128 128")},            {c, L"Hilight", Sz("10 36 106")},
        {c, L"HotTrackingColor", Sz("0 0 128")},        {c, L"InactiveBorder", Sz("212 208 200")},
        swatch(L"InactiveTitle"),                       swatch(L"InactiveTitleText"),
        {c, L"Menu", Sz("212 208 200")},                {c, L"MenuBar", Sz("236 233 216")},
        {c, L"MenuHilight", Sz("49 106 197")},          {c, L"Scrollbar", Sz("212 208 200")},
        swatch(L"TitleText"),                           {c, L"Window", Sz("255 255 255")},
        {c, L"WindowFrame", Sz("0 0 0")},               {c, L"WindowText", Sz("0 0 0")},
        swatch(L"MenuText"),                            swatch(L"MenuBar"),
        swatch(L"MenuHilight"),                         swatch(L"Menu"),
        {m, L"BorderWidth", Sz("-15")},                 {m, L"CaptionHeight", Sz("-270")},
        {m, L"CaptionWidth", Sz("-270")},               {m, L"MenuHeight", Sz("-270")},
        {m, L"MenuWidth", Sz("-270")},                  {m, L"ScrollHeight", Sz("-240")},
        {m, L"ScrollWidth", Sz("-240")},                {m, L"SmCaptionHeight", Sz("-225")},
        {m, L"SmCaptionWidth", Sz("-180")},             {m, L"CaptionFont", caption},
        {m, L"SmCaptionFont", caption},                 {m, L"MenuFont", menu},
    };
    // clang-format on
    for (const auto& [key, name, value] : std::span(writes).first(std::min(GetParam() - 1, 42))) {
        (key == kColorsKey ? expected.first : expected.second)[name] = value;
    }
    store_.failWrite = GetParam();
    PressKey(VK_RETURN);  // Enter presses Apply
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), expected);
    EXPECT_EQ(toolkit_.Caption(),
              toolkit_.Text(GetParam() == 43 ? TextId::Applied : TextId::ApplyFailed));
    EXPECT_TRUE(ApplyFlag());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ApplyTest, ::testing::Range(1, 44));

TEST_F(EditorTest, ApplyWritesTheFirstCheckedSizeWholeAndRefusesBadFaceNamesBeforeAnyWrite) {
    SeedScheme(kDefaultColours, MakeRecord(8, 144, u"Tahoma"), MakeRecord(10, 144, u"Tahoma"));
    Start();            // a caption height kept in points
    Press("Command1");  // an edit: Apply can be pressed
    const std::wstring longest(31, L'x');
    // The size boxes, a face typed into a list, the caption height written (bytes 0-3; 0: refused).
    const std::tuple<std::vector<int>, const char*, std::wstring, int> cases[] = {
        {{0, 0, 0}, "fontCmb", L"Tahoma", 8},   {{1, 0, 1}, "fontCmb", L"Tahoma", -11},
        {{0, 1, 1}, "menuCmb", longest, -12},   {{0, 0, 1}, "fontCmb", longest, -13},
        {{0, 0, 0}, "fontCmb", L"Tahoma", -13}, {{1, 1, 0}, "fontCmb", L"Tahoma", -11},
        {{1, 0, 0}, "fontCmb", L"", 0},         {{1, 0, 0}, "menuCmb", L"", 0}};
    for (const auto& [boxes, list, face, height] : cases) {
        SeedKey(kColorsKey, {});
        SeedKey(kMetricsKey, {});
        SetBoxes(boxes);
        Type(list, face.c_str());
        Press("btnApply");
        EXPECT_EQ(toolkit_.Caption(),
                  toolkit_.Text(height != 0 ? TextId::Applied : TextId::ApplyFailed));
        auto caption = Snapshot(kMetricsKey)[L"CaptionFont"].data;  // none when refused
        caption.resize(4);
        EXPECT_EQ(caption[0] | caption[1] << 8 | caption[2] << 16 | caption[3] << 24, height);
        EXPECT_EQ(Snapshot(kColorsKey).empty(), height == 0);
        Type(list, L"Tahoma");
    }
}

TEST_F(EditorTest, AThousandRepaintsAHundredAppliesAndAWindowMadeAgainHoldNoMoreThanBefore) {
    Start();
    Choose("fontCmb", 0);  // one round of everything first: caches and fonts settle
    Choose("fontCmb", 1);
    Press("btnApply");
    const Census before = TakeCensus();
    for (int i = 0; i < 500; ++i) {
        Choose("fontCmb", i % 2);  // repaints both previews
    }
    for (int i = 0; i < 100; ++i) {
        Press("btnApply");
    }
    win32::FormWindow().Show(SW_SHOWNOACTIVATE);
    const Census after = TakeCensus();
    EXPECT_GT(before.gdiObjects, 0) << "the census cannot see the process";
    // Wine's caches make or free the odd GDI object; a leak in a repaint or Apply adds a hundred.
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 4);
    EXPECT_LE(after.windows, before.windows);
}

}  // namespace
}  // namespace quill::testing
