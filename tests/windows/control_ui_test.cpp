// CControlUI under Wine: attribute syntax and table, setters' side effects, focus and visibility,
// events and notifications, and the paint sequence drawn into a canvas.
#include "ui/controls/control_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/test_support.h"
#include "ui/core/paint_manager_ui.h"

using namespace Tovik;
using TestSupport::Canvas;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override { types.push_back(std::wstring(msg.type.GetData())); }
    std::vector<std::wstring> types;
};

class AttachedControl : public ::testing::Test {
protected:
    AttachedControl() {
        control.AttachToManager(&manager, nullptr, false);
        control.SetPosition({10, 10, 50, 40});
        manager.AddNotifier(&recorder);
    }

    bool PaintAll() { return control.Paint(canvas.dc(), {0, 0, 60, 60}, nullptr); }

    CPaintManagerUI manager;
    CControlUI control;
    Recorder recorder;
    Canvas canvas{60, 60};
};

TEST(ControlAttributes, PosWithANegativeLeftTakesTheRightAsOffset) {
    CControlUI control;
    control.SetAttribute(L"pos", L"-1,10,50,30");
    EXPECT_EQ(control.GetFixedOffset().cx, 50);
    EXPECT_EQ(control.GetFixedOffset().cy, 10);
    EXPECT_EQ(control.GetFixedWidth(), 51);
    EXPECT_EQ(control.GetFixedHeight(), 20);
}

// A "pos" wider than an int keeps the largest width rather than wrapping to a small one.
TEST(ControlAttributes, APosBeyondTheIntRangeDoesNotWrap) {
    CControlUI control;
    control.SetAttribute(L"pos", L"-2147483648,0,2147483647,-2147483648");
    EXPECT_EQ(control.GetFixedWidth(), 2147483647);
    EXPECT_EQ(control.GetFixedHeight(), 2147483647);
}

TEST(ControlAttributes, ValueSyntaxOfEveryKind) {
    CControlUI control;
    control.ApplyAttributeString(
        L"padding=\"1 2,3;4\" width=\" 42px\" minwidth=\"abc\" bkcolor=\"  #FF102030\" bordercolor=\"#80FFFFFF\" "
        L"visible=\"TRUE\" enabled=\"1\" mouse=\"false\" borderround=\"6,7\" float=\"0.5,0.25,1,1\" "
        L"floatalign=\"right,vcenter\" cursor=\"HAND\" shortcut=\"Xy\" tooltip=\"a<n>b\"");
    EXPECT_TRUE(Same(control.GetPadding(), {1, 2, 3, 4}));
    EXPECT_EQ(control.GetFixedWidth(), 42);
    EXPECT_EQ(control.GetMinWidth(), 0);
    EXPECT_EQ(control.GetBkColor(), 0xFF102030u);
    EXPECT_TRUE(control.IsVisible());
    EXPECT_FALSE(control.IsEnabled());  // only "true" is true
    EXPECT_FALSE(control.IsMouseEnabled());
    EXPECT_EQ(control.GetBorderRound().cx, 6);
    EXPECT_EQ(control.GetBorderRound().cy, 7);
    EXPECT_TRUE(control.IsFloat());
    EXPECT_DOUBLE_EQ(control.GetFloatRatios().left, 0.5);
    EXPECT_DOUBLE_EQ(control.GetFloatRatios().top, 0.25);
    EXPECT_EQ(control.GetFloatAlign(), static_cast<UINT>(DT_RIGHT | DT_VCENTER));
    EXPECT_EQ(control.GetCursorId(), 32649);
    EXPECT_EQ(control.GetShortcut(), L'X');
    EXPECT_EQ(control.GetToolTip(), L"a\r\nb");
    control.SetAttribute(L"floatalign", L"null center");
    EXPECT_EQ(control.GetFloatAlign(), static_cast<UINT>(DT_CENTER));
    control.SetAttribute(L"cursor", L"nonsense");
    EXPECT_EQ(control.GetCursorId(), 32649);
}

TEST(ControlAttributes, PairsStopAtTheFirstWrongSeparator) {
    CControlUI all, first;
    all.ApplyAttributeString(L"name=\"a\" text=\"b\",tooltip=\"c\"");
    EXPECT_EQ(all.GetName(), L"a");
    EXPECT_EQ(all.GetText(), L"b");
    EXPECT_EQ(all.GetToolTip(), L"c");
    first.ApplyAttributeString(L"name=\"a\";text=\"b\"");
    EXPECT_EQ(first.GetName(), L"a");
    EXPECT_TRUE(first.GetText().IsEmpty());
    CControlUI quoted;
    quoted.ApplyAttributeString(L"text=&quot;q&quot;");
    EXPECT_EQ(quoted.GetText(), L"q");
}

