#include "win32/message_box.h"

#include <string>

namespace quill::win32 {

void MessageBox::ShowMessage(std::u16string_view text) {
    const std::wstring wide(text.begin(), text.end());
    ::MessageBoxW(owner_, wide.c_str(), kAppTitle, MB_OK);
}

}  // namespace quill::win32
