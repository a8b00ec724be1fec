#pragma once

// What the end-to-end tests need to drive the real program from outside:
// seeding and snapshotting the registry, starting a process and finding its
// windows with bounded waits, running a console tool and reading its output,
// and capturing window pixels.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quill::e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

inline constexpr const wchar_t* kColorsKey = L"Control Panel\\Colors";
inline constexpr const wchar_t* kMetricsKey = L"Control Panel\\Desktop\\WindowMetrics";
inline constexpr const wchar_t* kCaption = L"Registry editor for Quillmar";

// ---- paths ---------------------------------------------------------------

// A path of the Linux build tree as Wine's Z: drive sees it.
std::wstring WinePath(const std::string& unixPath);
std::wstring ProgramPath();  // the program under test
std::wstring ProbePath();    // tests/e2e probe.exe
// The folder for test artefacts (created on demand), in Windows form.
std::wstring ArtifactDir();

// ---- registry --------------------------------------------------------------

struct RegValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
    bool operator==(const RegValue&) const = default;
};
using KeySnapshot = std::map<std::wstring, RegValue>;  // by value name, as stored

RegValue Sz(const std::wstring& text);  // REG_SZ with its terminator
RegValue Dword(DWORD value);
RegValue Binary(std::vector<std::uint8_t> bytes);

// Deletes the key with everything below it and writes exactly these values.
void SeedKey(const wchar_t* key, const KeySnapshot& values);
// Every value of the key; empty when the key does not exist.
KeySnapshot Snapshot(const wchar_t* key);

// A 92-byte LOGFONTW record: byte 0 height (0xF5 = -11 etc., sign-extended),
// bytes 16-17 the weight, the face in UTF-16LE from offset 28.
std::vector<std::uint8_t> FontRecordBytes(int height, int weight, const std::wstring& face);

// ---- processes and windows -------------------------------------------------

// The program under test, killed when this object goes while it still runs.
class Process {
  public:
    // Starts the executable with an optional argument line; throws on failure.
    explicit Process(const std::wstring& exe, const std::wstring& args = L"");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    bool Running() const;
    // Waits for the process to end; the exit code, or nothing on timeout.
    std::optional<DWORD> WaitForExit(Millis timeout);
    void Kill();

  private:
    PROCESS_INFORMATION info_{};
};

// Polls until the predicate holds or the time is up.
bool WaitUntil(const std::function<bool()>& ready, Millis timeout, Millis step = 20ms);

// The process's top-level windows (visible ones only when asked).
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly);
std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// Waits for the process's visible top-level window with this caption. Fails
// fast (empty result, reason in `why`) when the process ends or shows
// another visible window (a message box) first.
HWND WaitForMainWindow(Process& process, Millis timeout, std::wstring& why);

// Waits for a visible dialog (#32770) of the process other than `except`.
HWND WaitForDialog(DWORD processId, HWND except, Millis timeout);

// A child control by its Windows control identifier.
HWND Control(HWND main, int controlId);

// A mouse click as the control would see it: press and release at its
// centre, posted (the handler may open a modal dialog).
void PostClick(HWND control);

// ---- console tools ---------------------------------------------------------

struct ToolResult {
    DWORD exitCode = 0;
    std::string output;  // stdout and stderr, as bytes
};
// Runs a command line to its end (bounded), collecting its output.
ToolResult RunTool(const std::wstring& commandLine, Millis timeout);

// The values that Wine's `reg query` lists for one key: name -> (type, data)
// with the data as `reg` prints it (hex for REG_BINARY).
struct RegQueryValue {
    std::string type;
    std::string data;
};
std::map<std::string, RegQueryValue> RegQuery(const std::wstring& key);

// The probe's lines, "name rest", as a map name -> rest.
std::map<std::string, std::string> RunProbe();

// ---- pixels ------------------------------------------------------------------

// A 32-bit top-down image; pixel (x, y) as 0x00RRGGBB.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

// The client area of a window as the screen shows it.
Image CaptureClient(HWND hwnd);
// The whole window, frame included, from the screen.
Image CaptureWindow(HWND hwnd);
// Writes a 32-bit BMP; returns false on failure.
bool SaveBmp(const Image& image, const std::wstring& path);

std::string Narrow(const std::wstring& text);

}  // namespace quill::e2e
