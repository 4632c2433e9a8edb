// The paint manager on a real window under Wine: mouse, keyboard and timer messages become
// control events; queued notifications and deferred deletions arrive with the cleanup message;
// listener lists may change while they are walked; a window without a root ignores input.
#include "ui/core/paint_manager_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "ui/controls/container_ui.h"

using namespace Tovik;
using TestSupport::ManagedWindow;
using TestSupport::RecordingControl;

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Two controls side by side over a container root: a at 0..100, b at 100..200, both 100 high.
class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = new CContainerUI;
        a = Add(new RecordingControl(FlagTabStop));
        b = Add(new RecordingControl(FlagTabStop));
        window.manager().AttachRoot(root);
        root->SetPosition({0, 0, 200, 200}, false);
        a->SetPosition({0, 0, 100, 100}, false);
        b->SetPosition({100, 0, 200, 100}, false);
    }

    RecordingControl* Add(RecordingControl* control) {
        control->SetFloat(true);
        root->AddItem(control);
        return control;
    }

    static std::vector<int> Only(const RecordingControl* control, std::initializer_list<int> kinds) {
        std::vector<int> kept;
        for (int event : control->events) {
            for (int kind : kinds) {
                if (event == kind) kept.push_back(event);
            }
        }
        return kept;
    }

    ManagedWindow window;
    CContainerUI* root = nullptr;
    RecordingControl* a = nullptr;
    RecordingControl* b = nullptr;
};

TEST_F(MessagesTest, HoverEntersAndLeavesAsTheMouseMoves) {
    window.Send(WM_MOUSEMOVE, 0, At(10, 10));
    window.Send(WM_MOUSEMOVE, 0, At(150, 10));
    window.Send(WM_MOUSEMOVE, 0, At(10, 150));  // over the root only
    EXPECT_EQ(Only(a, {EventMouseEnter, EventMouseLeave, EventMouseMove}),
              (std::vector<int>{EventMouseEnter, EventMouseMove, EventMouseLeave}));
    EXPECT_EQ(Only(b, {EventMouseEnter, EventMouseLeave, EventMouseMove}),
              (std::vector<int>{EventMouseEnter, EventMouseMove, EventMouseLeave}));
}

TEST_F(MessagesTest, APressCapturesAndTheReleaseGoesToThePressedControl) {
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), window.get());
    EXPECT_EQ(window.manager().GetFocusControl(), a);
    window.Send(WM_MOUSEMOVE, MK_LBUTTON, At(150, 10));  // captured: no hover change
    window.Send(WM_LBUTTONUP, 0, At(150, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(window.manager().IsMouseCaptured());
    EXPECT_EQ(Only(a, {EventButtonDown, EventMouseMove, EventButtonUp}),
              (std::vector<int>{EventButtonDown, EventMouseMove, EventButtonUp}));
    EXPECT_TRUE(Only(b, {EventButtonDown, EventButtonUp, EventMouseEnter, EventMouseMove}).empty());
}

TEST_F(MessagesTest, DoubleClicksWheelAndTheOtherButtons) {
    window.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(10, 10));
    window.Send(WM_LBUTTONUP, 0, At(10, 10));
    window.Send(WM_RBUTTONDOWN, MK_RBUTTON, At(150, 10));
    window.Send(WM_RBUTTONUP, 0, At(150, 10));
    POINT screen = {20, 20};
    ClientToScreen(window.get(), &screen);
    a->events.clear();
    a->records.clear();
    window.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), At(screen.x, screen.y));
    ASSERT_FALSE(a->records.empty());
    EXPECT_EQ(a->records[0].type, EventScrollWheel);
    EXPECT_EQ(LOWORD(a->records[0].wParam), SB_LINEDOWN);
    EXPECT_EQ(static_cast<short>(HIWORD(a->records[0].wParam)), -WHEEL_DELTA);
    EXPECT_NE(Only(a, {EventMouseMove}).size(), 0u) << "the wheel is followed by a mouse move";
    EXPECT_EQ(Only(b, {EventRightButtonDown, EventRightButtonUp}),
              (std::vector<int>{EventRightButtonDown, EventRightButtonUp}));
}

