#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preview/scaled_surface.h"

namespace quill {

// One DrawTextA call as the surface received it.
struct TextDraw {
    std::string text;
    TextRect rect;
    std::uint32_t format = 0;
    Color color = 0;
    bool transparent = false;
    bool operator==(const TextDraw&) const = default;
};

// An in-memory picture surface: a buffer of colour integers, row by row, and
// a record of the text drawn on it (glyphs are not rasterised). It is the
// reference renderer against which the Windows picture box is compared.
class PixelSurface : public ScaledSurface {
  public:
    PixelSurface(int innerWidth, int innerHeight, Color fill);

    Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    // Row-major, InnerWidth() colours a row.
    const std::vector<Color>& Pixels() const { return pixels_; }
    const std::vector<TextDraw>& TextDraws() const { return textDraws_; }

    // The image as a binary PPM (P6): each colour's red, green and blue byte.
    std::string ToPpm() const;
    // Writes ToPpm() to a file; false when it cannot be written.
    bool WritePpm(const std::string& path) const;

  protected:
    void FillPixels(const PixelRect& rect, Color color) override;
    void RenderText(std::string_view text, TextRect& rect, std::uint32_t format, Color color,
                    bool transparent) override;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(InnerWidth()) +
               static_cast<std::size_t>(x);
    }

    std::vector<Color> pixels_;
    std::vector<TextDraw> textDraws_;
};

}  // namespace quill
