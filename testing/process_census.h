#pragma once

namespace quill::testing {

// How many GDI objects and windows this process holds, as Wine keeps them (it
// answers 0 to GetGuiResources): the live entries of the process's GDI handle
// table (its PEB's GdiSharedHandleTable), and its windows and their children.
struct Census {
    long gdiObjects = 0;
    long windows = 0;
};

Census TakeCensus();

}  // namespace quill::testing