TEST_F(MessagesTest, KeysGoToTheFocusAndTheKeyUpToTheControlThatGotTheKeyDown) {
    a->TakeFocus();
    window.Send(WM_KEYDOWN, 'A', 0);
    window.Send(WM_CHAR, 'a', 0);
    b->TakeFocus();
    window.Send(WM_KEYUP, 'A', 0);
    EXPECT_EQ(Only(a, {EventKeyDown, EventChar, EventKeyUp}), (std::vector<int>{EventKeyDown, EventChar, EventKeyUp}));
    EXPECT_TRUE(Only(b, {EventKeyUp}).empty());
}

MSG Message(HWND window, UINT message, WPARAM wParam) {
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    return msg;
}

void SetShift(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Shift+Tab from no focus takes the first tab stop and then wraps to the last; a forward Tab
// while a layout is pending waits for the paint.
TEST_F(MessagesTest, TabMovesTheFocusAndWraps) {
    SetShift(true);
    const MSG tab = Message(window.get(), WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&tab));
    EXPECT_EQ(window.manager().GetFocusControl(), a);
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&tab));
    EXPECT_EQ(window.manager().GetFocusControl(), b);
    SetShift(false);
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&tab));
    EXPECT_EQ(window.manager().GetFocusControl(), b);
    const MSG other = Message(window.get(), WM_KEYDOWN, 'A');
    EXPECT_FALSE(CPaintManagerUI::TranslateUIMessage(&other));
}

TEST(Shortcuts, ALabelsShortcutFocusesTheNextControlInSearchOrder) {
    ManagedWindow window;
    auto* root = new CContainerUI;
    auto* target = new RecordingControl(FlagTabStop);
    auto* label = new RecordingControl(0, L"TestLabelUI");
    label->SetShortcut(L'n');
    root->AddItem(target);
    root->AddItem(label);  // searched top-most first: the label, then the target
    window.manager().AttachRoot(root);
    const MSG alt = Message(window.get(), WM_SYSCHAR, 'N');
    EXPECT_TRUE(CPaintManagerUI::TranslateUIMessage(&alt));
    EXPECT_EQ(window.manager().GetFocusControl(), target);
    const MSG unknown = Message(window.get(), WM_SYSCHAR, 'Q');
    EXPECT_FALSE(CPaintManagerUI::TranslateUIMessage(&unknown));
}

TEST_F(MessagesTest, TimersDeliverEventsUntilKilled) {
    ASSERT_TRUE(window.manager().SetControlTimer(a, 5, 10));
    window.Pump(2000, [this] { return !Only(a, {EventTimer}).empty(); });
    ASSERT_FALSE(Only(a, {EventTimer}).empty());
    EXPECT_EQ(a->records.back().wParam, 5u);
    EXPECT_TRUE(window.manager().KillControlTimer(a, 5));
    a->events.clear();
    window.Pump(100, [] { return false; });
    EXPECT_TRUE(Only(a, {EventTimer}).empty());
}

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        types.push_back(msg.type.GetData());
        senders.push_back(msg.sender);
    }
    std::vector<std::wstring> types;
    std::vector<CControlUI*> senders;
};

TEST_F(MessagesTest, QueuedNotificationsFollowTheSynchronousOnesInOrder) {
    Recorder recorder;
    window.manager().AddNotifier(&recorder);
    window.manager().SendNotify(a, L"first", 0, 0, true);
    window.manager().SendNotify(a, L"second", 0, 0, true);
    window.manager().SendNotify(a, L"now");
    EXPECT_EQ(recorder.types, (std::vector<std::wstring>{L"now"}));
    EXPECT_EQ(window.manager().GetQueuedNotificationCount(), 2);
    window.Pump(500, [&] { return recorder.types.size() == 3; });
    EXPECT_EQ(recorder.types, (std::vector<std::wstring>{L"now", L"first", L"second"}));
    window.manager().RemoveNotifier(&recorder);
}

