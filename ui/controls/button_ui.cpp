#include "ui/controls/button_ui.h"

#include <cwchar>

#include "ui/controls/state_image_slices.h"
#include "ui/controls/tab_layout_ui.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
CButtonUI::CButtonUI() { textStyle_ = DT_CENTER | DT_VCENTER | DT_SINGLELINE; }

void* CButtonUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Button") == 0) return this;
    return CLabelUI::QueryControlInterface(name);
}

UINT CButtonUI::GetInputFlags() { return (IsKeyboardEnabled() ? FlagTabStop : 0) | (IsEnabled() ? FlagSetCursor : 0); }

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (manager_ != nullptr) {
        manager_->SendNotify(this, L"click");
        SelectBoundTab(-1);
    }
    return true;
}

void CButtonUI::SelectBoundTab(int index) {
    if (bindTabLayoutName_.IsEmpty() || (bindTabIndex_ < 0 && index < 0) || manager_ == nullptr) return;
    CControlUI* found = manager_->FindControlByName(bindTabLayoutName_.GetData());
    auto* tab = found != nullptr ? static_cast<CTabLayoutUI*>(found->QueryControlInterface(L"TabLayout")) : nullptr;
    if (tab != nullptr) tab->SelectTab(index >= 0 ? index : bindTabIndex_);
}

void CButtonUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    state_ = enabled ? 0 : StateDisabled;
}

void CButtonUI::SetStateImage(const wchar_t* image) {
    normalImage_.Empty();
    SetRepaintingValue(stateImage_, CStringUI(image));
}

void CButtonUI::HandleEvent(TInputEventUI& event) {
    if (PassMouseOn(event)) return;
    switch (event.type) {
    case EventSetFocus:
    case EventKillFocus: RequestRepaint(); break;
    case EventKeyDown:
        if (IsKeyboardEnabled() && (event.keyChar == VK_SPACE || event.keyChar == VK_RETURN)) {
            Activate();
            return;
        }
        break;
    case EventContextMenu:
        if (IsMenuEnabled() && manager_ != nullptr) manager_->SendNotify(this, L"menu", event.wParam, event.lParam);
        return;
    default: break;
    }
    const TPressStep step = StepPress(state_, event.type, PtInRect(&item_, event.mouse) != FALSE, IsEnabled());
    state_ = step.state;
    if (step.repaint) RequestRepaint();
    if (step.notification != nullptr && IsRichEvent() && manager_ != nullptr) {
        manager_->SendNotify(this, step.notification);
    }
    if (step.activate) Activate();
    if (!step.handled) CLabelUI::HandleEvent(event);
}

void CButtonUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CButtonUI>;
    static const Row kRows[] = {
        {L"normalimage", [](CButtonUI& b, const wchar_t* v) { b.SetNormalImage(v); }},
        {L"hotimage", [](CButtonUI& b, const wchar_t* v) { b.SetHotImage(v); }},
        {L"pushedimage", [](CButtonUI& b, const wchar_t* v) { b.SetPushedImage(v); }},
        {L"focusedimage", [](CButtonUI& b, const wchar_t* v) { b.SetFocusedImage(v); }},
        {L"disabledimage", [](CButtonUI& b, const wchar_t* v) { b.SetDisabledImage(v); }},
        {L"hotforeimage", [](CButtonUI& b, const wchar_t* v) { b.SetHotForeImage(v); }},
        {L"stateimage", [](CButtonUI& b, const wchar_t* v) { b.SetStateImage(v); }},
        {L"statecount", [](CButtonUI& b, const wchar_t* v) { b.SetStateCount(ParseInt(v)); }},
        {L"bindtabindex",
         [](CButtonUI& b, const wchar_t* v) {
             if (ParseInt(v) >= 0) b.SetBindTabIndex(ParseInt(v));
         }},
        {L"bindtablayoutname", [](CButtonUI& b, const wchar_t* v) { b.SetBindTabLayoutName(v); }},
        {L"hotbkcolor",
         [](CButtonUI& b, const wchar_t* v) { b.SetRepaintingValue<DWORD>(b.hotBkColour_, ParseColour(v, false)); }},
        {L"pushedbkcolor",
         [](CButtonUI& b, const wchar_t* v) { b.SetRepaintingValue<DWORD>(b.pushedBkColour_, ParseColour(v, false)); }},
        {L"disabledbkcolor",
         [](CButtonUI& b, const wchar_t* v) {
             b.SetRepaintingValue<DWORD>(b.disabledBkColour_, ParseColour(v, false));
         }},
        {L"hottextcolor", [](CButtonUI& b, const wchar_t* v) { b.hotTextColour_ = ParseColour(v, false); }},
        {L"pushedtextcolor", [](CButtonUI& b, const wchar_t* v) { b.pushedTextColour_ = ParseColour(v, false); }},
        {L"focusedtextcolor", [](CButtonUI& b, const wchar_t* v) { b.focusedTextColour_ = ParseColour(v, false); }},
        {L"hotfont", [](CButtonUI& b, const wchar_t* v) { b.SetRepaintingValue(b.hotFont_, ParseInt(v)); }},
        {L"pushedfont", [](CButtonUI& b, const wchar_t* v) { b.SetRepaintingValue(b.pushedFont_, ParseInt(v)); }},
        {L"focuedfont", [](CButtonUI& b, const wchar_t* v) { b.SetRepaintingValue(b.focusedFont_, ParseInt(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CLabelUI::SetAttribute(name, value);
}

// ---- Painting ----

void CButtonUI::RefreshStateBits() {
    state_ = HasFocus() ? state_ | StateFocused : state_ & ~StateFocused;
    state_ = IsEnabled() ? state_ & ~StateDisabled : state_ | StateDisabled;
    if (manager_ != nullptr && manager_->GetPaintWindow() != nullptr && !IsWindowEnabled(manager_->GetPaintWindow())) {
        state_ &= StateDisabled;
    }
}

void CButtonUI::PaintBackgroundColor(HDC dc) {
    const DWORD colour = (state_ & StateDisabled) != 0 ? disabledBkColour_
                         : (state_ & StatePushed) != 0 ? pushedBkColour_
                         : (state_ & StateHot) != 0    ? hotBkColour_
                                                       : 0;
    if (colour != 0) {
        CSkinRender::DrawColor(dc, paintRect_, AdjustColor(colour));
        return;
    }
    CLabelUI::PaintBackgroundColor(dc);
}

void CButtonUI::PaintStateImage(HDC dc) {
    if (!stateImage_.IsEmpty() && stateCount_ > 0 && normalImage_.IsEmpty()) {
        const CStateImageSlices slices(manager_, stateImage_, stateCount_);
        if (slices.IsValid()) {
            normalImage_ = slices.Slice(0);
            if (stateCount_ > 1) hotImage_ = pushedImage_ = slices.Slice(1);
            if (stateCount_ > 2) pushedImage_ = slices.Slice(2);
            if (stateCount_ > 3) disabledImage_ = slices.Slice(3);
        }
    }
    RefreshStateBits();
    DrawStateLook(*this, dc, state_,
                  {{StateDisabled, &disabledImage_},
                   {StatePushed, &pushedImage_},
                   {StateHot, &hotImage_},
                   {StateFocused, &focusedImage_}},
                  normalImage_);
}

void CButtonUI::PaintForegroundImage(HDC dc) {
    const CStringUI* image = (state_ & StatePushed) != 0 ? &pushedForeImage_
                             : (state_ & StateHot) != 0  ? &hotForeImage_
                                                         : nullptr;
    if (image != nullptr && !image->IsEmpty()) {
        DrawImageString(dc, image->GetData());
        return;
    }
    CLabelUI::PaintForegroundImage(dc);
}

DWORD CButtonUI::StateTextColour() const {
    if ((state_ & StatePushed) != 0 && pushedTextColour_ != 0) return pushedTextColour_;
    if ((state_ & StateHot) != 0 && hotTextColour_ != 0) return hotTextColour_;
    if ((state_ & StateFocused) != 0 && focusedTextColour_ != 0) return focusedTextColour_;
    return IsEnabled() ? textColour_ : disabledTextColour_;
}

int CButtonUI::StateFont() const {
    if ((state_ & StatePushed) != 0 && pushedFont_ != -1) return pushedFont_;
    if ((state_ & StateHot) != 0 && hotFont_ != -1) return hotFont_;
    if ((state_ & StateFocused) != 0 && focusedFont_ != -1) return focusedFont_;
    return font_;
}

void CButtonUI::PaintText(HDC dc) {
    RefreshStateBits();
    TakeDefaultColours();
    DrawTextInPadding(dc, StateTextColour(), StateFont());
}

}  // namespace Tovik
