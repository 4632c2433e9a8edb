// Progress bars and sliders under Wine: values, the track arithmetic, the thumb drag row by row,
// the wheel, a slider without the mouse, and the installer's progress bar in pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_png.h"
#include "tests/windows/test_support.h"
#include "ui/controls/button_press.h"
#include "ui/controls/slider_ui.h"
#include "ui/controls/vertical_layout_ui.h"

using namespace Tovik;
using TestSupport::ArchiveMode;
using TestSupport::Canvas;
using TestSupport::ManagedWindow;

namespace {

TEST(ProgressValues, OutOfRangeAndEqualValuesAreIgnored) {
    CProgressUI progress;
    struct Row {
        int value;
        int expected;
    };
    const Row rows[] = {{37, 37}, {150, 37}, {-1, 37}, {100, 100}, {0, 0}, {0, 0}};
    for (const Row& row : rows) {
        progress.SetValue(row.value);
        EXPECT_EQ(progress.GetValue(), row.expected) << row.value;
    }
    progress.SetAttribute(L"max", L"10");
    progress.SetAttribute(L"value", L"50");  // checked against the maximum already set
    EXPECT_EQ(progress.GetValue(), 0);
}

TEST(SliderGeometry, ThumbAndPointerArithmetic) {
    const TSliderTrack horizontal = {{0, 0, 110, 10}, {10, 10}, 0, 100, 50, true};
    const RECT thumb = SliderThumbRect(horizontal);
    EXPECT_EQ(thumb.left, 50);
    EXPECT_EQ(thumb.right, 60);
    TSliderTrack vertical = {{0, 0, 10, 110}, {10, 10}, 0, 100, 25, false};
    EXPECT_EQ(SliderThumbRect(vertical).bottom, 85);
    struct Row {
        const TSliderTrack* track;
        POINT point;
        int value;
    };
    const TSliderTrack narrow = {{0, 0, 10, 10}, {10, 10}, 0, 100, 0, true};  // no track at all
    const Row rows[] = {
        {&horizontal, {0, 5}, 0},    {&horizontal, {5, 5}, 0},     {&horizontal, {55, 5}, 50},
        {&horizontal, {104, 5}, 99}, {&horizontal, {105, 5}, 100}, {&horizontal, {500, 5}, 100},
        {&vertical, {5, 105}, 0},    {&vertical, {5, 5}, 100},     {&vertical, {5, 80}, 25},
        {&narrow, {0, 5}, 0},        {&narrow, {9, 5}, 100},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SliderValueAt(*row.track, row.point, false), row.value) << row.point.x << "," << row.point.y;
        EXPECT_EQ(SliderValueAt(*row.track, row.point, true), row.value) << row.point.x << "," << row.point.y;
    }
}

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        if (msg.type != L"setfocus" && msg.type != L"killfocus") seen.push_back(msg.type.GetData());
    }
    std::vector<std::wstring> seen;
};

// One row per line of the drag table in slider_ui.cpp (plus the wheel while dragging).
TEST(SliderDrag, EachLineOfTheStateTable) {
    ManagedWindow window;
    auto* slider = new CSliderUI;
    slider->SetAttribute(L"sendmove", L"true");
    window.manager().AttachRoot(slider);
    slider->SetPosition({0, 0, 110, 10}, false);
    Recorder recorder;
    window.manager().AddNotifier(&recorder);
    struct Row {
        int event;
        int x;
        WPARAM wParam;
        UINT state;
        int value;
        const wchar_t* notification;
    };
    const Row rows[] = {
        {EventButtonDown, 55, 0, StateCaptured, 50, L""},
        {EventMouseMove, 80, 0, StateCaptured | StateHot, 75, L"movevaluechanged"},  // the thumb follows the pointer
        {EventScrollWheel, 80, SB_LINEUP, StateCaptured | StateHot, 75, L"valuechanged"},  // no change while dragging
        {EventButtonUp, 500, 0, StateHot, 100, L"valuechanged"},
        {EventMouseMove, 103, 0, StateHot, 100, L""},  // over the thumb at the right end
        {EventMouseLeave, 0, 0, 0, 100, L""},
        {EventScrollWheel, 0, SB_LINEDOWN, 0, 99, L"valuechanged"},
        {EventScrollWheel, 0, SB_LINEUP, 0, 100, L"valuechanged"},
    };
    for (const Row& row : rows) {
        recorder.seen.clear();
        TInputEventUI event;
        event.type = row.event;
        event.mouse = POINT{row.x, 5};
        event.wParam = row.wParam;
        slider->HandleEvent(event);
        EXPECT_EQ(slider->GetSliderState(), row.state) << row.event << " at " << row.x;
        EXPECT_EQ(slider->GetValue(), row.value) << row.event << " at " << row.x;
        EXPECT_EQ(recorder.seen.empty() ? L"" : recorder.seen.back(), std::wstring(row.notification)) << row.event;
    }
    window.manager().RemoveNotifier(&recorder);
}

