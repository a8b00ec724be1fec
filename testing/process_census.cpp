#include "testing/process_census.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace quill::testing {
namespace {

// One entry of the GDI handle table: 24 bytes on 32- and 64-bit alike.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;  // 0: a free entry
    std::uint8_t flags;
    std::uint64_t userPointer;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto& [processId, count] = *reinterpret_cast<std::pair<DWORD, long>*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    count += owner == processId ? 1 : 0;
    if (owner == processId) {
        ::EnumChildWindows(window, CountWindow, param);
    }
    return TRUE;
}

}  // namespace

Census TakeCensus(HANDLE process, DWORD processId) {
    PROCESS_BASIC_INFORMATION basic{};
    std::uint32_t table = 0;  // the table's address, in the 32-bit PEB at 0x94
    std::vector<GdiHandleEntry> entries(0x10000);
    ::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr);
    ::ReadProcessMemory(process, reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + 0x94,
                        &table, sizeof table, nullptr);
    ::ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)),
                        entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr);
    Census census;
    for (const GdiHandleEntry& entry : entries) {
        census.gdiObjects += entry.type != 0 ? 1 : 0;
    }
    std::pair<DWORD, long> windows{processId, 0};
    ::EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
    census.windows = windows.second;
    return census;
}

}  // namespace quill::testing
