// The scroll bar under Wine: part geometry by table, the press-repeat and thumb-drag table row by
// row, its outlines without images, and a scrolling container on a real window.
#include "ui/controls/scroll_bar_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_support.h"
#include "ui/controls/button_press.h"
#include "ui/controls/vertical_layout_ui.h"

using namespace Tovik;
using TestSupport::ManagedWindow;

namespace {

TEST(ScrollBarGeometry, PartsForEachRange) {
    struct Row {
        int height;
        int64_t range;
        int64_t position;
        bool button1;
        RECT first, second, thumb;
    };
    const Row rows[] = {
        {100, 300, 0, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 16, 16, 33}},      // 100 × 68 ÷ 400 = 17
        {100, 300, 300, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 67, 16, 84}},    // ends on button 2
        {100, 0, 0, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 16, 16, 84}},        // no range: the track
        {100, 1, 1, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 17, 16, 84}},        // 67 long
        {100, 100, 50, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 33, 16, 67}},     // a page: half the track
        {100, 1000000, 0, true, {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 16, 16, 32}},  // never below the thickness
        {20, 300, 0, true, {0, 0, 16, 10}, {0, 10, 16, 20}, {0, 0, 0, 0}},           // too short: no thumb
        {100, 300, 0, false, {0, 0, 0, 0}, {0, 84, 16, 100}, {0, 0, 16, 21}},  // one button: 100 × 84 ÷ 400 = 21
    };
    for (const Row& row : rows) {
        CScrollBarUI bar;
        bar.ShowButton1(row.button1);
        bar.SetBarRange(row.range);
        bar.SetBarPosition(row.position);
        bar.SetPosition({0, 0, 16, row.height}, false);
        const auto same = [](const RECT& a, const RECT& b) {
            return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
        };
        EXPECT_TRUE(same(bar.GetButton1Rect(), row.first)) << row.height << " " << row.range;
        EXPECT_TRUE(same(bar.GetButton2Rect(), row.second)) << row.height << " " << row.range;
        EXPECT_TRUE(same(bar.GetThumbRect(), row.thumb))
            << row.height << " " << row.range << ": " << bar.GetThumbRect().top << "-" << bar.GetThumbRect().bottom;
    }
}

// Records "scroll" notifications.
class ScrollCounter : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override { count += msg.type == L"scroll"; }
    int count = 0;
};

// One row per line of the press table in scroll_bar_ui.cpp, on a bar without owner (100 high,
// range 300, line 8): the position after the event and the "scroll" notifications it sent.
TEST(ScrollBarPress, EachLineOfTheStateTable) {
    ManagedWindow window;
    auto* bar = new CScrollBarUI;
    window.manager().AttachRoot(bar);
    bar->SetBarRange(300);
    bar->SetBarPosition(100);
    bar->SetPosition({0, 0, 16, 100}, false);
    ScrollCounter counter;
    window.manager().AddNotifier(&counter);
    struct Row {
        const char* what;
        int event;
        int y;
        int ticks;  // timer ticks after the event
        int64_t position;
        int scrolls;
    };
    const Row rows[] = {
        {"button 1 press: a line back", EventButtonDown, 5, 0, 92, 1},
        {"held: nothing for 5 ticks", EventTimer, 5, 5, 92, 0},
        {"the 6th tick repeats", EventTimer, 5, 1, 84, 1},
        {"released: no more", EventButtonUp, 5, 3, 84, 0},
        {"button 2 press: a line forward", EventButtonDown, 95, 0, 92, 1},
        {"released", EventButtonUp, 95, 0, 92, 0},
        {"track after the thumb: a page", EventButtonDown, 80, 0, 192, 1},
        {"released", EventButtonUp, 80, 0, 192, 0},
        {"thumb press: captured", EventButtonDown, 50, 0, 192, 1},
        {"thumb moved 17: applied at the tick", EventMouseMove, 67, 0, 192, 0},
        {"the tick moves it by 17 × 300 ÷ 51", EventTimer, 67, 1, 292, 1},
        {"released", EventButtonUp, 67, 0, 292, 0},
        {"thumb press again", EventButtonDown, 75, 0, 292, 1},
        {"dragged far past the end", EventMouseMove, 400, 1, 300, 1},
        {"released at the end", EventButtonUp, 400, 0, 300, 0},
    };
    for (const Row& row : rows) {
        counter.count = 0;
        TInputEventUI event;
        event.type = row.event;
        event.mouse = POINT{8, row.y};
        event.wParam = CScrollBarUI::kRepeatTimer;
        if (row.event != EventTimer) bar->HandleEvent(event);
        event.type = EventTimer;
        for (int i = 0; i < row.ticks; ++i) bar->HandleEvent(event);
        EXPECT_EQ(bar->GetBarPosition(), row.position) << row.what;
        EXPECT_EQ(counter.count, row.scrolls) << row.what;
    }
    EXPECT_EQ(bar->GetThumbState() & (StatePushed | StateCaptured), 0u);
    window.manager().RemoveNotifier(&counter);
}

