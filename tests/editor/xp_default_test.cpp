#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

TEST_F(EditorTest, XpDefaultPutsEveryControlBackWithoutWritingAndCancelCloses) {
    SeedScheme({{L"MenuBar", "1 2 3"}}, MakeRecord(244, 144, u"Arial"),
               MakeRecord(244, 144, u"Arial"));
    const KeyValues colours = Snapshot(kColorsKey), metrics = Snapshot(kMetricsKey);
    Start();
    for (int press = 0; press < 2; ++press) {  // the second on the defaults: the same
        Press("Command1");
        EXPECT_EQ(std::pair(Text("fontCmb"), Text("menuCmb")),
                  std::pair(std::u16string(u"Tahoma"), std::u16string(u"Tahoma")));
        EXPECT_EQ(State("ckBold"), kChecked);
        EXPECT_EQ(PointBoxes(), (std::vector<int>{0, 0, 1}));
        EXPECT_EQ(PreviewFont("ActivePic"), (FontAttributes{u"Tahoma", 10, true}));
        EXPECT_EQ(PreviewFont("InactivePic"), (FontAttributes{u"Tahoma", 10, true}));
        EXPECT_EQ(L("Label6").FontName(), u"Tahoma");
        ExpectSwatches(kDefaultColours);
        ExpectMenuInStep();
        ExpectPreviews();
        EXPECT_TRUE(ApplyFlag());
    }
    Press("Command2");
    EXPECT_FALSE(::IsWindowVisible(toolkit_.Handle()));
    EXPECT_EQ(toolkit_.RunMessageLoop(), 0);
    EXPECT_EQ(std::pair(Snapshot(kColorsKey), Snapshot(kMetricsKey)), std::pair(colours, metrics));
}

}  // namespace
}  // namespace quill::testing
