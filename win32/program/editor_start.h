#pragma once

#include <optional>

#include "editor/form1.h"
#include "win32/profiling/startup_profile.h"
#include "win32/window/form_window.h"

namespace quill::win32 {

// The ports the editor runs over: in the program, the window and the registry
// themselves; in the start-up benchmark's profile, wrappings of them.
struct EditorPorts {
    quill::Toolkit& toolkit;
    quill::RegistryStore& store;
};

// Makes the editor over the window and runs its start-up behind the window's
// error boundary, before the window is first shown. False when start-up
// failed; the error has then been shown and the window must not appear.
inline bool StartEditor(FormWindow& window, const EditorPorts& ports, const quill::AnsiCodec& codec,
                        std::optional<Form1>& form) {
    return window.Errors().Run([&] {
        form.emplace(ports.toolkit, ports.store, codec);
        form->Form_Load();
    });
}
inline bool StartEditor(FormWindow& window, quill::RegistryStore& store,
                        const quill::AnsiCodec& codec, std::optional<Form1>& form) {
    return StartEditor(window, EditorPorts{window, store}, codec, form);
}

// The program's life over a window already made: start-up, then the window
// shown and its messages dispatched until it closes. An error in start-up is
// shown and ends the program before the window appears. Returns the exit code.
inline int RunEditor(FormWindow& window, const EditorPorts& ports, const quill::AnsiCodec& codec,
                     int showCommand) {
    std::optional<Form1> form;
    if (!StartEditor(window, ports, codec, form)) {
        return kExitAfterError;
    }
    StartupMark("started");
    window.Show(showCommand);
    StartupMark("shown");
    return window.RunMessageLoop();
}
inline int RunEditor(FormWindow& window, quill::RegistryStore& store, const quill::AnsiCodec& codec,
                     int showCommand) {
    return RunEditor(window, EditorPorts{window, store}, codec, showCommand);
}

}  // namespace quill::win32
