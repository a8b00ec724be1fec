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
static_assert(sizeof(GdiHandleEntry) == 24);

long CountGdiTable(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    std::uint32_t table = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0 ||
        !ReadProcessMemory(process,
                           reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + 0x94,
                           &table, sizeof table, nullptr)) {
        return -1;
    }
    std::vector<GdiHandleEntry> entries(0x10000);
    if (!ReadProcessMemory(process,
                           reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)),
                           entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr)) {
        return -1;
    }
    long live = 0;
    for (const GdiHandleEntry& entry : entries) {
        live += entry.type != 0 ? 1 : 0;
    }
    return live;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto& [processId, count] = *reinterpret_cast<std::pair<DWORD, long>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
    return TRUE;
}

long CountSystemHandles(DWORD processId) {
    struct Entry {
        USHORT processId, creatorBackTrace;
        UCHAR objectType, attributes;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    std::vector<std::uint8_t> buffer(1 << 22);
    if (NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                 static_cast<ULONG>(buffer.size()), nullptr) != 0) {
        return -1;
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    long mine = 0;
    for (ULONG i = 0; i < count; ++i) {
        mine += entries[i].processId == static_cast<USHORT>(processId) ? 1 : 0;
    }
    return mine;
}

}  // namespace

Census TakeCensus(HANDLE process, DWORD processId) {
    std::pair<DWORD, long> windows{processId, 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {CountGdiTable(process), windows.second, CountSystemHandles(processId)};
}

}  // namespace quill::testing
