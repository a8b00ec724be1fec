#include "tests/e2e/e2e_support.h"

#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "win32/handles.h"

namespace quill::e2e {

namespace {

using Clock = std::chrono::steady_clock;

void CloseHandleNoThrow(HANDLE h) noexcept {
    ::CloseHandle(h);
}
using UniqueHandle = win32::UniqueHandle<HANDLE, CloseHandleNoThrow>;

std::runtime_error Failure(const std::string& what) {
    return std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

}  // namespace

std::string Narrow(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    }
    return out;
}

// ---- paths -----------------------------------------------------------------

std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return path;
}

std::wstring ProgramPath() {
    return WinePath(QUILL_PROGRAM_PATH);
}
std::wstring ProbePath() {
    return WinePath(QUILL_PROBE_PATH);
}

std::wstring ArtifactDir() {
    std::wstring dir = WinePath(QUILL_ARTIFACT_DIR);
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

// ---- registry ----------------------------------------------------------------

RegValue Sz(const std::wstring& text) {
    RegValue v{REG_SZ, {}};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
    v.data.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
    return v;
}

RegValue Dword(DWORD value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    return {REG_DWORD, {bytes, bytes + sizeof value}};
}

RegValue Binary(std::vector<std::uint8_t> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

void SeedKey(const wchar_t* key, const KeySnapshot& values) {
    LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, key);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        throw std::runtime_error("cannot delete " + Narrow(key));
    }
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + Narrow(key));
    }
    win32::UniqueHkey hkey(raw);
    for (const auto& [name, value] : values) {
        if (RegSetValueExW(hkey.get(), name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot seed " + Narrow(name));
        }
    }
}

KeySnapshot Snapshot(const wchar_t* key) {
    KeySnapshot snapshot;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &raw) != ERROR_SUCCESS) {
        return snapshot;
    }
    win32::UniqueHkey hkey(raw);
    DWORD count = 0, maxName = 0, maxData = 0;
    RegQueryInfoKeyW(hkey.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                     &maxName, &maxData, nullptr, nullptr);
    for (DWORD i = 0; i < count; ++i) {
        std::wstring name(maxName + 1, L'\0');
        RegValue value;
        value.data.resize(maxData);
        DWORD nameLength = maxName + 1, dataLength = maxData;
        if (RegEnumValueW(hkey.get(), i, name.data(), &nameLength, nullptr, &value.type,
                          value.data.data(), &dataLength) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot enumerate " + Narrow(key));
        }
        name.resize(nameLength);
        value.data.resize(dataLength);
        snapshot[name] = std::move(value);
    }
    return snapshot;
}

std::vector<std::uint8_t> FontRecordBytes(int height, int weight, const std::wstring& face) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    std::vector<std::uint8_t> record(sizeof font);
    std::memcpy(record.data(), &font, sizeof font);
    return record;
}

// ---- processes and windows ---------------------------------------------------

Process::Process(const std::wstring& exe, const std::wstring& args) {
    std::wstring line = L"\"" + exe + L"\"";
    if (!args.empty()) {
        line += L" " + args;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        throw Failure("cannot start " + Narrow(exe));
    }
}

Process::~Process() {
    Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::Running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(Millis timeout) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Kill() {
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& ready, Millis timeout, Millis step) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        if (ready()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        Sleep(static_cast<DWORD>(step.count()));
    }
}

namespace {

struct WindowQuery {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND hwnd, LPARAM param) {
    auto& q = *reinterpret_cast<WindowQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == q.pid && (!q.visibleOnly || IsWindowVisible(hwnd))) {
        q.found.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly) {
    WindowQuery query{processId, visibleOnly, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

HWND WaitForMainWindow(Process& process, Millis timeout, std::wstring& why) {
    HWND main = nullptr;
    why.clear();
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(process.Id(), true)) {
                if (WindowText(w) == kCaption) {
                    main = w;
                    return true;
                }
                why = L"another window appeared first: class " + ClassName(w) + L", text \"" +
                      WindowText(w) + L"\"";
                return true;
            }
            if (!process.Running()) {
                DWORD code = 0;
                GetExitCodeProcess(process.Handle(), &code);
                why = L"the program ended with code " + std::to_wstring(code);
                return true;
            }
            return false;
        },
        timeout);
    if (main == nullptr && why.empty()) {
        why = L"no window captioned \"" + std::wstring(kCaption) + L"\" within " +
              std::to_wstring(timeout.count()) + L" ms";
    }
    return main;
}

