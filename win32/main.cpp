// The program: the editor window over the Windows toolkit and the registry.

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "editor/form1.h"
#include "win32/ansi_codec.h"
#include "win32/dpi.h"
#include "win32/editor_start.h"
#include "win32/registry_store.h"
#include "win32/toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    quill::win32::DeclareDpiAwareness();
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    try {
        quill::win32::Toolkit toolkit(instance);
        quill::win32::RegistryStore store;
        quill::win32::AnsiCodec codec;
        std::optional<quill::Form1> form;
        // Start-up runs before the window is first shown; an error there is
        // shown and ends the program without showing it.
        if (!quill::win32::StartEditor(toolkit, store, codec, form)) {
            return 1;
        }
        toolkit.Show(showCommand);
        return toolkit.RunMessageLoop();
    } catch (...) {
        // Only the window's creation can get here: nothing to show it in.
        return 1;
    }
}
