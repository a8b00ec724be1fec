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

constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0x94;  // 32-bit PEB
constexpr ULONG kSystemHandleInformation = 16;

// Live entries of the process's GDI handle table; under Wine the table is
// the process's own.
long CountGdiTable(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0) {
        return -1;
    }
    std::uint32_t table = 0;
    const auto* tableField =
        reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + kPebGdiTableOffset;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || table == 0) {
        return -1;
    }
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
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

struct WindowCount {
    DWORD processId;
    long windows;
};

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == count->processId) {
        ++count->windows;
        EnumChildWindows(hwnd, CountChild, reinterpret_cast<LPARAM>(&count->windows));
    }
    return TRUE;
}

long CountWindows(DWORD processId) {
    WindowCount count{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

long CountSystemHandles(DWORD processId) {
    struct Entry {
        USHORT processId;
        USHORT creatorBackTrace;
        UCHAR objectType;
        UCHAR attributes;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    std::vector<std::uint8_t> buffer(1 << 20);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(
            static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation), buffer.data(),
            static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
            const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
            long mine = 0;
            for (ULONG i = 0; i < count; ++i) {
                mine += entries[i].processId == static_cast<USHORT>(processId) ? 1 : 0;
            }
            return mine;
        }
        buffer.resize(buffer.size() * 4);
    }
    return -1;
}

}  // namespace

std::string Census::ToString() const {
    return "GDI " + std::to_string(gdiObjects) + ", USER " + std::to_string(userObjects) +
           ", handles " + std::to_string(kernelHandles);
}

Census TakeCensus(HANDLE process, DWORD processId) {
    return {CountGdiTable(process), CountWindows(processId), CountSystemHandles(processId)};
}

}  // namespace quill::testing
