// The program: the editor over its window and the registry.

#include "win32/program/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace quill::win32;
    return RunProgram(instance, showCommand, [](FormWindow& window, WindowsRegistry& registry) {
        return EditorPorts{window, registry};
    });
}
