// The combo under Wine: the installer's "comboDisk" with two more disks, its popup window (which
// borrows the items), selection by mouse, keys and wheel, and the popup's end in every way it can
// end.
#include "ui/controls/combo_ui.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/windows/managed_window.h"
#include "ui/controls/combo_wnd.h"
#include "ui/controls/list_element_ui.h"
#include "ui/core/skin_builder.h"

using namespace Tovik;
using TestSupport::ManagedWindow;

namespace {

constexpr wchar_t kSkin[] =
    LR"(<Window><VerticalLayout>
  <Combo name="comboDisk" bkcolor="#99999999" width="44" height="18" itemalign="center" padding="3,0,15,0"
         itembkcolor="#FFFFFFFF" itemhotbkcolor="#FFFFFFFF" normalimage="FrameworkUI\image\Combo1_1.jpg"
         textpadding="1,0,15,0" font="2" itemtextcolor="#FF00A422" itemselectedtextcolor="#FF00A422">
    <ListLabelElement text="C 盘" selected="true"/>
  </Combo>
  <Control/>
</VerticalLayout></Window>)";

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        if (msg.type == L"itemselect")
            selections.push_back(std::to_wstring(msg.wParam) + L"<" + std::to_wstring(msg.lParam));
    }
    std::vector<std::wstring> selections;
};

class ComboTest : public ::testing::Test {
protected:
    void SetUp() override { Build(window); }
    void Build(ManagedWindow& on) {
        CSkinBuilder builder;
        CControlUI* root = builder.BuildFromSource(kSkin, nullptr, nullptr, &on.manager());
        ASSERT_NE(root, nullptr);
        on.manager().AttachRoot(root);
        combo = static_cast<CComboUI*>(on.manager().FindControlByName(L"comboDisk"));
        for (const wchar_t* disk : {L"D 盘", L"F 盘"}) {
            auto* item = new CListLabelElementUI;
            item->SetText(disk);
            combo->AddItem(item);
        }
        SetWindowPos(on.get(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(on.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(on.get());
        on.manager().AddNotifier(&recorder);
    }
    void Key(WPARAM key) {
        TInputEventUI event;
        event.type = EventKeyDown;
        event.keyChar = static_cast<WCHAR>(key);
        combo->HandleEvent(event);
    }
    void Pump() {
        window.Pump(100, [] { return false; });
    }

    ManagedWindow window;
    Recorder recorder;
    CComboUI* combo = nullptr;
};

TEST_F(ComboTest, APopupShowsTheItemsAndAClickSelectsAndClosesIt) {
    ASSERT_EQ(combo->GetSelectedIndex(), 0);
    EXPECT_EQ(combo->GetText(), L"C 盘");
    ASSERT_TRUE(combo->Activate());
    CComboWnd* popup = combo->GetPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->GetList()->ItemCount(), 3);
    UpdateWindow(popup->GetHWND());
    const RECT& second = popup->GetList()->ItemAt(1)->GetPosition();
    const LPARAM at = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    const HWND handle = popup->GetHWND();
    SendMessageW(handle, WM_MOUSEMOVE, 0, at);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(handle, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
    EXPECT_EQ(recorder.selections, std::vector<std::wstring>{L"1<0"});
    EXPECT_EQ(combo->GetPopup(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(combo->ItemAt(1)->GetPaintManager(), &window.manager());  // given back
}

// Keys and the wheel stay within bounds; past the last selectable item the selection stays.
TEST_F(ComboTest, KeysAndTheWheelMoveTheSelectionWithinBounds) {
    struct Row {
        int key;  // 0: the wheel down, 1: the wheel up
        int selected;
    };
    const Row rows[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 2}, {VK_HOME, 0}, {VK_UP, 0},
                        {VK_END, 2},  {0, 2},       {1, 1},       {1, 0},       {1, 0}};
    for (const Row& row : rows) {
        if (row.key > 1) {
            Key(static_cast<WPARAM>(row.key));
        } else {
            TInputEventUI wheel;
            wheel.type = EventScrollWheel;
            wheel.wParam = row.key == 0 ? SB_LINEDOWN : SB_LINEUP;
            combo->HandleEvent(wheel);
        }
        EXPECT_EQ(combo->GetSelectedIndex(), row.selected) << row.key;
    }
    combo->ItemAt(2)->SetEnabled(false);
    combo->SelectIndex(1);
    Key(VK_END);  // the last item cannot be selected: the selection stays
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
    Key(VK_DOWN);
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
}

TEST_F(ComboTest, SelectionRules) {
    EXPECT_TRUE(combo->SelectIndex(5));  // past the end: the last
    EXPECT_EQ(combo->GetSelectedIndex(), 2);
    combo->ItemAt(0)->SetEnabled(false);
    EXPECT_FALSE(combo->SelectIndex(0));  // a disabled target clears the selection
    EXPECT_EQ(combo->GetSelectedIndex(), -1);
    combo->ItemAt(0)->SetEnabled(true);
    combo->SelectIndex(2);
    combo->RemoveItemAt(2);  // the selected item goes: its neighbour before it is selected
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
    EXPECT_EQ(static_cast<IListItemUI*>(combo->ItemAt(1)->QueryControlInterface(L"ListItem"))->ListIndex(), 1);
}

// Escape gives back the selection the popup opened with.
TEST_F(ComboTest, EscapeInThePopupRestoresTheSelection) {
    combo->Activate();
    CComboWnd* popup = combo->GetPopup();
    ASSERT_NE(popup, nullptr);
    SendMessageW(popup->GetHWND(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
    SendMessageW(popup->GetHWND(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(combo->GetSelectedIndex(), 0);
    EXPECT_EQ(combo->GetPopup(), nullptr);
}

// The owner window goes while the popup is open (no WM_CLOSE for the popup): the items come back
// once and the popup is gone.
TEST_F(ComboTest, TheOwnersEndEndsThePopupAndGivesTheItemsBack) {
    auto owner = std::make_unique<ManagedWindow>();
    Build(*owner);
    combo->Activate();
    const HWND popup = combo->GetPopup()->GetHWND();
    ASSERT_TRUE(IsWindow(popup));
    DestroyWindow(owner->get());
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_EQ(combo->GetPopup(), nullptr);
    EXPECT_EQ(combo->ItemAt(0)->GetPaintManager(), &owner->manager());
    owner->manager().RemoveNotifier(&recorder);
}

// The combo goes while its popup is open: the popup is destroyed at once and never calls back.
TEST_F(ComboTest, TheCombosEndDestroysItsPopupFirst) {
    combo->Activate();
    const HWND popup = combo->GetPopup()->GetHWND();
    window.manager().AttachRoot(new CControlUI);  // the old tree goes to delayed deletion
    window.manager().DeleteDelayed();
    EXPECT_FALSE(IsWindow(popup));
    Pump();
}

// Near the bottom of the screen the popup opens above the combo.
TEST_F(ComboTest, ThePopupOpensAboveWhenThereIsNoRoomBelow) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window.get(), nullptr, 900, work.bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    combo->Activate();
    ASSERT_NE(combo->GetPopup(), nullptr);
    RECT popup, owner;
    GetWindowRect(combo->GetPopup()->GetHWND(), &popup);
    POINT comboTop = {combo->GetPosition().left, combo->GetPosition().top};
    ClientToScreen(window.get(), &comboTop);
    GetWindowRect(window.get(), &owner);
    EXPECT_EQ(popup.bottom, comboTop.y);
    combo->GetPopup()->Close(1);
    Pump();
}

}  // namespace
