// The program: the editor over its window and the registry.

#include <windows.h>

#include <commctrl.h>

#include "win32/program/editor_start.h"
#include "win32/program/startup_marks.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_registry.h"
#include "win32/window/form_window.h"

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
        FormWindow toolkit(instance);
        StartupMark("window made");
        WindowsRegistry store;
        WindowsAnsiCodec codec;
        exitCode = RunEditor(toolkit, store, codec, showCommand);
    });
    return exitCode;
}
