#include "testing/process_census.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

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

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    *reinterpret_cast<long*>(count) += owner == ::GetCurrentProcessId() ? 1 : 0;
    return TRUE;
}

}  // namespace

Census TakeCensus() {
    // The table's address sits at 0x94 in the 32-bit PEB.
    PROCESS_BASIC_INFORMATION basic{};
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic,
                                sizeof basic, nullptr);
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + 0x94);
    Census census;
    for (int i = 0; i < 0x10000; ++i) {
        census.gdiObjects += table[i].type != 0 ? 1 : 0;
    }
    ::EnumChildWindows(::GetDesktopWindow(), CountWindow,
                       reinterpret_cast<LPARAM>(&census.windows));
    return census;
}

}  // namespace quill::testing
