// Labels, buttons, options and check boxes under Wine: the press state machine row by row, clicks
// by window messages, keyboard activation, groups, auto-check, bound tabs, the consent pair of the
// installer, state images sliced by count, the looks of each state in pixels, label sizes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_png.h"
#include "tests/windows/test_support.h"
#include "ui/controls/button_ui.h"
#include "ui/controls/label_ui.h"
#include "ui/controls/option_ui.h"
#include "ui/controls/tab_layout_ui.h"
#include "ui/controls/text_ui.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/skin_builder.h"

using namespace Tovik;
using TestSupport::ArchiveMode;
using TestSupport::ManagedWindow;

namespace {

// One row per line of the state table in button_press.h.
TEST(ButtonPress, EachLineOfTheStateTable) {
    struct Row {
        UINT state;
        int event;
        bool inside;
        bool enabled;
        UINT next;
        bool activate;
        const wchar_t* notification;
    };
    constexpr UINT kCaptured = StatePushed | StateCaptured;
    const Row rows[] = {
        {0, EventMouseEnter, false, true, StateHot, false, L"mouseenter"},
        {StateHot, EventMouseLeave, false, true, 0, false, L"mouseleave"},
        {0, EventButtonDown, true, true, kCaptured, false, L"buttondown"},
        {0, EventDoubleClick, true, true, kCaptured, false, L"buttondown"},
        {StateCaptured, EventMouseMove, true, true, kCaptured, false, nullptr},
        {kCaptured, EventMouseMove, false, true, StateCaptured, false, nullptr},
        {kCaptured, EventButtonUp, true, true, 0, true, nullptr},
        {StateCaptured, EventButtonUp, false, true, 0, false, nullptr},
        {0, EventMouseMove, true, true, 0, false, nullptr},
        {0, EventButtonUp, true, true, 0, false, nullptr},
        {0, EventButtonDown, false, true, 0, false, nullptr},   // outside: no press
        {0, EventButtonDown, true, false, 0, false, nullptr},   // disabled: no press
        {0, EventMouseEnter, false, false, 0, false, nullptr},  // disabled: never hot
    };
    for (const Row& row : rows) {
        const TPressStep step = StepPress(row.state, row.event, row.inside, row.enabled);
        EXPECT_EQ(step.state, row.next) << row.state << " " << row.event;
        EXPECT_EQ(step.activate, row.activate) << row.state << " " << row.event;
        EXPECT_EQ(std::wstring(step.notification ? step.notification : L""),
                  std::wstring(row.notification ? row.notification : L""))
            << row.state << " " << row.event;
    }
}

// Records notifications other than the focus's as "type:sender" (with wParam when not 0).
class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        if (msg.type == L"setfocus" || msg.type == L"killfocus") return;
        std::wstring entry = msg.type.GetData();
        entry += L":";
        if (msg.sender != nullptr) entry += msg.sender->GetName().GetData();
        if (msg.wParam != 0) entry += L"=" + std::to_wstring(msg.wParam);
        seen.push_back(entry);
        if (onNotify) onNotify(msg);
    }
    std::vector<std::wstring> seen;
    std::function<void(TNotifyMsgUI&)> onNotify;
};

constexpr wchar_t kSkin[] =
    LR"(<Window>
  <VerticalLayout name="root">
    <Button name="btn" height="30"/>
    <Option name="BtnConsent" selected="true" height="20"/>
    <Button name="BtnDown" height="20" bindtablayoutname="tabs" bindtabindex="1"/>
    <Option name="a" group="g" selected="true" height="10"/>
    <Option name="b" group="g" height="10"/>
    <CheckBox name="check" EnableAutoCheck="true" height="10"/>
    <TabLayout name="tabs" height="10"><Control/><Control/></TabLayout>
  </VerticalLayout>