TEST(ControlAttributes, UnknownAttributesKeepTheirFirstValue) {
    CControlUI control;
    control.SetAttribute(L"custom", L"first");
    control.SetAttribute(L"custom", L"second");
    control.SetAttribute(L"empty", L"");
    EXPECT_STREQ(control.GetCustomAttribute(L"custom"), L"first");
    EXPECT_EQ(control.GetCustomAttribute(L"empty"), nullptr);
}

TEST(ControlAttributes, StylesApplyAndASelfNamingStyleStops) {
    CPaintManagerUI manager;
    manager.AddStyleDefinition(L"title", L"text=\"styled\" width=\"9\"", false);
    manager.AddStyleDefinition(L"loop", L"loop", false);
    CControlUI control;
    control.AttachToManager(&manager, nullptr, false);
    control.SetAttribute(L"style", L"title");
    EXPECT_EQ(control.GetText(), L"styled");
    EXPECT_EQ(control.GetFixedWidth(), 9);
    control.ApplyAttributeString(L"loop");
    control.SetAttribute(L"style", L"unknown");
    EXPECT_STREQ(control.GetCustomAttribute(L"style"), L"unknown");
}

// A name chain that closes through a "style" attribute still counts towards the nesting bound,
// so it ends; each round applies the width once more before the bound stops it.
TEST(ControlAttributes, AStyleCycleThroughTheStyleAttributeStops) {
    CPaintManagerUI manager;
    manager.AddStyleDefinition(L"a", L"b", false);
    manager.AddStyleDefinition(L"b", L"width=\"7\" style=\"a\"", false);
    CControlUI control;
    control.AttachToManager(&manager, nullptr, false);
    control.ApplyAttributeString(L"a");
    EXPECT_EQ(control.GetFixedWidth(), 7);
}

// Styles that name themselves through their "style" attribute, directly or through another style,
// stop at the nesting bound; what they set before it stays.
TEST(ControlAttributes, StylesNamingThemselvesThroughTheStyleAttributeStop) {
    CPaintManagerUI manager;
    manager.AddStyleDefinition(L"self", L"width=\"3\" style=\"self\"", false);
    manager.AddStyleDefinition(L"a", L"height=\"4\" style=\"b\"", false);
    manager.AddStyleDefinition(L"b", L"minwidth=\"5\" style=\"a\"", false);
    CControlUI control;
    control.AttachToManager(&manager, nullptr, false);
    control.SetAttribute(L"style", L"self");
    EXPECT_EQ(control.GetFixedWidth(), 3);
    control.ApplyAttributeString(L"style=\"a\" text=\"after\"");
    EXPECT_EQ(control.GetFixedHeight(), 4);
    EXPECT_EQ(control.GetMinWidth(), 5);
    EXPECT_EQ(control.GetText(), L"after");
}

TEST_F(AttachedControl, SettersRepaintOnlyOnChangeAndTextTakesLineBreaks) {
    manager.ClearUpdateRect();
    control.SetText(L"one{\\n}two");
    EXPECT_EQ(control.GetText(), L"one\ntwo");
    EXPECT_TRUE(Same(manager.GetUpdateRect(), {10, 10, 50, 40}));
    manager.ClearUpdateRect();
    control.SetText(L"one\ntwo");
    control.SetBkColor(0);
    EXPECT_TRUE(Same(manager.GetUpdateRect(), {}));
    control.SetMinWidth(-1);
    control.SetMinWidth(0);
    EXPECT_FALSE(manager.IsUpdateNeeded());
    control.SetFixedWidth(0);  // requests a layout even when unchanged
    EXPECT_TRUE(manager.IsUpdateNeeded());
}

TEST_F(AttachedControl, SetPositionNormalisesNotifiesAndInvalidatesBothRectangles) {
    int sizeNotifications = 0;
    control.SizeSubscribers.Add([&](void* sender) {
        EXPECT_EQ(sender, &control);
        ++sizeNotifications;
        return true;
    });
    manager.ClearUpdateRect();
    control.SetPosition({30, 30, 20, 20});
    EXPECT_TRUE(Same(control.GetPosition(), {30, 30, 30, 30}));
    EXPECT_EQ(sizeNotifications, 1);
    EXPECT_FALSE(control.IsLayoutPending());
    EXPECT_TRUE(Same(manager.GetUpdateRect(), {10, 10, 50, 40}));
}

