// The window base under Wine: a skinned window built from its skin at creation, hit testing for
// caption and borders, track limits, the window region, the system buttons and commands, the
// notification map, the Enter/Escape filter; and the window wrapper's own operations.
#include "ui/core/window_impl_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_support.h"

using namespace Tovik;
using TestSupport::ArchiveMode;
using TestSupport::ManagedWindow;
using TestSupport::RecordingControl;

namespace {

constexpr char kSkin[] =
    R"(<Window size="300,200" caption="0,0,0,37" sizebox="4,4,4,4" mininfo="200,150" maxinfo="400,0">
  <VerticalLayout name="root" bkcolor="#FF2060A0">
    <HorizontalLayout height="37">
      <Control name="title"/>
      <Clicker name="maxbtn" width="20"/><Clicker name="restorebtn" width="20" visible="false"/>
      <Clicker name="closebtn" width="30"/>
    </HorizontalLayout>
    <Control name="body"/>
    <Clicker name="CloseBtn" height="10"/>
  </VerticalLayout>
</Window>)";

class SkinWindow : public WindowImplBase {
public:
    explicit SkinWindow(const wchar_t* skin = L"skin.xml") : skin_(skin) {}
    ~SkinWindow() override {
        if (GetHWND() != nullptr) DestroyWindow(GetHWND());
    }

    const wchar_t* GetWindowClassName() const override { return L"CorvanaTestSkinWindow"; }
    CStringUI GetSkinFileName() override { return CStringUI(skin_); }
    void OnInitWindow() override {
        ++inits;
        rootAtInit = manager_.GetRoot() != nullptr;
    }
    // Clickers stand for buttons: not a caption control.
    CControlUI* CreateCustomControl(const wchar_t* name) override {
        return std::wstring(name) == L"Clicker" ? new RecordingControl(0, L"ButtonUI") : nullptr;
    }
    void Notify(TNotifyMsgUI& msg) override {
        notifications.push_back(msg.type.GetData());
        WindowImplBase::Notify(msg);
    }
    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        closeResults.push_back(static_cast<int>(wParam));
        return WindowImplBase::OnClose(message, wParam, lParam, handled);
    }
    LRESULT OnDefaultKey(WPARAM key) override {
        defaultKeys.push_back(static_cast<int>(key));
        return WindowImplBase::OnDefaultKey(key);
    }
    void OnFinalMessage(HWND window) override {
        WindowImplBase::OnFinalMessage(window);
        ++finalMessages;
    }
    const TNotifyMap* GetNotifyMap() const override {
        static const TNotifyMapEntry entries[] = {NotifyEntry<SkinWindow>(L"click", L"body", &SkinWindow::OnBodyClick),
                                                  NotifyEntry<SkinWindow>(L"valuechanged", L"", &SkinWindow::OnValue),
                                                  NotifyMapEnd()};
        static const TNotifyMap map = {WindowImplBase::ClassNotifyMap(), entries};
        return &map;
    }
    void OnBodyClick(TNotifyMsgUI&) { handled.push_back(L"body click"); }
    void OnValue(WPARAM wParam, LPARAM) { handled.push_back(L"value " + std::to_wstring(wParam)); }

    HWND CreateAt(POINT origin = ManagedWindow::kDefaultOrigin, HWND owner = nullptr) {
        return Create(owner, L"skin window test", WS_POPUP | WS_CAPTION, 0, origin.x, origin.y, 100, 100);
    }
    CControlUI* Find(const wchar_t* name) { return manager_.FindControlByName(name); }
    void Pump() {
        MSG msg;
        for (int round = 0; round < 20; ++round) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (CPaintManagerUI::TranslateUIMessage(&msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(2);
        }
    }

    int inits = 0;
    bool rootAtInit = false;
    int finalMessages = 0;
    std::vector<std::wstring> notifications;
    std::vector<std::wstring> handled;
    std::vector<int> closeResults;
    std::vector<int> defaultKeys;

private:
    const wchar_t* skin_;
};

class WindowBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(window.CreateAt(), nullptr);
        ShowWindow(window.GetHWND(), SW_SHOWNOACTIVATE);
        UpdateWindow(window.GetHWND());
    }
    LRESULT HitTest(int x, int y) {
        POINT point = {x, y};
        ClientToScreen(window.GetHWND(), &point);
        return window.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    }

    ArchiveMode archive{{"skin.xml", kSkin}};
    SkinWindow window;
};