</Window>)";

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSkinBuilder builder;
        CControlUI* root = builder.BuildFromSource(kSkin, nullptr, nullptr, &window.manager());
        ASSERT_NE(root, nullptr);
        window.manager().AttachRoot(root);
        window.manager().AddNotifier(&recorder);
        SetWindowPos(window.get(), nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window.get());
        recorder.seen.clear();
    }
    template <typename Control = CButtonUI>
    Control* Find(const wchar_t* name) {
        return static_cast<Control*>(window.manager().FindControlByName(name));
    }
    // A press and release at client points, through the window's messages.
    void Click(POINT down, POINT up) {
        window.Send(WM_MOUSEMOVE, 0, MAKELPARAM(down.x, down.y));
        window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        window.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        window.Send(WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    }
    POINT CentreOf(const wchar_t* name) {
        const RECT& r = Find<CControlUI>(name)->GetPosition();
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    ManagedWindow window;
    Recorder recorder;
};

TEST_F(ButtonTest, AClickNeedsThePressAndTheReleaseInside) {
    Click(CentreOf(L"btn"), CentreOf(L"btn"));
    EXPECT_EQ(recorder.seen, std::vector<std::wstring>{L"click:btn"});
    recorder.seen.clear();
    Click(CentreOf(L"btn"), POINT{100, 190});  // released elsewhere
    EXPECT_TRUE(recorder.seen.empty());
    EXPECT_EQ(Find(L"btn")->GetButtonState() & (StatePushed | StateCaptured), 0u);
}

TEST_F(ButtonTest, SpaceAndReturnActivateOnceAndADisabledButtonNever) {
    CButtonUI* button = Find(L"btn");
    window.manager().SetFocusControl(button);
    for (const WPARAM key : {static_cast<WPARAM>(VK_SPACE), static_cast<WPARAM>(VK_RETURN)}) {
        window.Send(WM_KEYDOWN, key, 0);
        window.Send(WM_KEYUP, key, 0);
    }
    EXPECT_EQ(recorder.seen, (std::vector<std::wstring>{L"click:btn", L"click:btn"}));
    recorder.seen.clear();
    button->SetEnabled(false);
    EXPECT_FALSE(button->Activate());
    Click(CentreOf(L"btn"), CentreOf(L"btn"));
    EXPECT_TRUE(recorder.seen.empty());
    EXPECT_EQ(button->GetButtonState(), StateDisabled);
}

// The installer's pair: the consent option's "click" arrives before it toggles, so the handler
// that enables the download button by the consent still sees the old selection.
TEST_F(ButtonTest, TheConsentOptionDisablesAndReenablesTheDownloadButton) {
    auto* consent = Find<COptionUI>(L"BtnConsent");
    CButtonUI* download = Find(L"BtnDown");
    recorder.onNotify = [&](TNotifyMsgUI& msg) {
        if (msg.type == L"click" && msg.sender == consent) download->SetEnabled(!consent->IsSelected());
    };
    ASSERT_TRUE(consent->IsSelected());
    Click(CentreOf(L"BtnConsent"), CentreOf(L"BtnConsent"));
    EXPECT_FALSE(consent->IsSelected());
    EXPECT_FALSE(download->IsEnabled());
    Click(CentreOf(L"BtnConsent"), CentreOf(L"BtnConsent"));
    EXPECT_TRUE(consent->IsSelected());
    EXPECT_TRUE(download->IsEnabled());
    EXPECT_EQ(recorder.seen, (std::vector<std::wstring>{L"click:BtnConsent", L"selectchanged:BtnConsent",
                                                        L"click:BtnConsent", L"selectchanged:BtnConsent"}));
}

TEST_F(ButtonTest, GroupedOptionsExcludeEachOther) {
    auto* a = Find<COptionUI>(L"a");
    auto* b = Find<COptionUI>(L"b");
    ASSERT_EQ(window.manager().GetOptionGroup(L"g")->GetSize(), 2);
    a->Activate();  // already selected: a click and nothing else
    EXPECT_EQ(recorder.seen, std::vector<std::wstring>{L"click:a"});
    recorder.seen.clear();
    b->Activate();
    EXPECT_EQ(recorder.seen, (std::vector<std::wstring>{L"click:b", L"selectchanged:b"}));
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
}

TEST_F(ButtonTest, AnAutoCheckBoxTogglesOnThePressAndSendsNoClick) {
    auto* check = Find<CCheckBoxUI>(L"check");
    Click(CentreOf(L"check"), CentreOf(L"check"));
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ(recorder.seen, (std::vector<std::wstring>{L"selectchanged:check=1", L"checkclick:check"}));
    recorder.seen.clear();
    Click(CentreOf(L"check"), CentreOf(L"check"));
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ(recorder.seen, (std::vector<std::wstring>{L"selectchanged:check", L"checkclick:check"}));
}

TEST_F(ButtonTest, ABoundButtonSwitchesTheTabAfterItsClick) {
    auto* tabs = Find<CTabLayoutUI>(L"tabs");
    ASSERT_EQ(tabs->GetSelectedIndex(), 0);
    Find(L"BtnDown")->Activate();
    EXPECT_EQ(tabs->GetSelectedIndex(), 1);
    EXPECT_EQ(recorder.seen.front(), L"click:BtnDown");
}

// Disabling clears every state bit; the selection survives and the option still paints as
// selected once enabled again.
TEST_F(ButtonTest, AReenabledSelectedOptionKeepsItsSelectedState) {
    auto* a = Find<COptionUI>(L"a");
    a->SetEnabled(false);
    a->SetEnabled(true);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_NE(a->GetButtonState() & StateSelected, 0u);
}

}  // namespace

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;

