#pragma once

#include <string>
#include <vector>

#include "preview/scaled_surface.h"

namespace quill::testing {

// The reference renderer: a picture surface whose retained image is a buffer
// of colour integers, row by row. Text is not rasterised: each DrawTextA is
// kept with the colour it was drawn in.
class PixelSurface final : public ScaledSurface {
  public:
    struct Text {
        std::string text;
        TextRect rect;
        Color color;
        bool transparent;
    };

    PixelSurface(int width, int height, Color fill)
        : ScaledSurface(width, height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    const std::vector<Color>& Pixels() const { return pixels_; }
    const std::vector<Text>& Texts() const { return texts_; }
    // How many rectangles were filled.
    int Fills() const { return fills_; }

  protected:
    void FillPixels(const PixelRect& rect, Color color) override {
        ++fills_;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                pixels_[Index(x, y)] = color;
            }
        }
    }
    void RenderText(std::string_view text, TextRect& rect, std::uint32_t, Color color,
                    bool transparent) override {
        texts_.push_back({std::string(text), rect, color, transparent});
    }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(InnerWidth()) +
               static_cast<std::size_t>(x);
    }

    std::vector<Color> pixels_;
    std::vector<Text> texts_;
    int fills_ = 0;
};

}  // namespace quill::testing
