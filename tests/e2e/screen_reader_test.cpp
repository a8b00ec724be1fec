// The program as a screen reader reads it: from another process, through COM, Active
// Accessibility's client object of each control that the program names itself.

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/e2e/program.h"
#include "win32/services/handles.h"
#include "win32/services/text.h"

namespace quill::testing {
namespace {

using win32::UniqueInterface;
using Answer = std::pair<HRESULT, std::wstring>;

const VARIANT kSelf = [] {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}();

std::wstring Text(TextId id) {
    return win32::ToWide(win32::LoadText(id));
}

// AccessibleObjectFromWindow: what a reader gets, the program's answer to WM_GETOBJECT
// marshalled; CreateStdAccessibleObject: the platform's own object, made here.
template <auto Make>
UniqueInterface<IAccessible> ObjectOf(HWND window, LONG part = OBJID_CLIENT) {
    IAccessible* object = nullptr;
    Make(window, part, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return UniqueInterface<IAccessible>(object);
}

Answer NameOf(IAccessible& object, VARIANT child) {
    BSTR name = nullptr;
    Answer answer{object.get_accName(child, &name), name != nullptr ? name : L""};
    ::SysFreeString(name);
    return answer;
}

// The name as a late-bound client asks for it.
Answer InvokedNameOf(IAccessible& object) {
    VARIANT child = kSelf, name{};
    DISPPARAMS arguments{&child, nullptr, 1, 0};
    const HRESULT result = object.Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT,
                                         DISPATCH_PROPERTYGET, &arguments, &name, nullptr, nullptr);
    Answer answer{result, name.vt == VT_BSTR && name.bstrVal != nullptr ? name.bstrVal : L""};
    ::VariantClear(&name);
    return answer;
}

// 0, no role, where it fails.
LONG RoleOf(IAccessible& object) {
    VARIANT role{};
    const LONG known = object.get_accRole(kSelf, &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
    ::VariantClear(&role);
    return known;
}

HWND WindowOf(IAccessible& object) {
    HWND window = nullptr;
    ::WindowFromAccessibleObject(&object, &window);
    return window;
}

struct Asked {
    std::string control;
    HWND window;
    std::wstring name;
};

std::wstring WindowText(HWND window) {
    wchar_t text[128] = {};
    ::GetWindowTextW(window, text, 128);
    return text;
}

// Every window of the program with the name a reader is to hear: the controls, and the face
// lists' edit fields, which take the focus. The program names the controls that show no caption
// (each its own name); the platform names the rest by their text.
std::vector<Asked> Windows(const Program& program) {
    std::vector<Asked> windows;
    for (const win32::ControlDesign& design : win32::kFormControls) {
        const TextId spoken = win32::SpokenNameOf(design.name);
        const HWND window = program.Control(design.name);
        const std::wstring name = spoken != TextId::None ? Text(spoken) : WindowText(window);
        windows.push_back({std::string(design.name), window, name});
        if (design.kind == win32::ControlKind::ComboBox) {
            windows.push_back({std::string(design.name) + " edit field",
                               ::FindWindowExW(window, nullptr, L"Edit", nullptr), name});
        }
    }
    return windows;
}

class ScreenReader : public ::testing::Test {
  protected:
    ScreenReader() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ScreenReader() override {
        ::DeleteTimerQueueTimer(nullptr, deadline_, INVALID_HANDLE_VALUE);
        ::CoUninitialize();
    }
    // A blocked SendMessage or COM call waits for the program as long as it takes: after 30 s
    // the program is ended, which fails at once whatever still waits for it.
    void SetUp() override {
        ASSERT_TRUE(program_.main) << "no window";
        ::CreateTimerQueueTimer(&deadline_, nullptr, Expire, program_.process.hProcess, 30000, 0,
                                WT_EXECUTEONLYONCE);
    }
    static void CALLBACK Expire(void* process, BOOLEAN) {
        std::fputs("the program has not answered for 30 s: ended\n", stderr);
        std::fflush(stderr);
        ::TerminateProcess(process, 1);
    }

    // Each window the program names itself, asked through `ask`.
    void ExpectEachSpokenName(Answer (*ask)(IAccessible&)) const {
        for (const auto& [control, window, name] : Windows(program_)) {
            if (win32::SpokenNameOf(std::string_view(control).substr(0, control.find(' '))) ==
                TextId::None) {
                continue;
            }
            const UniqueInterface<IAccessible> object =
                ObjectOf<::AccessibleObjectFromWindow>(window);
            ASSERT_TRUE(object) << control;
            EXPECT_EQ(ask(*object.get()), Answer(S_OK, name)) << control;
        }
    }

    const Program program_;
    HANDLE deadline_ = nullptr;
};

// The role and the window are what the platform answers for the same window (Wine gives the edit
// fields ROLE_SYSTEM_TEXT). No two named controls sound alike, and their windows' text stays empty.
TEST_F(ScreenReader, HearsEveryControlsNameWithThePlatformsRoleAndWindow) {
    std::map<std::wstring, std::string> heard;
    for (const auto& [control, window, name] : Windows(program_)) {
        const UniqueInterface<IAccessible> object = ObjectOf<::AccessibleObjectFromWindow>(window);
        const UniqueInterface<IAccessible> platform = ObjectOf<::CreateStdAccessibleObject>(window);
        ASSERT_TRUE(object && platform) << control;
        EXPECT_NE(RoleOf(*platform.get()), 0) << control;
        EXPECT_EQ(std::tuple(NameOf(*object.get(), kSelf).second, RoleOf(*object.get()),
                             WindowOf(*object.get())),
                  std::tuple(name, RoleOf(*platform.get()), window))
            << control;
        const std::string_view base = std::string_view(control).substr(0, control.find(' '));
        if (win32::DesignOf(base).kind == win32::ControlKind::ComboBox) {
            continue;  // its text is the face it shows
        }
        if (win32::SpokenNameOf(base) != TextId::None) {
            EXPECT_TRUE(heard.emplace(name, control).second)
                << control << " sounds like " << heard[name];
            EXPECT_EQ(WindowText(window), L"") << control;
            // Only the client area has the name: the window's frame is the platform's.
            auto role = [](const UniqueInterface<IAccessible>& object) {
                return object ? RoleOf(*object.get()) : -1;
            };
            EXPECT_EQ(role(ObjectOf<::AccessibleObjectFromWindow>(window, OBJID_WINDOW)),
                      role(ObjectOf<::CreateStdAccessibleObject>(window, OBJID_WINDOW)))
                << control;
        }
    }
}

TEST_F(ScreenReader, HearsTheNameThroughIDispatch) {
    ExpectEachSpokenName(InvokedNameOf);
}

// Wine's own object refuses a VT_EMPTY child id (E_INVALIDARG); a reader means the object itself.
TEST_F(ScreenReader, HearsTheSameNameForAnEmptyChildId) {
    ExpectEachSpokenName([](IAccessible& object) { return NameOf(object, VARIANT{}); });
}

}  // namespace
}  // namespace quill::testing