// OnInitWindow runs once, from creation, with the tree attached; "windowinit" is only the
// notification of the first paint.
TEST_F(WindowBaseTest, CreationBuildsTheSkinAndCallsOnInitWindowOnce) {
    EXPECT_EQ(window.inits, 1);
    EXPECT_TRUE(window.rootAtInit);
    EXPECT_NE(window.Find(L"body"), nullptr);
    const LONG style = GetWindowLongW(window.GetHWND(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_CLIPCHILDREN, 0);
    EXPECT_EQ(window.GetStyle() & WS_CAPTION, 0);
    RECT frame;
    GetWindowRect(window.GetHWND(), &frame);
    EXPECT_EQ(frame.right - frame.left, 300);  // the skin's size
    EXPECT_EQ(std::count(window.notifications.begin(), window.notifications.end(), L"windowinit"), 1);
    EXPECT_EQ(window.inits, 1);
}

TEST_F(WindowBaseTest, HitTestingFindsCaptionBordersAndClientArea) {
    struct Row {
        POINT point;
        LRESULT expected;
    };
    const Row rows[] = {
        {{100, 10}, HTCAPTION}, {{100, 36}, HTCAPTION},      {{100, 37}, HTCLIENT},  // the caption's last row
        {{285, 15}, HTCLIENT},                                                       // over a button
        {{2, 2}, HTTOPLEFT},    {{150, 2}, HTTOP},           {{298, 2}, HTTOPRIGHT},
        {{2, 100}, HTLEFT},     {{298, 100}, HTRIGHT},       {{2, 198}, HTBOTTOMLEFT},
        {{150, 198}, HTBOTTOM}, {{298, 198}, HTBOTTOMRIGHT}, {{150, 100}, HTCLIENT},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HitTest(row.point.x, row.point.y), row.expected) << row.point.x << "," << row.point.y;
    }
    EXPECT_FALSE(window.IsCaptionControl(nullptr));
}

TEST_F(WindowBaseTest, TrackLimitsComeFromTheSkinAndTheWorkArea) {
    MINMAXINFO info = {};
    window.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, 400);
    EXPECT_EQ(info.ptMaxTrackSize.y, work.bottom - work.top);  // maxinfo's 0 leaves the work area's
    EXPECT_EQ(info.ptMaxSize.x, work.right - work.left);
}

// A region is set on every size, round or not.
TEST_F(WindowBaseTest, EverySizeSetsTheWindowRegion) {
    const ScopedGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window.GetHWND(), region.get()), ERROR);
    EXPECT_TRUE(PtInRegion(region.get(), 0, 0));
    window.GetPaintManager().SetRoundCorner(20, 20);
    SetWindowPos(window.GetHWND(), nullptr, 0, 0, 320, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_NE(GetWindowRgn(window.GetHWND(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 160, 100));
}

TEST_F(WindowBaseTest, MaximisingSwapsTheButtonsAndDropsTheResizeZones) {
    window.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window.GetHWND()));
    EXPECT_FALSE(window.Find(L"maxbtn")->IsVisible());
    EXPECT_TRUE(window.Find(L"restorebtn")->IsVisible());
    UpdateWindow(window.GetHWND());
    EXPECT_EQ(HitTest(2, 2), HTCAPTION);
    window.GetPaintManager().SendNotify(window.Find(L"restorebtn"), L"click");
    EXPECT_FALSE(IsZoomed(window.GetHWND()));
    EXPECT_TRUE(window.Find(L"maxbtn")->IsVisible());
    EXPECT_FALSE(window.Find(L"restorebtn")->IsVisible());
}

// Names are exact: "CloseBtn" is not the close button.
TEST_F(WindowBaseTest, TheCloseButtonPostsWmCloseWithResultOne) {
    window.GetPaintManager().SendNotify(window.Find(L"CloseBtn"), L"click");
    window.Pump();
    EXPECT_TRUE(window.closeResults.empty());
    window.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(window.closeResults, std::vector<int>{0});
    ASSERT_EQ(window.GetHWND(), nullptr);  // closed by the default procedure
    EXPECT_EQ(window.finalMessages, 1);

    SkinWindow second;
    ASSERT_NE(second.CreateAt(), nullptr);
    second.GetPaintManager().SendNotify(second.Find(L"closebtn"), L"click");
    EXPECT_TRUE(second.closeResults.empty());  // posted, not sent
    second.Pump();
    EXPECT_EQ(second.closeResults, std::vector<int>{1});
    EXPECT_EQ(second.GetHWND(), nullptr);
}

// The own table first (an entry naming the sender wins, else one for any control), then the
// base table; a notification without a sender only meets entries for any control.
TEST_F(WindowBaseTest, NotificationsFollowTheMapChain) {
    CPaintManagerUI& manager = window.GetPaintManager();
    manager.SendNotify(window.Find(L"body"), L"click");
    manager.SendNotify(window.Find(L"title"), L"valuechanged", 5);
    manager.SendNotify(nullptr, L"valuechanged", 6);
    manager.SendNotify(nullptr, L"click");
    EXPECT_EQ(window.handled, (std::vector<std::wstring>{L"body click", L"value 5", L"value 6"}));

    SkinWindow other;  // a virtual window's pump gets the notifications naming it
    window.AddVirtualWindow(L"Side", &other);
    TNotifyMsgUI msg;
    msg.type = L"valuechanged";
    msg.virtualWindow = L"side";
    msg.wParam = 9;
    window.Notify(msg);
    EXPECT_EQ(other.handled, std::vector<std::wstring>{L"value 9"});
    EXPECT_EQ(window.handled.size(), 3u);
    EXPECT_TRUE(window.RemoveVirtualWindow(L"Side"));
}

