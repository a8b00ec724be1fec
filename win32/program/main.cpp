// The program: the editor window over the Windows toolkit and the registry.

#include <windows.h>

#include <commctrl.h>

#include "win32/controls/toolkit.h"
#include "win32/program/editor_start.h"
#include "win32/program/startup_marks.h"
#include "win32/services/ansi_codec.h"
#include "win32/services/registry_store.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace quill::win32;
    StartupMark("entry");
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    StartupMark("common controls");

    // An error before the window exists (or one that no window caught) is
    // shown as the window shows one, in a message box of its own.
    int exitCode = kExitAfterError;
    ErrorBoundary beforeWindow(
        [](const quill::AppError& error) { AppMessageBox().ShowMessage(ErrorMessageText(error)); });
    beforeWindow.Run([&] {
        Toolkit toolkit(instance);
        StartupMark("window made");
        RegistryStore store;
        AnsiCodec codec;
        exitCode = RunEditor(toolkit, store, codec, showCommand);
    });
    return exitCode;
}
