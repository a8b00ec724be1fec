#include "win32/services/error_boundary.h"

#include <utility>

#include "win32/services/string_resources.h"
#include "win32/services/windows_ansi_codec.h"

namespace quill::win32 {

namespace {

// The text that says one of the program's own errors.
TextId TextOf(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::UnsupportedValueType:
            return TextId::UnsupportedValueType;
        case ErrorKind::Other:
            break;
    }
    return TextId::None;
}

}  // namespace

std::u16string ErrorMessageText(const AppError& error) {
    const WindowsAnsiCodec codec;
    const std::string description = error.Description();
    std::u16string numberText = codec.FromAnsi(std::to_string(error.Number()));
    std::u16string said;
    std::u16string frame;
    try {
        // The program's own error is said in the user's language; the
        // system's descriptions already are.
        const TextId own = TextOf(error.Kind());
        said = own != TextId::None ? LoadText(own) : codec.FromAnsi(description);
        frame = LoadText(TextId::ErrorMessage);
    } catch (const AppError&) {
        // A program without its texts still says what failed.
        return numberText + u": " + codec.FromAnsi(description);
    }
    // One pass: a description holding "%1" stays as it is. A frame ending in '%' reads its
    // terminating null after it, which is neither digit.
    std::u16string text;
    for (std::size_t i = 0; i < frame.size(); ++i) {
        if (frame[i] == u'%' && (frame[i + 1] == u'1' || frame[i + 1] == u'2')) {
            text += frame[++i] == u'1' ? numberText : said;
        } else {
            text += frame[i];
        }
    }
    return text;
}

void ErrorBoundary::Report(const AppError& error) noexcept {
    if (std::exchange(failed_, true)) {
        return;
    }
    try {
        reporter_(error);
    } catch (...) {  // NOLINT(bugprone-empty-catch): the program is ending anyway
        // Nothing more can be said.
    }
}

}  // namespace quill::win32