TEST_F(AttachedControl, HidingTheFocusedControlLeavesNoFocus) {
    control.TakeFocus();
    ASSERT_EQ(manager.GetFocusControl(), &control);
    EXPECT_TRUE(control.HasFocus());
    EXPECT_EQ(recorder.types, (std::vector<std::wstring>{L"setfocus"}));
    control.SetVisible(false);
    EXPECT_EQ(manager.GetFocusControl(), nullptr);
    EXPECT_FALSE(control.HasFocus());
    EXPECT_EQ(recorder.types.back(), L"killfocus");
    control.TakeFocus();  // invisible: no focus
    EXPECT_EQ(manager.GetFocusControl(), nullptr);
}

TEST_F(AttachedControl, EventsReachHandlersSubscribersAndNotifiers) {
    bool allow = false;
    control.EventSubscribers.Add([&](void*) { return allow; });
    TInputEventUI focus;
    focus.type = EventSetFocus;
    control.DispatchEvent(focus);
    EXPECT_FALSE(control.HasFocus());
    allow = true;
    control.DispatchEvent(focus);
    EXPECT_TRUE(control.HasFocus());

    TInputEventUI timer;
    timer.type = EventTimer;
    timer.wParam = 7;
    control.DispatchEvent(timer);
    TInputEventUI menu;
    menu.type = EventContextMenu;
    control.DispatchEvent(menu);
    control.SetMenuEnabled(true);
    control.DispatchEvent(menu);
    EXPECT_EQ(recorder.types, (std::vector<std::wstring>{L"timer", L"menu"}));
}

class BubbleCatcher : public CControlUI {
public:
    void HandleEvent(TInputEventUI& event) override { caught.push_back(event.type); }
    std::vector<int> caught;
};

TEST(ControlEvents, UnhandledEventsBubbleToTheParent) {
    BubbleCatcher parent;
    CControlUI child;
    child.AttachToManager(nullptr, &parent, false);
    TInputEventUI click;
    click.type = EventButtonDown;
    child.DispatchEvent(click);
    EXPECT_EQ(parent.caught, std::vector<int>{EventButtonDown});
}

TEST(ControlTree, VirtualWindowNamesAndPositionsInTheParent) {
    CPaintManagerUI manager;
    CControlUI parent, child;
    parent.AttachToManager(&manager, nullptr, false);
    child.AttachToManager(&manager, &parent, false);
    parent.SetAttribute(L"virtualwnd", L"page");
    EXPECT_EQ(child.GetVirtualWindowName(), L"page");
    EXPECT_TRUE(manager.UsesVirtualWindows());
    parent.SetPosition({100, 50, 300, 200});
    child.SetPosition({110, 70, 130, 80});
    EXPECT_TRUE(Same(child.GetPosInParent(), {10, 20, 30, 30}));
    EXPECT_TRUE(Same(parent.GetPosInParent(), {}));
}

CControlUI* Found(CControlUI* control, void*) { return control; }

TEST(ControlTree, LocateControlAppliesTheRequestedTests) {
    CControlUI control;
    control.SetPosition({0, 0, 10, 10});
    POINT inside = {5, 5}, outside = {15, 5};
    EXPECT_EQ(control.LocateControl(Found, &inside, FindHitTest), &control);
    EXPECT_EQ(control.LocateControl(Found, &outside, FindHitTest), nullptr);
    control.SetMouseEnabled(false);
    EXPECT_EQ(control.LocateControl(Found, &inside, FindHitTest), nullptr);
    control.SetEnabled(false);
    EXPECT_EQ(control.LocateControl(Found, nullptr, FindEnabled), nullptr);
    EXPECT_EQ(control.LocateControl(Found, nullptr, 0), &control);
    control.SetVisible(false);
    EXPECT_EQ(control.LocateControl(Found, nullptr, FindVisible), nullptr);
}