TEST_F(MessagesTest, AForgottenSenderIsDeliveredAsNull) {
    Recorder recorder;
    window.manager().AddNotifier(&recorder);
    window.manager().SendNotify(b, L"late", 0, 0, true);
    root->SetDefersChildDeletion(false);
    root->RemoveItem(b);  // deleted now
    window.Pump(500, [&] { return !recorder.types.empty(); });
    ASSERT_EQ(recorder.senders.size(), 1u);
    EXPECT_EQ(recorder.senders[0], nullptr);
    window.manager().SendNotify(nullptr, L"nobody");
    EXPECT_EQ(recorder.types.back(), L"nobody");
    window.manager().RemoveNotifier(&recorder);
}

// A click handler that removes a control: it lives until the cleanup message.
TEST_F(MessagesTest, ADeletionDuringAClickWaitsForTheCleanupMessage) {
    bool destroyed = false;
    b->DestroySubscribers.Add([&destroyed](void*) { return destroyed = true; });
    a->EventSubscribers.Add([this](void* event) {
        if (static_cast<TInputEventUI*>(event)->type == EventButtonUp) root->RemoveItem(b);
        return true;
    });
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    window.Send(WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_FALSE(destroyed);
    window.Pump(500, [&] { return destroyed; });
    EXPECT_TRUE(destroyed);
}

// A notifier that removes itself, or one after it, during a call: none is skipped, none removed
// is called.
class SelfRemover : public INotifyUI {
public:
    SelfRemover(CPaintManagerUI& manager, INotifyUI* alsoRemove) : manager_(manager), alsoRemove_(alsoRemove) {}
    void Notify(TNotifyMsgUI&) override {
        ++calls;
        manager_.RemoveNotifier(this);
        if (alsoRemove_ != nullptr) manager_.RemoveNotifier(alsoRemove_);
    }
    int calls = 0;

private:
    CPaintManagerUI& manager_;
    INotifyUI* alsoRemove_;
};

TEST(PaintManagerListeners, ANotifierMayRemoveListenersWhileCalled) {
    CPaintManagerUI manager;
    Recorder after, removed;
    SelfRemover first(manager, &removed);
    manager.AddNotifier(&first);
    manager.AddNotifier(&after);
    manager.AddNotifier(&removed);
    manager.SendNotify(nullptr, L"x");
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(after.types.size(), 1u);
    EXPECT_TRUE(removed.types.empty());
}

TEST(PaintManagerWithoutRoot, InputDoesNothing) {
    ManagedWindow window;
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEWHEEL, WM_KEYDOWN, WM_SETCURSOR}) {
        window.Send(message, 0, At(10, 10));
    }
    const MSG tab = Message(window.get(), WM_KEYDOWN, VK_TAB);
    CPaintManagerUI::TranslateUIMessage(&tab);
    const MSG alt = Message(window.get(), WM_SYSCHAR, 'A');
    EXPECT_FALSE(CPaintManagerUI::TranslateUIMessage(&alt));
    EXPECT_EQ(window.manager().FindControlAt({10, 10}), nullptr);
    EXPECT_EQ(window.manager().GetFocusControl(), nullptr);
}

// Timer ids are never given twice while a record holds them: with all 240 held, a new timer fails.
TEST(PaintManagerTimerIds, AHeldIdIsNeverIssuedAgain) {
    ManagedWindow window;
    CControlUI control;
    control.AttachToManager(&window.manager(), nullptr, false);
    for (UINT id = 0; id < 240; ++id) ASSERT_TRUE(window.manager().SetControlTimer(&control, id, 100000)) << id;
    EXPECT_FALSE(window.manager().SetControlTimer(&control, 240, 100000));
    EXPECT_TRUE(window.manager().KillControlTimer(&control, 3));
    EXPECT_FALSE(window.manager().SetControlTimer(&control, 241, 100000));  // a killed record keeps its id
    window.manager().KillControlTimers(&control);
}

