// CContainerUI under Wine: item ownership, event routing, hit testing order and flags, painting
// clipped to the client area, and scrolling by keys and wheel.
#include "ui/controls/container_ui.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/windows/test_support.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_manager_ui.h"

using namespace Tovik;
using TestSupport::Canvas;

namespace {

class Catcher : public CContainerUI {
public:
    void HandleEvent(TInputEventUI& event) override { caught.push_back(event.type); }
    std::vector<int> caught;
};

TEST(ContainerEvents, AContainerWithoutMouseHandsClicksToItsParent) {
    Catcher parent;
    auto* inner = new CContainerUI;
    parent.AddItem(inner);
    inner->AttachToManager(nullptr, &parent, false);
    inner->SetAttribute(L"mouse", L"false");
    TInputEventUI click;
    click.type = EventButtonDown;
    inner->HandleEvent(click);
    EXPECT_EQ(parent.caught, std::vector<int>{EventButtonDown});
}

TEST(ContainerItems, OwnedChildrenAreDeletedNowOrLater) {
    int destroyed = 0;
    const auto counted = [&destroyed]() {
        auto* child = new CControlUI;
        child->DestroySubscribers.Add([&destroyed](void*) { return ++destroyed, true; });
        return child;
    };
    {
        CContainerUI detached;
        CControlUI* a = counted();
        detached.AddItem(a);
        detached.AddItem(counted());
        EXPECT_TRUE(detached.RemoveItem(a));
        EXPECT_EQ(destroyed, 1);
        EXPECT_FALSE(detached.RemoveItem(a));
        EXPECT_FALSE(detached.AddItem(nullptr));
    }
    EXPECT_EQ(destroyed, 2);

    CPaintManagerUI manager;
    CContainerUI attached;
    attached.AttachToManager(&manager, nullptr, false);
    attached.AddItem(counted());
    EXPECT_TRUE(attached.RemoveItemAt(0));
    EXPECT_EQ(destroyed, 2);  // handed to the manager's clean-up
    manager.DeleteDelayed();
    EXPECT_EQ(destroyed, 3);
    EXPECT_FALSE(attached.RemoveItemAt(0));
}

CControlUI* Accept(CControlUI* control, void*) { return control; }

// `count` rows of a fixed height (and width, when not 0), owned by the list.
void AddRows(CContainerUI& list, int count, int height, int width) {
    for (int i = 0; i < count; ++i) {
        auto* row = new CControlUI;
        row->SetFixedHeight(height);
        if (width != 0) row->SetFixedWidth(width);
        list.AddItem(row);
    }
}

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
    container.SetChildrenTakeMouse(false);  // no child is the hit then, the container is
    EXPECT_EQ(container.LocateControl(Accept, &inside, FindHitTest), &container);
    EXPECT_EQ(container.LocateControl(Accept, &inside, 0), under);  // without a hit test children count
    POINT outside = {150, 50};
    EXPECT_EQ(container.LocateControl(Accept, &outside, FindHitTest), nullptr);
    EXPECT_EQ(container.LocateControl(
                  [](CControlUI* c, void*) -> CControlUI* { return c->GetParent() == nullptr ? c : nullptr; }, nullptr,
                  FindUpdateTest),
              nullptr);
}

// A container that is not mouse enabled is never the hit itself, wherever the point is; its
// children still are.
TEST(ContainerSearch, AMouseDisabledContainerIsNeverTheHit) {
    CContainerUI container;
    auto* child = new CControlUI;
    child->SetFloat(true);
    container.AddItem(child);
    container.SetPosition({0, 0, 100, 100}, false);
    child->SetPosition({0, 0, 50, 50}, false);
    container.SetMouseEnabled(false);
    POINT onChild = {25, 25}, besideChild = {75, 75};
    EXPECT_EQ(container.LocateControl(Accept, &onChild, FindHitTest), child);
    EXPECT_EQ(container.LocateControl(Accept, &besideChild, FindHitTest), nullptr);
    EXPECT_EQ(container.LocateControl(Accept, &besideChild, FindHitTest | FindMeFirst), nullptr);
    EXPECT_EQ(container.LocateControl(Accept, &besideChild, FindMeFirst), &container);
}

TEST(ContainerItems, MovingToAnIndexOutsideTheChildrenChangesNothing) {
    CContainerUI container;
    auto* first = new CControlUI;
    auto* second = new CControlUI;
    container.AddItem(first);
    container.AddItem(second);
    EXPECT_FALSE(container.MoveItemTo(first, 2));
    EXPECT_FALSE(container.MoveItemTo(first, -1));
    EXPECT_EQ(container.ItemCount(), 2);
    EXPECT_EQ(container.ItemAt(0), first);
    EXPECT_TRUE(container.MoveItemTo(first, 1));
    EXPECT_EQ(container.ItemAt(1), first);
    EXPECT_EQ(container.ItemAt(0), second);
}

// The content rectangle is the scrolled content: moved back by each bar's position and as long
// as the client area plus the bar's range.
TEST(ContainerGeometry, TheContentRectangleFollowsTheScrollPosition) {
    CVerticalLayoutUI list;
    list.SetAttribute(L"vscrollbar", L"true");
    list.SetAttribute(L"hscrollbar", L"true");
    AddRows(list, 10, 30, 150);
    list.SetPosition({0, 0, 100, 100}, false);
    CScrollBarUI* vertical = list.GetVScrollBar();
    CScrollBarUI* horizontal = list.GetHScrollBar();
    ASSERT_TRUE(vertical->IsVisible() && horizontal->IsVisible());
    list.SetScrollOffset({20, 40}, false);
    const RECT content = list.GetContentRect();
    const int clientWidth = 100 - vertical->GetFixedWidth(), clientHeight = 100 - horizontal->GetFixedHeight();
    EXPECT_EQ(content.top, -40);
    EXPECT_EQ(content.bottom, clientHeight + vertical->GetBarRange() - 40);
    EXPECT_EQ(content.left, -20);
    EXPECT_EQ(content.right, clientWidth + horizontal->GetBarRange() - 20);
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
    AddRows(list, 10, 30, 0);
    list.SetPosition({0, 0, 100, 100}, false);
    CScrollBarUI* bar = list.GetVScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetBarRange(), 200);
    struct Step {
        int type;
        WPARAM code;  // the key, or the wheel's scroll code
        int position;
    };
    const Step steps[] = {
        {EventKeyDown, VK_DOWN, 5},         {EventKeyDown, VK_NEXT, 105}, {EventKeyDown, VK_END, 200},
        {EventScrollWheel, SB_LINEUP, 195}, {EventKeyDown, VK_HOME, 0},
    };
    for (const Step& step : steps) {
        TInputEventUI event;
        event.type = step.type;
        if (step.type == EventKeyDown) {
            event.keyChar = static_cast<wchar_t>(step.code);
        } else {
            event.wParam = step.code;
        }
        list.HandleEvent(event);
        EXPECT_EQ(bar->GetBarPosition(), step.position) << "after the step to " << step.position;
    }
    EXPECT_EQ(list.ItemAt(0)->GetPosition().top, 0);
}

}  // namespace
