#include "preview/pixel_surface.h"

#include <algorithm>
#include <fstream>

namespace quill {

PixelSurface::PixelSurface(int innerWidth, int innerHeight, Color fill)
    : ScaledSurface(innerWidth, innerHeight),
      pixels_(static_cast<std::size_t>(InnerWidth()) * static_cast<std::size_t>(InnerHeight()),
              fill) {}

void PixelSurface::FillPixels(const PixelRect& rect, Color color) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(Index(rect.left, y)),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(Index(rect.right, y)), color);
    }
}

void PixelSurface::RenderText(std::string_view text, TextRect& rect, std::uint32_t format,
                              Color color, bool transparent) {
    textDraws_.push_back({std::string(text), rect, format, color, transparent});
}

std::string PixelSurface::ToPpm() const {
    std::string ppm =
        "P6\n" + std::to_string(InnerWidth()) + " " + std::to_string(InnerHeight()) + "\n255\n";
    ppm.reserve(ppm.size() + pixels_.size() * 3);
    for (Color c : pixels_) {
        ppm.push_back(static_cast<char>(c & 0xFF));
        ppm.push_back(static_cast<char>((c >> 8) & 0xFF));
        ppm.push_back(static_cast<char>((c >> 16) & 0xFF));
    }
    return ppm;
}

bool PixelSurface::WritePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    const std::string ppm = ToPpm();
    out.write(ppm.data(), static_cast<std::streamsize>(ppm.size()));
    return static_cast<bool>(out);
}

}  // namespace quill
