#pragma once

#include <windows.h>

namespace quill::testing {

// How many GDI objects and windows a process holds, as Wine keeps them (it
// answers 0 to GetGuiResources): the live entries of the process's GDI handle
// table (its PEB's GdiSharedHandleTable), and its windows.
struct Census {
    long gdiObjects = 0;
    long windows = 0;
    bool operator==(const Census&) const = default;
};

Census TakeCensus(HANDLE process, DWORD processId);

}  // namespace quill::testing
