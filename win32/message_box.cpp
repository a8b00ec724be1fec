#include "win32/message_box.h"

#include "win32/form_design.h"
#include "win32/text.h"

namespace quill::win32 {

void AppMessageBox::ShowMessage(std::u16string_view text) {
    ::MessageBoxW(owner_, ToWide(text).c_str(), ToWide(LoadText(kFormDesign.caption)).c_str(),
                  MB_OK);
}

}  // namespace quill::win32
