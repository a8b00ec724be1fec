#pragma once

#include <windows.h>

#include "ports/message_box.h"

namespace quill::win32 {

// Shows the program's own messages: OK only, no icon, the application's
// title, owned by the main window once there is one.
class AppMessageBox final : public MessageBoxPort {
  public:
    explicit AppMessageBox(HWND owner = nullptr) noexcept : owner_(owner) {}
    void SetOwner(HWND owner) noexcept { owner_ = owner; }
    void ShowMessage(std::u16string_view text) override;

  private:
    HWND owner_;
};

}  // namespace quill::win32
