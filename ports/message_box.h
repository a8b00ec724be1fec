#pragma once

#include <string_view>

namespace quill {

// A modal message with an OK button only and the application's title; the
// caller goes on after the user closes it.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual void ShowMessage(std::u16string_view text) = 0;
};

}  // namespace quill
