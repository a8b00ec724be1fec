#pragma once

// How many GDI objects, USER objects and kernel handles a process holds.
// Windows answers through GetGuiResources and GetProcessHandleCount; Wine
// answers 0 to both, so there the counts come from what Wine does keep:
// the process's GDI handle table (its PEB's GdiSharedHandleTable), its
// windows, and the system handle list.

#include <windows.h>

#include <string>

namespace quill::e2e {

struct Census {
    long gdiObjects = 0;
    long userObjects = 0;
    long kernelHandles = 0;
    bool operator==(const Census&) const = default;
    std::string ToString() const;
};

Census TakeCensus(HANDLE process, DWORD processId);

}  // namespace quill::e2e