// 400 × 10: four 100-pixel slices, red, green, blue, yellow.
std::string Strip() {
    std::vector<uint8_t> pixels;
    const uint8_t colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 400; ++x)
            pixels.insert(pixels.end(), {colours[x / 100][0], colours[x / 100][1], colours[x / 100][2], 255});
    }
    return TestPng::Encode(400, 10, pixels);
}

class ButtonLooksTest : public ::testing::Test {
protected:
    template <typename Control>
    Control* Attach(Control* control, const wchar_t* attributes) {
        control->ApplyAttributeString(attributes);
        window.manager().AttachRoot(control);
        control->SetPosition({0, 0, 100, 10}, false);
        return control;
    }
    uint32_t Painted(CControlUI* control) {
        TestSupport::Canvas canvas(100, 10);
        control->Paint(canvas.dc(), {0, 0, 100, 10}, nullptr);
        return canvas.Pixel(50, 5);
    }
    void Send(CControlUI* control, int type) {
        TInputEventUI event;
        event.type = type;
        event.mouse = POINT{50, 5};
        control->HandleEvent(event);
    }

    ArchiveMode archive{{"strip.png", Strip()}};
    ManagedWindow window;
};

// Four slices: normal, hot, pushed, disabled; and a focused image of its own.
TEST_F(ButtonLooksTest, EachStatePaintsItsSliceOfTheStateImage) {
    CButtonUI* button = Attach(new CButtonUI, L"stateimage=\"strip.png\" statecount=\"4\"");
    EXPECT_EQ(Painted(button), kRed);
    EXPECT_NE(button->GetNormalImage().Find(L"source='0,0,100,10'"), -1) << button->GetNormalImage().GetData();
    button->SetFocusedImage(L"file='strip.png' source='100,0,200,10'");
    Send(button, EventSetFocus);
    EXPECT_EQ(Painted(button), kGreen);
    Send(button, EventKillFocus);
    Send(button, EventMouseEnter);
    EXPECT_EQ(Painted(button), kGreen);
    Send(button, EventButtonDown);
    EXPECT_EQ(Painted(button), kBlue);
    Send(button, EventButtonUp);
    EnableWindow(window.get(), FALSE);  // an enabled button in a disabled window looks normal
    EXPECT_EQ(Painted(button), kRed);
    EnableWindow(window.get(), TRUE);
    button->SetEnabled(false);
    EXPECT_EQ(Painted(button), kYellow);
}

TEST_F(ButtonLooksTest, WithTwoSlicesHotAndPushedShareTheSecond) {
    CButtonUI* button = Attach(new CButtonUI, L"stateimage=\"strip.png\" statecount=\"2\"");
    Painted(button);  // painting slices the state image
    EXPECT_NE(button->GetNormalImage().Find(L"source='0,0,200,10'"), -1) << button->GetNormalImage().GetData();
    Send(button, EventMouseEnter);
    Send(button, EventButtonDown);
    EXPECT_NE(button->GetPushedImage().Find(L"source='200,0,400,10'"), -1) << button->GetPushedImage().GetData();
    EXPECT_EQ(button->GetPushedImage(), button->GetHotImage());
}