// A held track pages toward the pointer, wherever the pointer has gone since the press.
TEST(ScrollBarPress, AHeldTrackPagesTowardThePointer) {
    ManagedWindow window;
    auto* bar = new CScrollBarUI;
    window.manager().AttachRoot(bar);
    bar->SetBarRange(300);
    bar->SetPosition({0, 0, 16, 100}, false);
    TInputEventUI event;
    event.type = EventButtonDown;
    event.mouse = POINT{8, 80};  // after the thumb
    bar->HandleEvent(event);
    ASSERT_EQ(bar->GetBarPosition(), 100);
    POINT above = {8, 2};  // now before the thumb (over button 1, which the press did not push)
    ClientToScreen(window.get(), &above);
    SetCursorPos(above.x, above.y);
    event.type = EventTimer;
    event.wParam = CScrollBarUI::kRepeatTimer;
    for (int tick = 0; tick < CScrollBarUI::kRepeatDelayTicks + 1; ++tick) bar->HandleEvent(event);
    EXPECT_EQ(bar->GetBarPosition(), 0);
}

// Without images the buttons and the thumb are outlined in light blue.
TEST(ScrollBarLooks, PartsWithoutImagesAreOutlined) {
    ManagedWindow window;
    auto* bar = new CScrollBarUI;
    window.manager().AttachRoot(bar);
    bar->SetBarRange(300);
    bar->SetPosition({0, 0, 16, 100}, false);
    TestSupport::Canvas canvas(16, 100);
    bar->Paint(canvas.dc(), {0, 0, 16, 100}, nullptr);
    EXPECT_EQ(canvas.Pixel(0, 8), 0xFF85E4FFu);   // button 1's left edge
    EXPECT_EQ(canvas.Pixel(0, 90), 0xFF85E4FFu);  // button 2
    EXPECT_EQ(canvas.Pixel(0, 25), 0xFF85E4FFu);  // the thumb (16 to 33)
    EXPECT_EQ(canvas.Pixel(8, 50), 0xFFFFFFFFu);  // the empty track
}

// A vertical layout taller inside than outside shows its bar; the wheel, an arrow and the thumb
// move the children and send "scroll"; content that fits shows no bar.
TEST(ScrollBarOwner, AScrollingLayoutOnAWindow) {
    ManagedWindow window;
    auto* root = new CVerticalLayoutUI;
    root->SetAttribute(L"vscrollbar", L"true");
    auto* tall = new CControlUI;
    tall->SetFixedHeight(300);
    root->AddItem(tall);
    window.manager().AttachRoot(root);
    SetWindowPos(window.get(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    CScrollBarUI* bar = root->GetVScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetBarRange(), 200);
    ScrollCounter counter;
    window.manager().AddNotifier(&counter);
    const int top = tall->GetPosition().top;
    window.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(950, 750));
    EXPECT_LT(tall->GetPosition().top, top);
    EXPECT_GT(counter.count, 0);
    const int64_t afterWheel = bar->GetBarPosition();
    const RECT down = bar->GetButton2Rect();
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.left + 8, down.top + 8));
    window.Send(WM_LBUTTONUP, 0, MAKELPARAM(down.left + 8, down.top + 8));
    EXPECT_GT(bar->GetBarPosition(), afterWheel);
    EXPECT_EQ(tall->GetPosition().top, top - bar->GetBarPosition());
    window.manager().RemoveNotifier(&counter);
    tall->SetFixedHeight(50);
    UpdateWindow(window.get());
    window.manager().Invalidate();
    UpdateWindow(window.get());
    EXPECT_FALSE(bar->IsVisible());
}

}  // namespace
