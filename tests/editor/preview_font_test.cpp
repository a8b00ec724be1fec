// The previews' captions on screen in the size and weight the boxes choose.

#include "tests/editor/editor_fixture.h"

namespace quill::testing {
namespace {

// The caption's ink in the active preview: the pixels that are not the gradient, and the width
// and height of the box around them.
struct Ink {
    int pixels = 0, width = 0, height = 0;
};

TEST_F(EditorTest, ThePreviewCaptionGrowsWithTheChosenSizeAndBoldCoversMore) {
    Start();
    auto ink = [&] {
        const Image shown = Capture(Hwnd("ActivePic"));
        PixelSurface gradient(shown.width, shown.height, 0);
        PaintGradient(gradient, SplitColor(Back("ActiveTitleBar")),
                      SplitColor(Back("GradientActiveTitlebar")));
        int pixels = 0, left = shown.width, top = shown.height, right = 0, bottom = 0;
        for (int i = 0; i < shown.width * shown.height; ++i) {
            const int x = i % shown.width, y = i / shown.width;
            if (shown.At(x, y) != gradient.Pixel(x, y)) {
                ++pixels;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
        return Ink{pixels, right - left, bottom - top};
    };
    Ink seen[3][2];  // 8, 9 and 10 points; normal and bold
    for (const int bold : {0, 1}) {
        toolkit_.CheckBoxNamed("ckBold").SetValue(bold);
        for (int size = 0; size < 3; ++size) {
            Click("ckPoint" + std::to_string(8 + size));
            seen[size][bold] = ink();
        }
    }
    for (const int bold : {0, 1}) {  // wider at each size, taller at 10 points than at 8
        EXPECT_LT(seen[0][bold].width, seen[1][bold].width) << bold;
        EXPECT_LT(seen[1][bold].width, seen[2][bold].width) << bold;
        EXPECT_LT(seen[0][bold].height, seen[2][bold].height) << bold;
    }
    for (int size = 0; size < 3; ++size) {
        EXPECT_GT(seen[size][1].pixels, seen[size][0].pixels) << 8 + size;
    }
}

}  // namespace
}  // namespace quill::testing