// Selected or not, hot or pushed: the selected images apply only while selected.
TEST_F(ButtonLooksTest, SelectedOptionsPaintTheirOwnImages) {
    COptionUI* option = Attach(new COptionUI,
                               L"normalimage=\"file='strip.png' source='0,0,100,10'\" "
                               L"selectedimage=\"file='strip.png' source='100,0,200,10'\" "
                               L"selectedhotimage=\"file='strip.png' source='200,0,300,10'\" "
                               L"selectedpushedimage=\"file='strip.png' source='300,0,400,10'\"");
    EXPECT_EQ(Painted(option), kRed);
    option->SetSelected(true);
    EXPECT_EQ(Painted(option), kGreen);
    Send(option, EventMouseEnter);
    EXPECT_EQ(Painted(option), kBlue);
    Send(option, EventButtonDown);
    EXPECT_EQ(Painted(option), kYellow);
}

TEST_F(ButtonLooksTest, LabelsSizeThemselvesToTheirFontAndText) {
    CLabelUI* label = Attach(new CLabelUI, L"text=\"Corvana\" textpadding=\"4,2,6,3\" autocalcwidth=\"true\"");
    const TSkinFont* font = window.manager().FontInfoById(-1);
    SIZE extent = {};
    {
        const ScopedSelectObject select(window.manager().GetPaintDC(), font->handle);
        GetTextExtentPoint32W(window.manager().GetPaintDC(), L"Corvana", 7, &extent);
    }
    const SIZE measured = label->MeasureSize({500, 500});
    EXPECT_EQ(measured.cy, font->metrics.tmHeight + 2 + 3 + 8);
    EXPECT_EQ(measured.cx, extent.cx + 4 + 6);
    label->SetAttribute(L"wordbreak", L"true");
    EXPECT_EQ(label->GetTextStyle() & DT_SINGLELINE, 0u);
    label->SetAttribute(L"valign", L"bottom");
    EXPECT_NE(label->GetTextStyle() & DT_SINGLELINE, 0u);
    EXPECT_EQ(label->GetTextStyle() & DT_WORDBREAK, 0u);
}

// A label sizing itself to its text asks its parent for a layout when the text changes.
TEST_F(ButtonLooksTest, AnAutoSizedLabelRelaysItsParentOut) {
    auto* root = new CVerticalLayoutUI;
    auto* label = new CLabelUI;
    label->SetAutoCalcWidth(true);
    root->AddItem(label);
    window.manager().AttachRoot(root);
    root->SetPosition({0, 0, 100, 100});
    ASSERT_FALSE(root->IsLayoutPending());
    label->SetText(L"longer text");
    EXPECT_TRUE(root->IsLayoutPending());
}

}  // namespace

namespace {

// A formatted text records its links when painted; a release over one sends "link" with its index.
TEST_F(ButtonLooksTest, ATextSendsLinkForTheLinkUnderTheRelease) {
    CTextUI* text = Attach(new CTextUI, L"showhtml=\"true\" text=\"see <a first>one</a> <a second>two</a>\"");
    Recorder recorder;
    window.manager().AddNotifier(&recorder);
    Painted(text);
    ASSERT_EQ(text->GetLinkCount(), 2);
    EXPECT_EQ(text->GetLinkText(1), L"second");
    EXPECT_EQ(text->GetInputFlags(), FlagSetCursor);
    const RECT& second = text->GetLinkRect(1);
    TInputEventUI release;
    release.type = EventButtonUp;
    release.mouse = POINT{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    text->HandleEvent(release);
    release.mouse = POINT{0, 9};  // "see", no link
    text->HandleEvent(release);
    EXPECT_EQ(recorder.seen, std::vector<std::wstring>{L"link:=1"});
    window.manager().RemoveNotifier(&recorder);
}

}  // namespace
