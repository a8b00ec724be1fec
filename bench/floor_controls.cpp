// A floor for start-up timing: what any program with this window's controls must pay under Wine.
// Its window is captioned "Floor controls"; the start-up benchmark times it from process start to
// that window shown, alternating with the program, and compares medians.
// The same kinds and number of controls as the editor (3 push buttons, 4 check boxes, 2 drop-down combo
// boxes filled with the screen's font faces, 23 labels, 2 picture boxes painted with a 256-stroke
// gradient), common controls 6 through a manifest, a few fonts; no registry, no logic.
// Built also with its start-up phases marked (QUILL_STARTUP_MARKS), its font making, font
// enumeration and list filling timed as the program's are, and importing the colour dialog's
// library without calling it (FLOOR_IMPORTS_COMDLG32), to show what that import costs.
// In the program's language: the benchmark hands over its texts, their character set and whether
// the program's window was mirrored (QUILL_FLOOR_TEXTS: "R" or "L", the character set's number
// and '|', then the nine texts below, each ended by '|'); in English without.
#include <windows.h>
#include <commctrl.h>
#ifdef FLOOR_IMPORTS_COMDLG32
#include <commdlg.h>
#endif
#include "win32/profiling/startup_profile.h"
using quill::win32::StartupMark;
using quill::win32::StartupCost;
using quill::win32::StartupWork;
#include <cwchar>
#include <optional>
#include <vector>
#include <string>
static std::vector<std::wstring> faces;
static std::vector<std::wstring> texts{L"Apply", L"Cancel", L"XP Default", L"Bold", L"8 Point", L"9 Point",
                                       L"10 Point", L"Menu highlight color", L" Active titlebar"};
static bool mirrored = false;
static BYTE charset = 0;
static void readTexts() {
  static wchar_t given[4096];
  const DWORD length = GetEnvironmentVariableW(L"QUILL_FLOOR_TEXTS", given, 4096);
  if (length < 3 || length >= 4096) return;
  mirrored = given[0] == L'R';
  wchar_t* rest = nullptr;
  charset = static_cast<BYTE>(wcstoul(given + 1, &rest, 10));
  if (*rest != L'|') return;
  const std::wstring all(rest + 1);
  for (size_t i = 0, at = 0, end = 0; i < texts.size() && (end = all.find(L'|', at)) != std::wstring::npos; ++i, at = end + 1)
    texts[i] = all.substr(at, end - at);
}
static int CALLBACK onFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM) {
  if (lf->lfFaceName[0] != L'@') faces.emplace_back(lf->lfFaceName);
  return 1;
}
static LRESULT CALLBACK pic(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps{}; HDC dc = BeginPaint(h, &ps);
    RECT r{}; GetClientRect(h, &r);
    for (int i = 0; i < 256; ++i) {
      RECT s{r.right * i / 256, 0, r.right * (i + 1) / 256 + 1, r.bottom};
      HBRUSH b = CreateSolidBrush(RGB(10 + i * 156 / 255, 36 + i * 166 / 255, 106 + i * 134 / 255));
      FillRect(dc, &s, b); DeleteObject(b);
    }
    SetBkMode(dc, TRANSPARENT); SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, texts[8].c_str(), -1, &r, mirrored ? DT_RTLREADING : 0);
    EndPaint(h, &ps); return 0;
  }
  return DefWindowProcW(h, m, w, l);
}
static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_DESTROY) { PostQuitMessage(0); return 0; }
  return DefWindowProcW(h, m, w, l);
}
int WINAPI wWinMain(HINSTANCE hi, HINSTANCE, PWSTR, int show) {
  StartupMark("entry");
  readTexts();
#ifdef FLOOR_IMPORTS_COMDLG32
  if (GetCommandLineW() == nullptr) { CHOOSECOLORW never{}; ChooseColorW(&never); }
#endif
  SetProcessDPIAware();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES}; InitCommonControlsEx(&icc);
  StartupMark("common controls");
  WNDCLASSW wc{}; wc.lpfnWndProc = proc; wc.hInstance = hi; wc.lpszClassName = L"FloorC";
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1); wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  WNDCLASSW pc{}; pc.lpfnWndProc = pic; pc.hInstance = hi; pc.lpszClassName = L"FloorPic";
  RegisterClassW(&pc);
  HWND top = CreateWindowExW(mirrored ? WS_EX_LAYOUTRTL : 0, L"FloorC", L"Floor controls", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           CW_USEDEFAULT, 0, 295, 410, nullptr, nullptr, hi, nullptr);
  std::optional<StartupCost> cost(std::in_place, StartupWork::FontsMade);
  HFONT f1 = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, charset, 0, 0, 0, 0, L"Arial Narrow");
  HFONT f2 = CreateFontW(-11, 0, 0, 0, 400, 0, 0, 0, charset, 0, 0, 0, 0, L"Arial");
  HFONT f3 = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 128, 0, 0, 0, 0, L"MS PGothic");
  cost.emplace(StartupWork::FontList);
  HDC dc = GetDC(top);
  LOGFONTW any{}; any.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc, &any, onFace, 0, 0);
  ReleaseDC(top, dc);
  cost.reset();
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, HFONT f) {
    HWND c = CreateWindowW(cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, top, nullptr, hi, nullptr);
    SendMessageW(c, WM_SETFONT, (WPARAM)f, 0);
    return c;
  };
  child(L"BUTTON", texts[0].c_str(), BS_PUSHBUTTON | WS_TABSTOP, 8, 304, 65, 25, f1);
  child(L"BUTTON", texts[1].c_str(), BS_PUSHBUTTON | WS_TABSTOP, 80, 304, 65, 25, f1);
  child(L"BUTTON", texts[2].c_str(), BS_PUSHBUTTON | WS_TABSTOP, 216, 304, 65, 25, f1);
  for (int i = 0; i < 4; ++i) child(L"BUTTON", texts[3 + i].c_str(), BS_AUTOCHECKBOX | WS_TABSTOP, 8 + 70 * i, 40, 65, 13, f2);
  for (int y : {8, 176}) {
    HWND c = child(L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 8, y, 273, 300, f1);
    cost.emplace(StartupWork::ListFilling);
    for (auto& face : faces) SendMessageW(c, CB_ADDSTRING, 0, (LPARAM)face.c_str());
    cost.reset();
    SetWindowTextW(c, L"Tahoma");
  }
  for (int i = 0; i < 23; ++i)
    child(L"STATIC", i % 3 ? L"" : texts[7].c_str(), SS_NOTIFY, 8 + (i % 2) * 160, 64 + i * 10, 121, 17,
          i < 5 ? f3 : f2);
  child(L"FloorPic", L"", 0, 27, 64, 235, 17, f2);
  child(L"FloorPic", L"", 0, 27, 120, 235, 17, f2);
  StartupMark("window made");
  StartupMark("started");
  ShowWindow(top, show); UpdateWindow(top);
  StartupMark("shown");
  MSG msg{}; while (GetMessageW(&msg, nullptr, 0, 0)) { TranslateMessage(&msg); DispatchMessageW(&msg); }
  return 0;
}
