// Every control of the window as a screen reader asks for it: Active Accessibility's client object.

#include <oleacc.h>

#include <map>

#include "tests/editor/editor_fixture.h"
#include "win32/controls/toolkit.h"
#include "win32/services/handles.h"
#include "win32/services/text.h"

namespace quill::win32 {
namespace {

class AccessibleNameTest : public testing::WindowTest {
  protected:
    void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { ::CoUninitialize(); }

    static UniqueInterface<IAccessible> ClientObject(HWND window) {
        IAccessible* object = nullptr;
        EXPECT_EQ(::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)),
                  S_OK);
        return UniqueInterface<IAccessible>(object);
    }
    static std::wstring NameOf(IAccessible& object) {
        BSTR name = nullptr;
        object.get_accName(kSelf, &name);
        std::wstring text = name != nullptr ? name : L"";
        ::SysFreeString(name);
        return text;
    }
    static inline const VARIANT kSelf = [] {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }();
};

TEST_F(AccessibleNameTest, ControlsWithoutCaptionsHaveNamesOfTheirOwnTheRestTheirCaptions) {
    std::vector<HWND> windows;  // the controls and the windows inside them (the edit fields)
    for (HWND c = ::GetWindow(toolkit_.Handle(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        windows.push_back(c);
        for (HWND in = ::GetWindow(c, GW_CHILD); in; in = ::GetWindow(in, GW_HWNDNEXT)) {
            windows.push_back(in);
        }
    }
    std::map<std::wstring, std::string_view> spoken;  // each control's own name, by name
    for (HWND window : windows) {
        const HWND parent = ::GetParent(window);
        const HWND control = parent == toolkit_.Handle() ? window : parent;
        const ControlDesign& design =
            kFormControls.at(static_cast<std::size_t>(::GetDlgCtrlID(control) - kFirstControlId));
        const UniqueInterface<IAccessible> object = ClientObject(window);
        ASSERT_TRUE(object) << design.name;
        const std::wstring name = NameOf(*object.get());
        switch (design.kind) {
            case ControlKind::Swatch:
            case ControlKind::PictureBox:
            case ControlKind::ComboBox: {
                if (window != control) {  // a face list's edit field: the list's name
                    EXPECT_EQ(name, NameOf(*ClientObject(control).get())) << design.name;
                    break;
                }
                EXPECT_TRUE(spoken.emplace(name, design.name).second)
                    << design.name << " is named as " << spoken[name];
                // The rest is the platform's object, the window's own.
                const UniqueInterface<IAccessible> standard = [&] {
                    IAccessible* object = nullptr;
                    ::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object));
                    return UniqueInterface<IAccessible>(object);
                }();
                VARIANT role{}, platformRole{};
                object.get()->get_accRole(kSelf, &role);
                standard.get()->get_accRole(kSelf, &platformRole);
                HWND owner = nullptr;  // and the reader holds the only reference
                object.get()->AddRef();
                ::WindowFromAccessibleObject(object.get(), &owner);
                EXPECT_EQ(std::tuple(role.vt, role.lVal, owner, object.get()->Release()),
                          std::tuple(platformRole.vt, platformRole.lVal, window, 1ul))
                    << design.name;
                break;
            }
            case ControlKind::Line:
                EXPECT_EQ(name, L"") << design.name;
                break;
            default:  // labels, check boxes, buttons: the platform names them by their captions
                EXPECT_EQ(name, ToWide(LoadText(design.caption))) << design.name;
        }
        // Nothing the editor or another program reads as a caption has changed.
        if (design.kind == ControlKind::Swatch) {
            EXPECT_EQ(std::pair(toolkit_.LabelNamed(design.name).Caption(), WindowText(window)),
                      std::pair(std::u16string(), std::u16string()))
                << design.name;
        }
    }
    EXPECT_EQ(spoken.size(), 14u);
    EXPECT_FALSE(spoken.contains(L""));
}

}  // namespace
}  // namespace quill::win32
