#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace quill::testing {

// How many GDI objects and top-level windows this process holds, as Wine keeps them (it answers 0
// to GetGuiResources): the live entries of its PEB's GdiSharedHandleTable; a child window goes too.
struct Census {
    long gdiObjects = 0, windows = 0;
};

// The table's address: at 0x94 in the 32-bit PEB, or, in a 64-bit prefix (WoW64), only in the
// 64-bit PEB (at 0xF8), whose 64-bit TEB (PEB at 0x60) the 32-bit TEB names at 0xF70.
inline const std::uint8_t* GdiHandleTable() {
    PROCESS_BASIC_INFORMATION process{};
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process,
                                sizeof process, nullptr);
    struct {
        LONG status;
        std::uintptr_t teb, rest[5];
    } thread{};  // THREAD_BASIC_INFORMATION
    ::NtQueryInformationThread(::GetCurrentThread(), THREADINFOCLASS{}, &thread, sizeof thread,
                               nullptr);
    auto at = [](std::uintptr_t address) {  // 32 bits, the low half of a 64-bit field
        return std::uintptr_t{*reinterpret_cast<const std::uint32_t*>(address)};
    };
    const std::uintptr_t table =
        at(reinterpret_cast<std::uintptr_t>(process.PebBaseAddress) + 0x94);
    const std::uintptr_t teb64 = at(thread.teb + 0xF70);
    return reinterpret_cast<const std::uint8_t*>(table || !teb64 ? table
                                                                 : at(at(teb64 + 0x60) + 0xF8));
}

inline Census TakeCensus() {
    // 65536 entries of 24 bytes each, byte 14 the object's type (0: a free entry).
    const std::uint8_t* table = GdiHandleTable();
    Census census;
    for (int i = 0; i < 0x10000; ++i) {
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
