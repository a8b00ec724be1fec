#pragma once

#include <optional>

#include "editor/form1.h"
#include "win32/program/startup_marks.h"
#include "win32/window/form_window.h"

namespace quill::win32 {

// Makes the editor over the window and runs its start-up behind the window's
// error boundary, before the window is first shown. False when start-up
// failed; the error has then been shown and the window must not appear.
inline bool StartEditor(FormWindow& toolkit, quill::RegistryStore& store,
                        const quill::AnsiCodec& codec, std::optional<Form1>& form) {
    return toolkit.Errors().Run([&] {
        form.emplace(toolkit, store, codec);
        form->Form_Load();
    });
}

// The program's life over a window already made: start-up, then the window
// shown and its messages dispatched until it closes. An error in start-up is
// shown and ends the program before the window appears. Returns the exit code.
inline int RunEditor(FormWindow& toolkit, quill::RegistryStore& store,
                     const quill::AnsiCodec& codec, int showCommand) {
    std::optional<Form1> form;
    if (!StartEditor(toolkit, store, codec, form)) {
        return kExitAfterError;
    }
    StartupMark("started");
    toolkit.Show(showCommand);
    StartupMark("shown");
    return toolkit.RunMessageLoop();
}

}  // namespace quill::win32
