#pragma once

#include <vector>

#include "preview/scaled_surface.h"

namespace quill::testing {

// The reference renderer: a surface of colour integers, row by row, that draws no text.
class PixelSurface final : public ScaledSurface {
  public:
    PixelSurface(int width, int height, Color fill)
        : ScaledSurface(width, height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    Color Pixel(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * InnerWidth() + x];
    }
    int Fills() const { return fills_; }  // how many rectangles were filled
    PixelRect LastFill() const { return lastFill_; }

  protected:
    void FillPixels(const PixelRect& rect, Color color) override {
        ++fills_;
        lastFill_ = rect;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                pixels_[static_cast<std::size_t>(y) * InnerWidth() + x] = color;
            }
        }
    }
    void RenderText(std::u16string_view, TextRect&, std::uint32_t, Color, bool) override {}

  private:
    std::vector<Color> pixels_;
    int fills_ = 0;
    PixelRect lastFill_;
};

}  // namespace quill::testing