// 510 × 9: a grey background, and a foreground whose red channel follows x (x / 2).
std::string Picture(bool foreground) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 510; ++x) {
            const uint8_t red = foreground ? static_cast<uint8_t>(x / 2) : 128;
            pixels.insert(pixels.end(), {red, static_cast<uint8_t>(foreground ? 200 : 128), 128, 255});
        }
    }
    return TestPng::Encode(510, 9, pixels);
}

class ProgressPixelsTest : public ::testing::Test {
protected:
    CSliderUI* Slider(const wchar_t* extra) {
        auto* slider = new CSliderUI;
        slider->ApplyAttributeString(
            L"width=\"510\" height=\"9\" value=\"0\" mouse=\"false\" "
            L"bkimage=\"file='Progressbg.png'\" foreimage=\"file='Progress.png' \"");
        slider->ApplyAttributeString(extra);
        window.manager().AttachRoot(slider);
        slider->SetPosition({0, 0, 510, 9}, false);
        return slider;
    }
    bool IsForeground(int x) { return (canvas.Pixel(x, 4) >> 8 & 0xFF) == 200; }
    void Paint(CControlUI* control) { control->Paint(canvas.dc(), {0, 0, 510, 9}, nullptr); }

    ArchiveMode archive{{"Progressbg.png", Picture(false)}, {"Progress.png", Picture(true)}};
    ManagedWindow window;
    Canvas canvas{510, 9};
};

// The installer's bar at 0, 37 and 100: 510 × 37 ÷ 100 = 188.7 → the left 188 pixels.
TEST_F(ProgressPixelsTest, TheInstallersBarFillsTheValuesShare) {
    CSliderUI* slider = Slider(L"");
    struct Row {
        int value;
        int filled;
    };
    for (const Row& row : {Row{0, 0}, Row{37, 188}, Row{100, 510}}) {
        slider->SetValueUnlessDragging(row.value);
        Paint(slider);
        EXPECT_EQ(IsForeground(0), row.filled > 0) << row.value;
        if (row.filled > 0) {
            EXPECT_TRUE(IsForeground(row.filled - 1)) << row.value;
        }
        if (row.filled < 510) {
            EXPECT_FALSE(IsForeground(row.filled)) << row.value;
        }
    }
}

// Stretched, the filled part shows the whole image squeezed; cropped, it shows the image's own
// left part pixel for pixel.
TEST_F(ProgressPixelsTest, TheForegroundIsStretchedOrCropped) {
    CSliderUI* stretched = Slider(L"value=\"37\"");
    Paint(stretched);
    const uint32_t squeezed = canvas.Pixel(100, 4) >> 16 & 0xFF;
    EXPECT_GT(squeezed, 120u);  // source x ≈ 271
    CSliderUI* cropped = Slider(L"value=\"37\" isstretchfore=\"false\"");
    Paint(cropped);
    EXPECT_NEAR(static_cast<int>(canvas.Pixel(100, 4) >> 16 & 0xFF), 50, 2);
}

// Colour foregrounds, horizontal and vertical.
TEST_F(ProgressPixelsTest, ColourForegroundsFillTheValuesShare) {
    auto* vertical = new CProgressUI;
    vertical->ApplyAttributeString(L"hor=\"false\" forecolor=\"#FFFF0000\" value=\"30\"");
    window.manager().AttachRoot(vertical);
    vertical->SetPosition({0, 0, 10, 9}, false);
    Paint(vertical);
    EXPECT_EQ(canvas.Pixel(5, 6), 0xFFFF0000u);  // 9 × 70 ÷ 100 = 6: rows 6 to 8
    EXPECT_NE(canvas.Pixel(5, 5), 0xFFFF0000u);
}

// "mouse" false: presses, drags and releases through the window change nothing.
TEST_F(ProgressPixelsTest, ASliderWithoutTheMouseIgnoresClicksAndDrags) {
    auto* root = new CVerticalLayoutUI;
    auto* slider = new CSliderUI;
    slider->ApplyAttributeString(L"mouse=\"false\" height=\"9\" value=\"20\"");
    root->AddItem(slider);
    window.manager().AttachRoot(root);
    SetWindowPos(window.get(), nullptr, 0, 0, 200, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 4));
    window.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(190, 4));
    window.Send(WM_LBUTTONUP, 0, MAKELPARAM(190, 4));
    EXPECT_EQ(slider->GetValue(), 20);
    EXPECT_EQ(slider->GetSliderState(), 0u);
}

}  // namespace