HWND WaitForDialog(DWORD processId, HWND except, Millis timeout) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(processId, true)) {
                if (w != except && ClassName(w) == L"#32770") {
                    dialog = w;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return dialog;
}

HWND Control(HWND main, int controlId) {
    // Direct children only: a combo box's own edit field has an identifier too.
    return GetDlgItem(main, controlId);
}

void PostClick(HWND control) {
    RECT rc{};
    GetClientRect(control, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

// ---- console tools -----------------------------------------------------------

ToolResult RunTool(const std::wstring& commandLine, Millis timeout) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0)) {
        throw Failure("cannot create a pipe");
    }
    UniqueHandle readEnd(readRaw), writeEnd(writeRaw);
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info)) {
        throw Failure("cannot run " + Narrow(commandLine));
    }
    UniqueHandle process(info.hProcess), thread(info.hThread);
    writeEnd.reset();  // the child holds the only write end now: EOF when it ends

    ToolResult result;
    const auto deadline = Clock::now() + timeout;
    char buffer[4096];
    while (true) {
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr)) {
            break;  // broken pipe: the child has ended and everything is read
        }
        if (available > 0) {
            DWORD got = 0;
            if (!ReadFile(readEnd.get(), buffer, sizeof buffer, &got, nullptr) || got == 0) {
                break;
            }
            result.output.append(buffer, got);
            continue;
        }
        if (Clock::now() >= deadline) {
            TerminateProcess(process.get(), 99);
            throw std::runtime_error("timed out: " + Narrow(commandLine));
        }
        Sleep(5);
    }
    WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count()));
    GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}

std::map<std::string, RegQueryValue> RegQuery(const std::wstring& key) {
    ToolResult r = RunTool(L"reg.exe query \"HKCU\\" + key + L"\"", 20s);
    if (r.exitCode != 0) {
        throw std::runtime_error("reg query failed: " + r.output);
    }
    std::map<std::string, RegQueryValue> values;
    std::istringstream lines(r.output);
    std::string line;
    const std::string gap = "    ";
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // "    Name    REG_TYPE    data"
        if (line.rfind(gap, 0) != 0) {
            continue;
        }
        std::size_t typeAt = line.find(gap + "REG_", gap.size());
        if (typeAt == std::string::npos) {
            continue;
        }
        std::string name = line.substr(gap.size(), typeAt - gap.size());
        std::size_t dataAt = line.find(gap, typeAt + gap.size());
        RegQueryValue value;
        value.type = line.substr(typeAt + gap.size(), dataAt == std::string::npos
                                                          ? std::string::npos
                                                          : dataAt - typeAt - gap.size());
        if (dataAt != std::string::npos) {
            value.data = line.substr(dataAt + gap.size());
        }
        values[name] = value;
    }
    return values;
}

std::map<std::string, std::string> RunProbe() {
    ToolResult r = RunTool(L"\"" + ProbePath() + L"\"", 20s);
    if (r.exitCode != 0) {
        throw std::runtime_error("probe failed: " + r.output);
    }
    std::map<std::string, std::string> lines;
    std::istringstream in(r.output);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            lines[line.substr(0, space)] = line.substr(space + 1);
        }
    }
    return lines;
}

// ---- pixels --------------------------------------------------------------------

namespace {

Image CaptureScreenRect(const RECT& r) {
    Image image;
    image.width = r.right - r.left;
    image.height = r.bottom - r.top;
    if (image.width <= 0 || image.height <= 0) {
        return image;
    }
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = image.width;
    bmi.bmiHeader.biHeight = -image.height;  // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::WindowDc screen(nullptr);
    win32::UniqueHbitmap dib(
        CreateDIBSection(screen.get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!dib || !memory) {
        throw Failure("cannot create a capture bitmap");
    }
    {
        win32::ScopedSelect select(memory.get(), dib.get());
        BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), r.left, r.top, SRCCOPY);
        GdiFlush();
    }
    const auto* src = static_cast<const std::uint32_t*>(bits);
    image.pixels.assign(src, src + image.width * image.height);
    for (auto& p : image.pixels) {
        p &= 0x00FFFFFF;
    }
    return image;
}

}  // namespace

Image CaptureClient(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return CaptureScreenRect(rc);
}

Image CaptureWindow(HWND hwnd) {
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    return CaptureScreenRect(rc);
}

bool SaveBmp(const Image& image, const std::wstring& path) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = -image.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(image.pixels.size()) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;

    UniqueHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.get() == INVALID_HANDLE_VALUE) {
        out.release();
        return false;
    }
    DWORD written = 0;
    return WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
           WriteFile(out.get(), &info, sizeof info, &written, nullptr) &&
           WriteFile(out.get(), image.pixels.data(), pixelBytes, &written, nullptr);
}

}  // namespace quill::e2e
