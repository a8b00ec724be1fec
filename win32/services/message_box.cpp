#include "win32/services/message_box.h"

#include "win32/services/string_resources.h"
#include "win32/services/wide_text.h"

namespace quill::win32 {

void AppMessageBox::ShowMessage(std::u16string_view text) {
    // A language read from right to left is shown so, aligned to the right.
    const UINT reading = TextsReadRightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
    ::MessageBoxW(owner_, ToWide(text).c_str(), ToWide(LoadText(TextId::FormCaption)).c_str(),
                  MB_OK | reading);
}

}  // namespace quill::win32
