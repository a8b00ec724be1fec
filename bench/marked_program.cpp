// The program with its start-up phases marked, for the start-up benchmark's
// profile: the editor over its window and the registry, each wrapped so that
// what the editor asks of them is timed (bench/profiled_ports.h).

#include <optional>

#include "bench/profiled_ports.h"
#include "win32/program/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace quill;
    std::optional<bench::ProfiledToolkit> toolkit;
    std::optional<bench::ProfiledStore> store;
    return win32::RunProgram(
        instance, showCommand, [&](win32::FormWindow& window, win32::WindowsRegistry& registry) {
            return win32::EditorPorts{toolkit.emplace(window), store.emplace(registry)};
        });
}