// Enter and Escape reach OnDefaultKey before translation and go on to be processed.
TEST_F(WindowBaseTest, EnterAndEscapeReachOnDefaultKey) {
    for (const int key : {VK_RETURN, VK_ESCAPE, static_cast<int>('A')}) {
        MSG msg = {window.GetHWND(), WM_KEYDOWN, static_cast<WPARAM>(key), 0, 0, {}};
        EXPECT_FALSE(CPaintManagerUI::TranslateUIMessage(&msg));
    }
    EXPECT_EQ(window.defaultKeys, (std::vector<int>{VK_RETURN, VK_ESCAPE}));
}

// A superclassed system edit: its own procedure runs under ours, and the object learns of the
// window's end after WM_NCDESTROY with its handle already cleared.
class EditWindow : public CWindowWnd {
public:
    explicit EditWindow(const wchar_t* base = L"Edit") : base_(base) {}
    const wchar_t* GetWindowClassName() const override { return L"CorvanaTestEdit"; }
    const wchar_t* GetSuperclassName() const override { return base_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return CWindowWnd::HandleMessage(message, wParam, lParam);
    }
    void OnFinalMessage(HWND window) override {
        finalWindow = window;
        handleAtFinal = GetHWND();
    }
    std::vector<UINT> messages;
    HWND finalWindow = nullptr;
    HWND handleAtFinal = reinterpret_cast<HWND>(1);

private:
    const wchar_t* base_;
};

TEST(WindowWrapper, ASuperclassRunsTheBaseProcedureUnderOurs) {
    EditWindow edit;
    const HWND handle = edit.Create(nullptr, L"hello", WS_POPUP, 0, 900, 700, 100, 20);
    ASSERT_NE(handle, nullptr);
    wchar_t text[16] = {};
    GetWindowTextW(handle, text, 16);
    EXPECT_STREQ(text, L"hello");
    EXPECT_NE(std::find(edit.messages.begin(), edit.messages.end(), WM_NCCREATE), edit.messages.end());
    edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"changed"));
    GetWindowTextW(handle, text, 16);
    EXPECT_STREQ(text, L"changed");
    DestroyWindow(handle);
    EXPECT_EQ(edit.finalWindow, handle);
    EXPECT_EQ(edit.handleAtFinal, nullptr);
    EXPECT_EQ(edit.GetHWND(), nullptr);

    EditWindow unknown(L"CorvanaNoSuchClass");
    EXPECT_EQ(unknown.Create(nullptr, L"", WS_POPUP, 0), nullptr);
}

class PlainWindow : public CWindowWnd {
public:
    const wchar_t* GetWindowClassName() const override { return L"CorvanaTestPlainWindow"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP && owner != nullptr) ownerEnabledDuringModal = IsWindowEnabled(owner) != FALSE;
        return CWindowWnd::HandleMessage(message, wParam, lParam);
    }
    HWND owner = nullptr;
    bool ownerEnabledDuringModal = true;
};

TEST(WindowWrapper, CentringResizingAndTheDestroyedWindow) {
    PlainWindow window;
    ASSERT_NE(window.Create(nullptr, L"plain", WS_OVERLAPPEDWINDOW, 0, 10, 10, 300, 200), nullptr);
    window.CenterWindow();
    RECT frame, work;
    GetWindowRect(window.GetHWND(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(frame.left, (work.left + work.right) / 2 - 150);
    EXPECT_EQ(frame.top, (work.top + work.bottom) / 2 - 100);
    window.ResizeClient(250, 120);
    RECT client;
    GetClientRect(window.GetHWND(), &client);
    EXPECT_EQ(client.right, 250);
    EXPECT_EQ(client.bottom, 120);
    window.ResizeClient(-1, 90);
    GetClientRect(window.GetHWND(), &client);
    EXPECT_EQ(client.right, 250);
    EXPECT_EQ(client.bottom, 90);
    DestroyWindow(window.GetHWND());
    ASSERT_EQ(window.GetHWND(), nullptr);
    window.ShowWindow(true, false);
    window.CenterWindow();
    window.ResizeClient(10, 10);
    window.Close(3);
    window.SetIcon(1);
    EXPECT_EQ(window.ShowModal(), static_cast<UINT>(-1));
}

// The owner is disabled while the modal loop runs and enabled again after; the result is the one
// given to Close.
TEST(WindowWrapper, ShowModalReturnsTheCloseResult) {
    ManagedWindow owner;
    PlainWindow modal;
    modal.owner = owner.get();
    ASSERT_NE(modal.Create(owner.get(), L"modal", WS_POPUP, 0, 900, 700, 50, 50), nullptr);
    modal.PostMessage(WM_APP);
    modal.Close(7);
    EXPECT_EQ(modal.ShowModal(), 7u);
    EXPECT_FALSE(modal.ownerEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_EQ(modal.GetHWND(), nullptr);
}

}  // namespace
