// Times one GetRegistryValue and one SetRegistryValue against the real
// registry, below a scratch key of HKEY_CURRENT_USER that it deletes again.
// Prints median, minimum and maximum of many calls.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "store/registry_access.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_registry.h"

namespace {

constexpr const char* kScratch = "Software\\QuillmarBench";
constexpr const char16_t* kScratchText = u"Software\\QuillmarBench";
constexpr int kCalls = 2000;

double Milliseconds(LONGLONG ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return 1000.0 * static_cast<double>(ticks) / frequency;
}

void Report(const char* what, const std::function<void()>& call) {
    std::vector<double> times;
    times.reserve(kCalls);
    for (int i = 0; i < kCalls; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&start);
        call();
        ::QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(end.QuadPart - start.QuadPart));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %.4f ms  min %.4f ms  max %.4f ms  (%d calls)\n", what,
                times[times.size() / 2], times.front(), times.back(), kCalls);
}

}  // namespace

int main() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        std::printf("cannot create HKCU\\%s\n", kScratch);
        return 1;
    }
    ::RegCloseKey(key);

    quill::win32::WindowsRegistry store;
    quill::win32::WindowsAnsiCodec codec;
    quill::RegistryAccess access(store, codec);

    bool allWritten = true;
    Report("SetRegistryValue (text \"-270\")", [&] {
        allWritten &= access.SetRegistryValue(quill::kHkeyCurrentUser, kScratchText,
                                              u"CaptionHeight", std::u16string(u"-270"));
    });
    const quill::ByteArray record(92, 0x41);
    Report("SetRegistryValue (92-byte binary)", [&] {
        allWritten &=
            access.SetRegistryValue(quill::kHkeyCurrentUser, kScratchText, u"CaptionFont", record);
    });
    bool allRead = true;
    Report("GetRegistryValue (text)", [&] {
        allRead &= std::holds_alternative<std::u16string>(
            access.GetRegistryValue(kScratchText, u"CaptionHeight").value);
    });
    Report("GetRegistryValue (92-byte binary)", [&] {
        allRead &= std::holds_alternative<quill::ByteArray>(
            access.GetRegistryValue(kScratchText, u"CaptionFont").value);
    });

    ::RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    if (!allWritten || !allRead) {
        std::printf("some calls failed\n");
        return 1;
    }
    return 0;
}
