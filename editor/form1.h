#pragma once

// The editor window. (Sketch of the public face that the Windows program
// uses; the editor's implementation fills in the rest.)

#include <string_view>

#include "appearance/font_record.h"
#include "editor/toolkit.h"
#include "store/registry_access.h"
#include "store/registry_store.h"
#include "store/text_codec.h"

namespace quill {

class Form1 final : public EventSink {
  public:
    Form1(Toolkit& toolkit, RegistryStore& store, const AnsiCodec& codec);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Start-up: fills every control from the settings store and paints the
    // previews. Runs once, before the window is first shown.
    void Form_Load();

    // Routes a control's event to its handler. Errors pass to the caller.
    void OnEvent(std::string_view control, ControlEvent event) override;

  private:
    Toolkit& toolkit_;
    RegistryStore& store_;
    const AnsiCodec& codec_;
};

}  // namespace quill
