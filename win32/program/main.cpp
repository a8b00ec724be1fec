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

    try {
        Toolkit toolkit(instance);
        StartupMark("window made");
        RegistryStore store;
        AnsiCodec codec;
        return RunEditor(toolkit, store, codec, showCommand);
    } catch (const quill::AppError& error) {
        // The window could not be made: the message box is all there is.
        AppMessageBox().ShowMessage(ErrorMessageText(error.Number(), error.Description()));
        return kExitAfterError;
    } catch (...) {
        return kExitAfterError;
    }
}
