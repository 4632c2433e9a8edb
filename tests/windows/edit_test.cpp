// The edit under Wine: the native window opened by the focus over the text area, typing and
// "textchanged" with the whole text, Return, number-only, password and tip painting, the colour
// messages' brushes, and the native window's end.
#include "ui/controls/edit_ui.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_support.h"
#include "ui/controls/edit_wnd.h"
#include "ui/controls/vertical_layout_ui.h"

using namespace Tovik;
using TestSupport::Canvas;
using TestSupport::ManagedWindow;

namespace {

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        if (msg.type == L"textchanged" || msg.type == L"return") seen.push_back(msg.type.GetData());
    }
    std::vector<std::wstring> seen;
};

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = new CVerticalLayoutUI;
        edit = new CEditUI;
        edit->SetFixedHeight(24);
        root->AddItem(edit);
        root->AddItem(new CControlUI);
        window.manager().AttachRoot(root);
        window.manager().AddNotifier(&recorder);
        SetWindowPos(window.get(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window.get());
    }
    HWND Open() {
        window.manager().SetFocusControl(nullptr);
        window.manager().SetFocusControl(edit);
        return edit->GetNativeWindow() != nullptr ? edit->GetNativeWindow()->GetHWND() : nullptr;
    }
    void Type(HWND native, const wchar_t* text) {
        for (const wchar_t* p = text; *p != 0; ++p) SendMessageW(native, WM_CHAR, *p, 1);
    }
    void Pump() {
        window.Pump(100, [] { return false; });
    }

    ManagedWindow window;
    Recorder recorder;
    CVerticalLayoutUI* root = nullptr;
    CEditUI* edit = nullptr;
};

TEST_F(EditTest, TheFocusOpensTheNativeWindowOverTheTextArea) {
    const HWND native = Open();
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(IsWindowVisible(native));
    RECT placed;
    GetWindowRect(native, &placed);
    MapWindowPoints(nullptr, window.get(), reinterpret_cast<POINT*>(&placed), 2);
    const RECT expected = edit->GetNativeEditRect();
    EXPECT_EQ(placed.left, expected.left);
    EXPECT_EQ(placed.top, expected.top);
    EXPECT_EQ(placed.right, expected.right);
    EXPECT_EQ(placed.bottom, expected.bottom);
    EXPECT_EQ(GetParent(native), window.get());
}

TEST_F(EditTest, TypingSendsTextChangedAndReturnSendsReturn) {
    const HWND native = Open();
    ASSERT_NE(native, nullptr);
    Type(native, L"C:\\Corvana");
    EXPECT_EQ(edit->GetText(), L"C:\\Corvana");
    EXPECT_EQ(recorder.seen.size(), 10u);
    recorder.seen.clear();
    SendMessageW(native, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(recorder.seen, std::vector<std::wstring>{L"return"});
    EXPECT_EQ(edit->GetNativeWindow() != nullptr, true);  // the focus stays
}

// "maxchar" limits typing, not the text: a longer text set by the program arrives whole.
TEST_F(EditTest, TextChangedCarriesTheWholeText) {
    edit->SetMaxChar(3);
    const HWND native = Open();
    ASSERT_NE(native, nullptr);
    edit->SetText(L"a much longer text");
    EXPECT_EQ(edit->GetText(), L"a much longer text");
    wchar_t shown[64] = {};
    GetWindowTextW(native, shown, 64);
    EXPECT_STREQ(shown, L"a much longer text");
    SendMessageW(native, EM_SETSEL, 0, -1);
    SendMessageW(native, WM_CHAR, 'x', 1);
    Type(native, L"yzw");
    EXPECT_EQ(edit->GetText(), L"xyz");  // typing stops at 3
}

TEST_F(EditTest, NumberOnlyRefusesLetters) {
    edit->SetAttribute(L"numberonly", L"true");
    const HWND native = Open();
    ASSERT_NE(native, nullptr);
    Type(native, L"4a2");
    EXPECT_EQ(edit->GetText(), L"42");
}

// The native window ends with the focus, and with the edit, which it then never calls.
TEST_F(EditTest, TheNativeWindowEndsWithTheFocusAndWithTheEdit) {
    HWND native = Open();
    ASSERT_NE(native, nullptr);
    SetFocus(window.get());
    Pump();
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(edit->GetNativeWindow(), nullptr);
    native = Open();
    ASSERT_NE(native, nullptr);
    root->SetVisible(false);  // hiding the parent closes it too
    Pump();
    EXPECT_FALSE(IsWindow(native));
    root->SetVisible(true);
    native = Open();
    ASSERT_NE(native, nullptr);
    root->RemoveItem(edit);
    window.manager().DeleteDelayed();  // the edit is deleted while its native window is open
    EXPECT_FALSE(IsWindow(native));
    Pump();
}

// One brush at a time: each colour message's pattern brush replaces (deletes) the last one, and
// the last one goes with the window.
TEST_F(EditTest, ColourMessagesKeepOneBrush) {
    edit->SetNativeBkColor(0x80FFFFFF);
    const HWND native = Open();
    ASSERT_NE(native, nullptr);
    const HDC dc = GetDC(native);
    const auto colour = [&] {
        return reinterpret_cast<HBRUSH>(SendMessageW(window.get(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(native)));
    };
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const HBRUSH first = colour();
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 1000; ++i) colour();
    const HBRUSH last = colour();
    EXPECT_EQ(GetObjectType(last), static_cast<DWORD>(OBJ_BRUSH));
    if (first != last) {
        EXPECT_EQ(GetObjectType(first), 0u);
    }
    if (objectsBefore != 0) {  // Wine may not count GDI objects
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore + 2);
    }
    ReleaseDC(native, dc);
    DestroyWindow(native);
    EXPECT_EQ(GetObjectType(last), 0u);
}

// Painted while unfocused: password characters in place of the text, and the tip only while the
// text is empty.
TEST_F(EditTest, PasswordAndTipPainting) {
    const auto paint = [&](CEditUI& control) {
        auto canvas = std::make_unique<Canvas>(200, 24);
        control.Paint(canvas->dc(), control.GetPosition(), nullptr);
        return canvas;
    };
    edit->SetText(L"abcd");
    edit->SetPasswordMode(true);
    const auto masked = paint(*edit);
    edit->SetPasswordMode(false);
    edit->SetText(L"****");
    const auto stars = paint(*edit);
    int differing = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 200; ++x) differing += masked->Pixel(x, y) != stars->Pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
    edit->SetText(L"");
    edit->SetTipValue(L"WWWW");
    edit->SetTipValueColor(0xFFFF0000);
    const auto tip = paint(*edit);
    EXPECT_GT(24 * 200 - tip->CountOtherThan(0xFFFF0000, {0, 0, 200, 24}), 10);
    edit->SetText(L"WWWW WWWW");
    const auto text = paint(*edit);
    EXPECT_EQ(text->CountOtherThan(0xFFFF0000, {0, 0, 200, 24}), 200 * 24);
}

}  // namespace
