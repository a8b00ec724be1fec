#include "win32/services/system_library.h"

#include <string>

namespace quill::win32 {

UniqueModule LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return UniqueModule(::LoadLibraryW((std::wstring(folder) + L"\\" + name).c_str()));
}

}  // namespace quill::win32
