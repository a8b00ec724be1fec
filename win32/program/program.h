#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win32/profiling/startup_profile.h"
#include "win32/program/editor_start.h"
#include "win32/services/error_boundary.h"
#include "win32/services/message_box.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_registry.h"
#include "win32/window/form_window.h"

namespace quill::win32 {

// The whole program: the common controls, the window, the registry, and the
// editor over the ports that `portsFor(window, registry)` gives (an
// EditorPorts) until the window closes. An error before the window exists
// (or one that no window caught) is shown as the window shows one, in a
// message box of its own. Returns the exit code.
template <typename PortsFor>
int RunProgram(HINSTANCE instance, int showCommand, PortsFor portsFor) {
    StartupMark("entry");
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    StartupMark("common controls");

    int exitCode = kExitAfterError;
    ErrorBoundary beforeWindow(
        [](const AppError& error) { AppMessageBox().ShowMessage(ErrorMessageText(error)); });
    beforeWindow.Run([&] {
        FormWindow window(instance);
        StartupMark("window made");
        WindowsRegistry registry;
        const WindowsAnsiCodec codec;
        exitCode = RunEditor(window, portsFor(window, registry), codec, showCommand);
    });
    return exitCode;
}

}  // namespace quill::win32