TEST(PaintManagerInvalidate, TheCallersRectangleIsLeftAlone) {
    CPaintManagerUI manager;
    const RECT asked = {-5, -5, -10, 20};
    RECT copy = asked;
    manager.Invalidate(copy);
    EXPECT_TRUE(EqualRect(&copy, &asked));
}

// A post to a window that is gone does not leave the flag set: the next window gets its message.
TEST(PaintManagerCleanup, AFailedPostDoesNotBlockTheNextOne) {
    CPaintManagerUI manager;
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    manager.AttachWindow(gone, L"gone");
    DestroyWindow(gone);
    manager.DeleteLater(new CControlUI);
    HWND next = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    manager.AttachWindow(next, L"next");
    manager.DeleteLater(new CControlUI);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, next, kCleanupMessage, kCleanupMessage, PM_REMOVE));
    manager.DeleteDelayed();
    DestroyWindow(next);
}

// A hover over a control with a tooltip shows the window's tooltip with that text; closing the
// window destroys it and the manager forgets it.
TEST_F(MessagesTest, AHoverShowsTheControlsTooltip) {
    a->SetToolTip(L"Corvana tip");
    window.Send(WM_MOUSEMOVE, 0, At(10, 10));
    window.Send(WM_MOUSEHOVER, 0, At(10, 10));
    EXPECT_EQ(Only(a, {EventMouseHover}), std::vector<int>{EventMouseHover});
    HWND tooltip = window.manager().GetTooltipWindow();
    ASSERT_NE(tooltip, nullptr);
    wchar_t text[64] = {};
    TTTOOLINFOW info = {};
    info.cbSize = sizeof info;
    info.hwnd = window.get();
    info.uId = reinterpret_cast<UINT_PTR>(window.get());
    info.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"Corvana tip");
    window.Send(WM_MOUSEHOVER, 0, At(150, 10));  // no tooltip there: nothing changes
    EXPECT_EQ(window.manager().GetTooltipWindow(), tooltip);
    window.Send(WM_CLOSE);
    EXPECT_EQ(window.manager().GetTooltipWindow(), nullptr);
    EXPECT_FALSE(IsWindow(tooltip));
}

TEST(PaintManagerWindowSettings, InitialSizeTrackLimitsAndDefaultColours) {
    ManagedWindow window;
    window.manager().SetInitSize(300, 150);  // no root yet: the window follows
    RECT frame;
    GetWindowRect(window.get(), &frame);
    EXPECT_EQ(frame.right - frame.left, 300);
    EXPECT_EQ(frame.bottom - frame.top, 150);
    window.manager().SetMinInfo(120, 0);
    window.manager().SetMaxInfo(0, 400);
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 2};
    info.ptMaxTrackSize = {3, 4};
    info.ptMaxSize = {5, 6};
    window.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 120);
    EXPECT_EQ(info.ptMinTrackSize.y, 2);  // not set: left alone
    EXPECT_EQ(info.ptMaxTrackSize.x, 3);
    EXPECT_EQ(info.ptMaxTrackSize.y, 400);
    EXPECT_EQ(info.ptMaxSize.y, 400);

    using Colour = CPaintManagerUI::DefaultColor;
    CPaintManagerUI own, other;
    EXPECT_EQ(own.GetDefaultColor(Colour::kLink), 0xFF0000FFu);
    other.SetDefaultColor(Colour::kLink, 0xFF112233, false);  // this window only
    own.SetDefaultColor(Colour::kLink, 0xFF445566, true);     // shared: own still had the shared value
    EXPECT_EQ(own.GetDefaultColor(Colour::kLink), 0xFF445566u);
    EXPECT_EQ(other.GetDefaultColor(Colour::kLink), 0xFF112233u);
    CPaintManagerUI later;
    EXPECT_EQ(later.GetDefaultColor(Colour::kLink), 0xFF445566u);
    own.SetDefaultColor(Colour::kLink, 0xFF0000FF, true);  // back to the default for the other tests
}

}  // namespace
