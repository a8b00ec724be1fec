#include "win32/controls/retained_image.h"

#include <algorithm>

#include "win32/services/windows_error.h"

namespace quill::win32 {
namespace {

// Past this many drawings not rendered, the image is rendered anyway: fills
// that never cover it whole would otherwise be kept without end.
constexpr std::size_t kMostRecorded = 4096;

// A COLORREF (red in the low byte) as a 32-bit DIB stores it (blue there).
std::uint32_t PixelOf(COLORREF color) {
    return (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace

RetainedImage::RetainedImage(int width, int height, COLORREF background, bool mirrored)
    : width_(width),
      height_(height),
      mirrored_(mirrored),
      dc_(::CreateCompatibleDC(nullptr)),
      covered_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    if (!dc_) {
        ThrowLastError("CreateCompatibleDC");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) {
        ThrowLastError("CreateDIBSection");
    }
    pixels_ = static_cast<std::uint32_t*>(bits);
    selected_.emplace(dc_.get(), bitmap_.get());
    Fill({0, 0, width, height}, background);
}

void RetainedImage::Fill(const RECT& drawn, COLORREF color) {
    // Filled straight into the image's memory, where GDI's mirroring does not
    // reach: a mirrored image's columns are counted from the right here.
    const LONG left = mirrored_ ? width_ - drawn.right : drawn.left;
    const LONG right = mirrored_ ? width_ - drawn.left : drawn.right;
    // What lies outside the image is cut off, or it would spill into the
    // next row or past the buffer.
    const RECT area{std::max(left, LONG{0}), std::max(drawn.top, LONG{0}),
                    std::min(right, LONG{width_}), std::min(drawn.bottom, LONG{height_})};
    if (area.left >= area.right || area.top >= area.bottom) {
        return;
    }
    if (!coverFrom_) {
        coverFrom_ = recorded_.size();
        std::ranges::fill(covered_, 0);
        uncovered_ = width_ * height_;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        const auto row = covered_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        for (auto pixel = row + area.left; pixel != row + area.right; ++pixel) {
            uncovered_ -= 1 - std::exchange(*pixel, 1);
        }
    }
    Record(FillDrawing{area, PixelOf(color)});
    if (coverFrom_ && uncovered_ == 0) {
        // The fills since coverFrom_ paint over all that came before them.
        recorded_.erase(recorded_.begin(),
                        recorded_.begin() + static_cast<std::ptrdiff_t>(*coverFrom_));
        coverFrom_.reset();
    }
}

void RetainedImage::Text(std::u16string_view text, const RECT& area, UINT format, COLORREF color,
                         bool transparent, std::shared_ptr<const UniqueHfont> font) {
    Record(TextDrawing{std::wstring(text.begin(), text.end()), area, format, color, transparent,
                       std::move(font)});
}

void RetainedImage::Record(std::variant<FillDrawing, TextDrawing> drawing) {
    recorded_.push_back(std::move(drawing));
    if (recorded_.size() > kMostRecorded) {
        Rendered();
    }
}

HDC RetainedImage::Rendered() {
    if (recorded_.empty()) {
        return dc_.get();
    }
    ::GdiFlush();  // GDI's drawing done before the memory is written
    for (const auto& drawing : recorded_) {
        std::visit([&](const auto& each) { Paint(each); }, drawing);
    }
    recorded_.clear();
    coverFrom_.reset();
    return dc_.get();
}

void RetainedImage::Paint(const FillDrawing& fill) {
    for (int y = fill.area.top; y < fill.area.bottom; ++y) {
        std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(y) * width_;
        std::fill(row + fill.area.left, row + fill.area.right, fill.pixel);
    }
}

void RetainedImage::Paint(const TextDrawing& text) {
    HDC dc = dc_.get();
    const ScopedSelect font(dc, text.font->get());
    ::SetTextColor(dc, text.color);
    ::SetBkMode(dc, text.transparent ? TRANSPARENT : OPAQUE);
    RECT area = text.area;
    UINT format = text.format;
    if (mirrored_) {
        // Placed as a mirrored device context would place it, drawn as an
        // unmirrored one draws it: Wine mirrors the glyphs of joined scripts
        // (Arabic) that a mirrored one draws, and a copy out of one would
        // mirror the whole image back. The reading's start is at the right.
        area = {width_ - text.area.right, text.area.top, width_ - text.area.left, text.area.bottom};
        format ^= (format & DT_CENTER) == 0 ? DT_RIGHT : 0;
    }
    ::DrawTextW(dc, text.text.data(), static_cast<int>(text.text.size()), &area, format);
    ::GdiFlush();
}

}  // namespace quill::win32