TEST_F(AttachedControl, SideSizesWinOverTheUniformBorder) {
    control.SetAttribute(L"bordercolor", L"#FF0000FF");
    control.SetAttribute(L"bordersize", L"2");
    control.SetAttribute(L"bordersize", L"1,0,0,0");
    EXPECT_EQ(control.GetBorderSize(), 2);
    ASSERT_TRUE(PaintAll());
    EXPECT_EQ(canvas.Pixel(10, 25), 0xFF0000FFu);
    EXPECT_EQ(canvas.Pixel(11, 25), kWhite);
    EXPECT_EQ(canvas.Pixel(30, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(49, 25), kWhite);
}

TEST_F(AttachedControl, TheFocusedOutlineIsDrawnWhole) {
    control.SetAttribute(L"bordercolor", L"#FF0000FF");
    control.SetAttribute(L"focusbordercolor", L"#FFFF0000");
    control.SetAttribute(L"bordersize", L"1");
    control.SetLeftBorderSize(3);
    control.TakeFocus();
    ASSERT_TRUE(PaintAll());
    for (const POINT p : {POINT{10, 25}, POINT{49, 25}, POINT{30, 10}, POINT{30, 39}}) {
        EXPECT_LT(canvas.Pixel(p.x, p.y) & 0xFF, 0x40u) << p.x << "," << p.y;  // red, not blue or white
        EXPECT_GT(canvas.Pixel(p.x, p.y) >> 16 & 0xFF, 0xC0u) << p.x << "," << p.y;
    }
}

TEST_F(AttachedControl, BackgroundColours) {
    control.SetAttribute(L"bkcolor", L"#102030");  // six digits: alpha 0, nothing drawn
    ASSERT_TRUE(PaintAll());
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 60, 60}), 0);
    control.SetAttribute(L"bkcolor", L"#FF00FF00");
    ASSERT_TRUE(PaintAll());
    EXPECT_EQ(canvas.CountOtherThan(0xFF00FF00, {10, 10, 50, 40}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 60, 10}), 0);
    control.SetAttribute(L"bkcolor2", L"#FF0000FF");
    ASSERT_TRUE(PaintAll());
    EXPECT_GT(canvas.Pixel(30, 11) >> 8 & 0xFF, 0xC0u);  // green at the top
    EXPECT_GT(canvas.Pixel(30, 38) & 0xFF, 0xC0u);       // blue at the bottom
}

TEST_F(AttachedControl, PaintingStopsAtTheStopControl) {
    control.SetAttribute(L"bkcolor", L"#FF00FF00");
    EXPECT_FALSE(control.Paint(canvas.dc(), {0, 0, 60, 60}, &control));
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 60, 60}), 0);
    EXPECT_TRUE(control.Paint(canvas.dc(), {0, 0, 5, 5}, nullptr));  // outside: nothing, go on
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 60, 60}), 0);
}

TEST(ControlLifecycle, InitialiseAndDestroySubscribersAndForgetting) {
    CPaintManagerUI manager;
    int initialised = 0, destroyed = 0;
    CControlUI parent;
    {
        CControlUI child;
        child.InitSubscribers.Add([&](void*) { return ++initialised, true; });
        child.DestroySubscribers.Add([&](void*) { return ++destroyed, true; });
        child.AttachToManager(&manager, nullptr, true);  // no parent: no initialisation
        EXPECT_EQ(initialised, 0);
        child.AttachToManager(&manager, &parent, true);
        EXPECT_EQ(initialised, 1);
        child.TakeFocus();
        EXPECT_EQ(manager.GetFocusControl(), &child);
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(manager.GetFocusControl(), nullptr);
}

}  // namespace

namespace {

TEST(ControlDpi, GettersScaleWhileSettersStoreMarkupValues) {
    CPaintManagerUI manager;
    manager.GetDpiScaler().SetDpi(144);
    CControlUI control;
    control.ApplyAttributeString(
        L"padding=\"2,4,6,8\" width=\"100\" minheight=\"10\" bordersize=\"2\" borderround=\"4,6\"");
    EXPECT_EQ(control.GetFixedWidth(), 100);  // detached: unscaled
    control.AttachToManager(&manager, nullptr, false);
    EXPECT_EQ(control.GetFixedWidth(), 150);
    EXPECT_EQ(control.GetMinHeight(), 15);
    EXPECT_EQ(control.GetBorderSize(), 3);
    EXPECT_EQ(control.GetBorderRound().cy, 9);
    const RECT padding = control.GetPadding();
    EXPECT_EQ(padding.left, 3);
    EXPECT_EQ(padding.top, 6);
    EXPECT_EQ(padding.right, 9);
    EXPECT_EQ(padding.bottom, 12);
    EXPECT_EQ(control.MeasureSize({0, 0}).cx, 150);
}

TEST_F(AttachedControl, UniformAndRoundBorders) {
    control.SetAttribute(L"bordercolor", L"#FF0000FF");
    control.SetAttribute(L"bordersize", L"1");
    ASSERT_TRUE(PaintAll());
    for (const POINT p : {POINT{10, 25}, POINT{49, 25}, POINT{30, 10}, POINT{30, 39}}) {
        EXPECT_LT(canvas.Pixel(p.x, p.y) >> 16 & 0xFF, 0x40u) << p.x << "," << p.y;  // blue
    }
    Canvas rounded(60, 60);
    control.SetAttribute(L"bkcolor", L"#FF00FF00");
    control.SetAttribute(L"borderround", L"12,12");
    ASSERT_TRUE(control.Paint(rounded.dc(), {0, 0, 60, 60}, nullptr));
    EXPECT_EQ(rounded.Pixel(10, 10), kWhite);  // the corner is clipped away
    EXPECT_EQ(rounded.Pixel(30, 25), 0xFF00FF00u);
}

}  // namespace
