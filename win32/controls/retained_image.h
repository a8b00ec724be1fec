#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "win32/services/handles.h"

namespace quill::win32 {

// A picture box's retained image: a 32-bit top-down DIB section that keeps
// what is drawn on it. Drawing is recorded and rendered into the image only
// when its pixels are wanted (Rendered), so a picture drawn over before
// anyone looks at it costs no rendering: a fill that, with the fills since
// some earlier one, covers the whole image drops everything recorded before
// that earlier fill. Rectangles are filled straight into the image's memory;
// text goes through GDI.
class RetainedImage {
  public:
    // Throws when the image cannot be made. It starts filled with `background`.
    // A mirrored image has its origin at the right, as a mirrored window's
    // device context has: it holds what such a window shows, its text
    // unmirrored, and is copied out as it is.
    RetainedImage(int width, int height, COLORREF background, bool mirrored = false);

    // Fills the part of the rectangle that lies inside the image.
    void Fill(const RECT& drawn, COLORREF color);
    // DrawTextW in the font, the colour and the background mode given.
    void Text(std::u16string_view text, const RECT& area, UINT format, COLORREF color,
              bool transparent, std::shared_ptr<const UniqueHfont> font);

    // The memory DC holding the image with everything recorded rendered.
    HDC Rendered();
    // The memory DC as it is, for what draws nothing (DT_CALCRECT).
    HDC Dc() const { return dc_.get(); }

  private:
    struct FillDrawing {
        RECT area;
        std::uint32_t pixel;  // the colour as the image stores it
    };
    struct TextDrawing {
        std::wstring text;
        RECT area;
        UINT format;
        COLORREF color;
        bool transparent;
        std::shared_ptr<const UniqueHfont> font;
    };
    void Record(std::variant<FillDrawing, TextDrawing> drawing);
    void Paint(const FillDrawing& fill);
    void Paint(const TextDrawing& text);

    int width_;
    int height_;
    bool mirrored_;
    UniqueMemoryDc dc_;
    UniqueHbitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;       // the DIB's memory, row by row from the top
    std::optional<ScopedSelect> selected_;  // the bitmap in dc_ while both live

    std::vector<std::variant<FillDrawing, TextDrawing>> recorded_;  // not rendered yet
    // The fills from recorded_[coverFrom_] on cover `covered_`, pixel by pixel;
    // none is counting when coverFrom_ is empty.
    std::optional<std::size_t> coverFrom_;
    std::vector<std::uint8_t> covered_;
    int uncovered_ = 0;
};

}  // namespace quill::win32
