// The paint-manager operations controls rely on, under Wine: binding a window, the name map,
// control timers, option groups and delayed deletion.
#include "ui/core/paint_manager_ui.h"

#include <gtest/gtest.h>

#include "ui/controls/vertical_layout_ui.h"

using namespace Tovik;

namespace {

// A hidden top-level window for the duration of a test.
class TestWindow {
public:
    TestWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"paint manager test", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() { DestroyWindow(window_); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(PaintManagerBinding, AttachWindowTakesTheDcAndEmptiesTheTables) {
    TestWindow window;
    CPaintManagerUI manager;
    manager.AddStyleDefinition(L"s", L"x", false);
    manager.AttachWindow(window.get(), L"main");
    EXPECT_EQ(manager.GetPaintWindow(), window.get());
    EXPECT_NE(manager.GetPaintDC(), nullptr);
    EXPECT_EQ(manager.GetName(), L"main");
    EXPECT_EQ(manager.StyleDefinition(L"s"), nullptr);
}

TEST(PaintManagerTimers, SetKillRestartAndForget) {
    TestWindow window;
    CPaintManagerUI manager;
    manager.AttachWindow(window.get(), L"main");
    CControlUI control;
    control.AttachToManager(&manager, nullptr, false);
    EXPECT_TRUE(manager.SetControlTimer(&control, 1, 1000));
    EXPECT_FALSE(manager.SetControlTimer(&control, 1, 500));  // alive: the interval stays
    EXPECT_TRUE(manager.KillControlTimer(&control, 1));
    EXPECT_FALSE(manager.KillControlTimer(&control, 1));
    EXPECT_EQ(manager.GetTimerCount(), 1);  // killed records stay
    EXPECT_TRUE(manager.SetControlTimer(&control, 1, 1000));
    EXPECT_TRUE(manager.SetControlTimer(&control, 2, 1000));
    EXPECT_EQ(manager.GetTimerCount(), 2);
    manager.ForgetControl(&control);
    EXPECT_EQ(manager.GetTimerCount(), 0);
}

// Without a window a timer would be a thread timer that KillTimer cannot stop: none is made.
TEST(PaintManagerTimers, WithoutAWindowNoTimerStarts) {
    CPaintManagerUI manager;
    CControlUI control;
    control.AttachToManager(&manager, nullptr, false);
    EXPECT_FALSE(manager.SetControlTimer(&control, 1, 1000));
    EXPECT_EQ(manager.GetTimerCount(), 0);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

int CountCleanupMessages(HWND window) {
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, window, kCleanupMessage, kCleanupMessage, PM_REMOVE)) ++count;
    return count;
}

TEST(PaintManagerTree, OneCleanupMessageUntilTheCleanupRuns) {
    TestWindow window;
    CPaintManagerUI manager;
    manager.AttachWindow(window.get(), L"main");
    manager.DeleteLater(new CControlUI);
    manager.DeleteLater(new CControlUI);
    EXPECT_EQ(CountCleanupMessages(window.get()), 1);
    manager.DeleteDelayed();
    manager.DeleteLater(new CControlUI);
    EXPECT_EQ(CountCleanupMessages(window.get()), 1);
    manager.DeleteDelayed();
}

TEST(PaintManagerTree, PostPaintAppendsEveryTimeAndForgettingDropsEveryEntry) {
    CPaintManagerUI manager;
    CControlUI control, other;
    control.AttachToManager(&manager, nullptr, false);
    EXPECT_TRUE(manager.AddPostPaint(&control));
    EXPECT_TRUE(manager.AddPostPaint(&control));
    EXPECT_TRUE(manager.AddPostPaint(&other));
    EXPECT_EQ(manager.GetPostPaintCount(), 3);
    EXPECT_TRUE(manager.RemovePostPaint(&control));  // the first one only
    EXPECT_EQ(manager.GetPostPaintCount(), 2);
    manager.ForgetControl(&control);
    EXPECT_EQ(manager.GetPostPaintCount(), 1);
    EXPECT_FALSE(manager.RemovePostPaint(&control));
    EXPECT_TRUE(manager.RemovePostPaint(&other));
}

TEST(PaintManagerGroups, OptionGroupsAddOnceAndVanishWhenEmpty) {
    CPaintManagerUI manager;
    CControlUI a, b;
    EXPECT_TRUE(manager.AddOptionGroup(L"opt_type", &a));
    EXPECT_FALSE(manager.AddOptionGroup(L"opt_type", &a));
    EXPECT_TRUE(manager.AddOptionGroup(L"opt_type", &b));
    ASSERT_NE(manager.GetOptionGroup(L"opt_type"), nullptr);
    EXPECT_EQ(manager.GetOptionGroup(L"opt_type")->GetSize(), 2);
    manager.RemoveOptionGroup(L"opt_type", &a);
    manager.RemoveOptionGroup(L"opt_type", &b);
    EXPECT_EQ(manager.GetOptionGroup(L"opt_type"), nullptr);
}

TEST(PaintManagerTree, NamesAreRegisteredAndForgotten) {
    CPaintManagerUI manager;
    CVerticalLayoutUI root;
    auto* first = new CControlUI;
    first->SetName(L"twin");
    auto* second = new CControlUI;
    second->SetName(L"twin");
    root.AddItem(first);
    root.AddItem(second);
    ASSERT_TRUE(manager.InitControlTree(&root, nullptr));
    EXPECT_EQ(manager.FindControlByName(L"twin"), second);  // the later one wins
    EXPECT_EQ(first->GetPaintManager(), &manager);
    EXPECT_FALSE(manager.InitControlTree(nullptr, nullptr));
    root.RemoveItem(second);
    manager.DeleteDelayed();
    EXPECT_EQ(manager.FindControlByName(L"twin"), nullptr);
}

}  // namespace
