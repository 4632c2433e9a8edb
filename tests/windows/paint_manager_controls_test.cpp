// The paint-manager operations controls rely on, under Wine: binding a window, the name map,
// control timers, option groups, delayed deletion and tab focus; plus container searching,
// painting with clips, scrolling keys and the splitter's press-and-drag rows.
#include "ui/core/paint_manager_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/test_support.h"
#include "ui/controls/container_ui.h"
#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"

using namespace Tovik;
using TestSupport::Canvas;

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

CControlUI* Accept(CControlUI* control, void*) { return control; }

TEST(ContainerSearch, HitTestingOrderAndFlags) {
    CContainerUI container;
    auto* under = new CControlUI;
    auto* over = new CControlUI;
    container.AddItem(under);
    container.AddItem(over);
    container.SetPosition({0, 0, 100, 100}, false);
    POINT inside = {50, 50};
    EXPECT_EQ(container.LocateControl(Accept, &inside, FindHitTest), under);
    EXPECT_EQ(container.LocateControl(Accept, &inside, FindHitTest | FindTopFirst), over);
    EXPECT_EQ(container.LocateControl(Accept, &inside, FindHitTest | FindMeFirst), &container);
    container.SetChildrenTakeMouse(false);  // children then qualify without the point test
    POINT outsideChildren = {50, 50};
    EXPECT_EQ(container.LocateControl(Accept, &outsideChildren, FindHitTest), under);
    POINT outside = {150, 50};
    EXPECT_EQ(container.LocateControl(Accept, &outside, FindHitTest), nullptr);
    EXPECT_EQ(container.LocateControl([](CControlUI* c, void*) -> CControlUI* { return c->GetParent() == nullptr ? c : nullptr; },
                                      nullptr, FindUpdateTest),
              nullptr);
}

TEST(ContainerPaint, ChildrenAreClippedToTheClientArea) {
    CPaintManagerUI manager;
    CContainerUI container;
    container.AttachToManager(&manager, nullptr, false);
    container.SetAttribute(L"inset", L"10,10,10,10");
    auto* child = new CControlUI;
    child->SetAttribute(L"bkcolor", L"#FFFF0000");
    container.AddItem(child);
    container.SetPosition({0, 0, 50, 50}, false);
    child->SetPosition({0, 0, 50, 50}, false);  // wider than the client area
    Canvas canvas(60, 60);
    EXPECT_TRUE(container.Paint(canvas.dc(), {0, 0, 60, 60}, nullptr));
    EXPECT_EQ(canvas.Pixel(25, 25), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.Pixel(45, 45), 0xFFFFFFFFu);
    EXPECT_FALSE(container.Paint(canvas.dc(), {0, 0, 60, 60}, child));
}

TEST(ContainerScrolling, KeysAndWheelMoveTheVerticalBar) {
    CVerticalLayoutUI list;
    list.SetAttribute(L"vscrollbar", L"true");
    list.SetAttribute(L"scrollstepsize", L"5");
    for (int i = 0; i < 10; ++i) {
        auto* row = new CControlUI;
        row->SetFixedHeight(30);
        list.AddItem(row);
    }
    list.SetPosition({0, 0, 100, 100}, false);
    CScrollBarUI* bar = list.GetVScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 200);
    TInputEventUI key;
    key.type = EventKeyDown;
    key.keyChar = VK_DOWN;
    list.HandleEvent(key);
    EXPECT_EQ(bar->GetScrollPos(), 5);
    key.keyChar = VK_NEXT;
    list.HandleEvent(key);
    EXPECT_EQ(bar->GetScrollPos(), 105);
    key.keyChar = VK_END;
    list.HandleEvent(key);
    EXPECT_EQ(bar->GetScrollPos(), 200);
    TInputEventUI wheel;
    wheel.type = EventScrollWheel;
    wheel.wParam = SB_LINEUP;
    list.HandleEvent(wheel);
    EXPECT_EQ(bar->GetScrollPos(), 195);
    key.keyChar = VK_HOME;
    list.HandleEvent(key);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    EXPECT_EQ(list.ItemAt(0)->GetPosition().top, 0);
}

// Splitter rows: press on the band starts a drag (and registers the overlay), a move resizes
// within the limits, a release applies the new size; presses elsewhere pass through.
TEST(Splitter, PressDragRelease) {
    CPaintManagerUI manager;
    CHorizontalLayoutUI row;
    auto* panel = new CVerticalLayoutUI;
    panel->ApplyAttributeString(L"sepheight=\"4\" minheight=\"20\" maxheight=\"80\" height=\"50\"");
    row.AddItem(panel);
    row.AttachToManager(&manager, nullptr, false);
    manager.InitControlTree(&row, nullptr);
    row.SetPosition({0, 0, 100, 200}, false);
    panel->SetPosition({0, 0, 100, 50}, false);

    TInputEventUI event;
    event.type = EventButtonDown;
    event.mouse = {50, 10};  // not on the band
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 0);
    event.mouse = {50, 48};  // the band is 46..50
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 1);
    event.type = EventMouseMove;
    event.mouse = {50, 58};
    panel->HandleEvent(event);
    EXPECT_EQ(panel->GetFixedHeight(), 60);
    event.mouse = {50, 200};  // beyond the maximum: clamped
    panel->HandleEvent(event);
    EXPECT_EQ(panel->GetFixedHeight(), 80);
    event.type = EventButtonUp;
    panel->HandleEvent(event);
    EXPECT_EQ(manager.GetPostPaintCount(), 0);
    EXPECT_EQ(panel->GetPosition().bottom, 80);
    EXPECT_EQ(panel->GetInputFlags(), FlagSetCursor);
}

}  // namespace
