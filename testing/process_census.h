#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace quill::testing {

// How many GDI objects and top-level windows this process holds, as Wine keeps them (it answers 0
// to GetGuiResources): the live entries of its PEB's GdiSharedHandleTable; a child window goes too.
struct Census {
    long gdiObjects = 0, windows = 0;
};

inline Census TakeCensus() {
    // The table's address is at 0x94 in a 32-bit PEB and at 0xF8 in a 64-bit one; its 65536
    // entries are 24 bytes each in both, byte 14 the object's type (0: a free entry).
    constexpr std::size_t kTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    PROCESS_BASIC_INFORMATION basic{};
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic,
                                sizeof basic, nullptr);
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + kTableInPeb);
    Census census;
    for (int i = 0; table && i < 0x10000; ++i) {  // no table: nothing seen, which the test says
        census.gdiObjects += table[24 * i + 14] != 0 ? 1 : 0;
    }
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        census.windows += owner == ::GetCurrentProcessId() ? 1 : 0;
    }
    return census;
}

}  // namespace quill::testing
