#pragma once

// How many GDI objects, windows and kernel handles a process holds, as Wine
// keeps them (it answers 0 to GetGuiResources and GetProcessHandleCount): the
// process's GDI handle table (its PEB's GdiSharedHandleTable), its windows,
// and its entries in the system handle list.

#include <windows.h>

#include <string>

namespace quill::testing {

struct Census {
    long gdiObjects = 0;
    long userObjects = 0;
    long kernelHandles = 0;
    bool operator==(const Census&) const = default;
};

Census TakeCensus(HANDLE process, DWORD processId);

}  // namespace quill::testing
