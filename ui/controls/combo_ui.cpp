#include "ui/controls/combo_ui.h"

#include <cwchar>

#include "ui/controls/button_press.h"
#include "ui/controls/combo_wnd.h"
#include "ui/controls/state_image_slices.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

bool Has(const wchar_t* value, const wchar_t* word) { return std::wcsstr(value, word) != nullptr; }
IListItemUI* ItemOf(CControlUI* control) {
    return control != nullptr ? static_cast<IListItemUI*>(control->QueryControlInterface(L"ListItem")) : nullptr;
}

}  // namespace

CComboUI::~CComboUI() {
    if (popup_ != nullptr) popup_->DetachFromCombo();
}

void* CComboUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Combo") == 0) return this;
    if (name != nullptr && std::wcscmp(name, L"IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
    return CContainerUI::QueryControlInterface(name);
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (manager_ != nullptr) manager_->SendNotify(this, L"predropdown");
    if (popup_ == nullptr) {
        popup_ = new CComboWnd;
        popup_->OpenDropDown(this);
        if (manager_ != nullptr) manager_->SendNotify(this, L"dropdown");
        RequestRepaint();
    }
    return true;
}

void CComboUI::ForgetPopup() {
    popup_ = nullptr;
    state_ &= ~StatePushed;
    RequestRepaint();
}

CStringUI CComboUI::GetText() const {
    CControlUI* item = selected_ >= 0 ? ItemAt(selected_) : nullptr;
    return item != nullptr ? item->GetText() : CStringUI();
}

void CComboUI::SetPosition(RECT rect, bool invalidate) {
    if (EqualRect(&rect, &item_)) return;
    if (popup_ != nullptr) popup_->Close(1);
    for (int i = 0; i < ItemCount(); ++i) ItemAt(i)->SetPosition(RECT{}, true);
    CControlUI::SetPosition(rect, invalidate);
}

void CComboUI::SetEnabled(bool enabled) {
    CContainerUI::SetEnabled(enabled);
    if (!enabled) state_ = 0;
}

// ---- Selection ----

bool CComboUI::SelectIndex(int index, bool takeFocus) {
    if (index == selected_) return true;
    const int previous = selected_;
    if (selected_ >= 0) {
        IListItemUI* old = ItemOf(ItemAt(selected_));
        if (old == nullptr) return false;
        old->MarkSelected(false);
        selected_ = -1;
    }
    if (index < 0 || ItemCount() == 0) return false;
    if (index >= ItemCount()) index = ItemCount() - 1;
    CControlUI* control = ItemAt(index);
    IListItemUI* item = ItemOf(control);
    if (!control->IsEnabled() || item == nullptr) return false;
    selected_ = index;
    if (popup_ != nullptr || takeFocus) control->TakeFocus();
    item->MarkSelected(true);
    if (manager_ != nullptr) {
        manager_->SendNotify(this, L"itemselect", static_cast<WPARAM>(selected_), static_cast<LPARAM>(previous));
    }
    RequestRepaint();
    return true;
}

void CComboUI::StepSelection(int index, bool forward) {
    const int found = FindSelectableItem(index, forward);
    if (found >= 0) SelectIndex(found, false);
}

void CComboUI::Renumber(int from) {
    for (int i = from; i < ItemCount(); ++i) {
        if (IListItemUI* item = ItemOf(ItemAt(i))) item->SetListIndex(i);
    }
}

bool CComboUI::AddItem(CControlUI* control) {
    if (IListItemUI* item = ItemOf(control)) {
        item->SetOwnerList(this);
        item->SetListIndex(ItemCount());
    }
    return CContainerUI::AddItem(control);
}

bool CComboUI::InsertItemAt(CControlUI* control, int index) {
    if (!CContainerUI::InsertItemAt(control, index)) return false;
    if (IListItemUI* item = ItemOf(control)) item->SetOwnerList(this);
    Renumber(index);
    if (selected_ >= index) ++selected_;
    return true;
}

bool CComboUI::RemoveItem(CControlUI* control) {
    const int index = IndexOfItem(control);
    return index >= 0 && RemoveItemAt(index);
}

bool CComboUI::RemoveItemAt(int index) {
    CControlUI* control = ItemAt(index);
    if (control == nullptr || !CContainerUI::RemoveItem(control)) return false;
    Renumber(index);
    if (index == selected_) {
        selected_ = -1;
        SelectIndex(FindSelectableItem(index, false), false);
    } else if (index < selected_) {
        --selected_;
    }
    return true;
}

void CComboUI::RemoveAllItems() {
    selected_ = -1;
    CContainerUI::RemoveAllItems();
}

bool CComboUI::MoveItemTo(CControlUI* control, int index) {
    const int from = IndexOfItem(control);
    if (!CContainerUI::MoveItemTo(control, index)) return false;
    Renumber(std::min(from, index));
    if (selected_ == from) {
        selected_ = index;
    } else if (from < selected_ && index >= selected_) {
        --selected_;
    } else if (from > selected_ && index <= selected_) {
        ++selected_;
    }
    return true;
}

// ---- Input ----

void CComboUI::HandleEvent(TInputEventUI& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (parent_ != nullptr) {
            parent_->HandleEvent(event);
        } else {
            CContainerUI::HandleEvent(event);
        }
        return;
    }
    switch (event.type) {
    case EventSetFocus:
    case EventKillFocus: RequestRepaint(); break;
    case EventButtonDown:
        if (!IsEnabled()) return;
        Activate();
        state_ |= StatePushed | StateCaptured;
        return;
    case EventButtonUp:
        if ((state_ & StateCaptured) != 0) {
            state_ &= ~StateCaptured;
            RequestRepaint();
        }
        return;
    case EventMouseMove: return;
    case EventKeyDown:
        switch (event.keyChar) {
        case VK_UP:
        case VK_PRIOR: return StepSelection(selected_ - 1, false);
        case VK_DOWN:
        case VK_NEXT: return StepSelection(selected_ + 1, true);
        case VK_HOME: return StepSelection(0, false);
        case VK_END: return StepSelection(ItemCount() - 1, true);
        case VK_F4: Activate(); return;
        default: break;
        }
        break;
    case EventMouseLeave:
        if ((state_ & StateHot) != 0) {
            state_ &= ~StateHot;
            RequestRepaint();
        }
        return;
    case EventMouseEnter:
        if (PtInRect(&item_, event.mouse)) {
            state_ |= StateHot;
            RequestRepaint();
        }
        return;
    case EventContextMenu: return;
    case EventScrollWheel:
        if (scrollSelect_) {
            const bool forward = LOWORD(event.wParam) == SB_LINEDOWN;
            StepSelection(selected_ + (forward ? 1 : -1), forward);
        }
        return;
    default: break;
    }
    CControlUI::HandleEvent(event);
}

// ---- Attributes ----

void CComboUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CComboUI>;
    static const Row kRows[] = {
        {L"align",
         [](CComboUI& c, const wchar_t* v) {
             if (Has(v, L"left")) AdjustBits(c.textStyle_, 0, 0x23);
             if (Has(v, L"center")) AdjustBits(c.textStyle_, 1, 2);
             if (Has(v, L"right")) AdjustBits(c.textStyle_, 2, 0x23);
         }},
        {L"valign",
         [](CComboUI& c, const wchar_t* v) {
             if (Has(v, L"top")) AdjustBits(c.textStyle_, 0x20, 0x0C);
             if (Has(v, L"vcenter")) AdjustBits(c.textStyle_, 0x24, 8);
             if (Has(v, L"bottom")) AdjustBits(c.textStyle_, 0x28, 0x2C);
         }},
        {L"endellipsis",
         [](CComboUI& c, const wchar_t* v) {
             ParseBool(v) ? AdjustBits(c.textStyle_, DT_END_ELLIPSIS, 0) : AdjustBits(c.textStyle_, 0, DT_END_ELLIPSIS);
         }},
        {L"wordbreak",
         [](CComboUI& c, const wchar_t* v) {
             ParseBool(v) ? AdjustBits(c.textStyle_, DT_WORDBREAK | DT_EDITCONTROL, DT_SINGLELINE)
                          : AdjustBits(c.textStyle_, DT_SINGLELINE, DT_WORDBREAK | DT_EDITCONTROL);
         }},
        {L"font", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.font_, ParseInt(v)); }},
        {L"textcolor",
         [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue<DWORD>(c.textColour_, ParseColour(v, false)); }},
        {L"disabledtextcolor",
         [](CComboUI& c, const wchar_t* v) {
             c.SetRepaintingValue<DWORD>(c.disabledTextColour_, ParseColour(v, false));
         }},
        {L"textpadding",
         [](CComboUI& c, const wchar_t* v) {
             c.textPadding_ = ParseRect(v);
             c.RequestRepaint();
         }},
        {L"showhtml", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.showHtml_, ParseBool(v)); }},
        {L"showshadow", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.showShadow_, ParseBool(v)); }},
        {L"normalimage", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.normalImage_, CStringUI(v)); }},
        {L"hotimage", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.hotImage_, CStringUI(v)); }},
        {L"pushedimage", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.pushedImage_, CStringUI(v)); }},
        {L"focusedimage", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.focusedImage_, CStringUI(v)); }},
        {L"disabledimage", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.disabledImage_, CStringUI(v)); }},
        {L"scrollselect", [](CComboUI& c, const wchar_t* v) { c.scrollSelect_ = ParseBool(v); }},
        {L"dropbox", [](CComboUI& c, const wchar_t* v) { c.dropBoxAttributes_ = v; }},
        {L"dropboxsize", [](CComboUI& c, const wchar_t* v) { c.dropBoxSize_ = ParseSize(v); }},
        {L"dropboxinset", [](CComboUI& c, const wchar_t* v) { c.dropBoxInset_ = ParseRect(v); }},
        {L"itemfont", [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.itemStyle_.font, ParseInt(v)); }},
        {L"itemtextpadding",
         [](CComboUI& c, const wchar_t* v) {
             c.itemStyle_.textPadding = ParseRect(v);
             c.RequestRepaint();
         }},
        {L"itemtextcolor",
         [](CComboUI& c, const wchar_t* v) {
             c.SetRepaintingValue<DWORD>(c.itemStyle_.textColour, ParseColour(v, false));
         }},
        {L"itemalign",
         [](CComboUI& c, const wchar_t* v) {
             UINT& style = c.itemStyle_.textStyle;
             if (Has(v, L"left")) AdjustBits(style, 0, 3);
             if (Has(v, L"center")) AdjustBits(style, 1, 2);
             if (Has(v, L"right")) AdjustBits(style, 2, 3);
         }},
        {L"itemvalign",
         [](CComboUI& c, const wchar_t* v) {
             UINT& style = c.itemStyle_.textStyle;
             if (Has(v, L"top")) AdjustBits(style, 0, 0x0C);
             if (Has(v, L"vcenter")) AdjustBits(style, 0x24, 0x18);
             if (Has(v, L"bottom")) AdjustBits(style, 8, 0x0C);
         }},
        {L"itemendellipsis",
         [](CComboUI& c, const wchar_t* v) {
             UINT& style = c.itemStyle_.textStyle;
             ParseBool(v) ? AdjustBits(style, DT_END_ELLIPSIS, 0) : AdjustBits(style, 0, DT_END_ELLIPSIS);
         }},
        {L"itembkcolor", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.bkColour = ParseColour(v, false); }},
        {L"itembkimage", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.bkImage = v; }},
        {L"itemaltbk", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.alternateBk = ParseBool(v); }},
        {L"itemselectedtextcolor",
         [](CComboUI& c, const wchar_t* v) { c.itemStyle_.selectedTextColour = ParseColour(v, false); }},
        {L"itemselectedbkcolor",
         [](CComboUI& c, const wchar_t* v) { c.itemStyle_.selectedBkColour = ParseColour(v, false); }},
        {L"itemselectedimage", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.selectedImage = v; }},
        {L"itemhottextcolor",
         [](CComboUI& c, const wchar_t* v) { c.itemStyle_.hotTextColour = ParseColour(v, false); }},
        {L"itemhotbkcolor", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.hotBkColour = ParseColour(v, false); }},
        {L"itemhotimage", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.hotImage = v; }},
        {L"itemdisabledtextcolor",
         [](CComboUI& c, const wchar_t* v) { c.itemStyle_.disabledTextColour = ParseColour(v, false); }},
        {L"itemdisabledbkcolor",
         [](CComboUI& c, const wchar_t* v) { c.itemStyle_.disabledBkColour = ParseColour(v, false); }},
        {L"itemdisabledimage", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.disabledImage = v; }},
        {L"itemlinecolor", [](CComboUI& c, const wchar_t* v) { c.itemStyle_.lineColour = ParseColour(v, false); }},
        {L"itemshowhtml",
         [](CComboUI& c, const wchar_t* v) { c.SetRepaintingValue(c.itemStyle_.showHtml, ParseBool(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CContainerUI::SetAttribute(name, value);
}

// ---- Size and painting ----

SIZE CComboUI::MeasureSize(SIZE available) {
    if (fixedSize_.cy != 0) return CControlUI::MeasureSize(available);
    const LONG height = manager_ != nullptr ? manager_->DefaultFontInfo()->metrics.tmHeight + 12 : 12;
    return SIZE{fixedSize_.cx, height};
}

// The items live in the popup: only the closed combo itself is painted.
bool CComboUI::PaintContent(HDC dc, const RECT& area, CControlUI* stop) {
    return CControlUI::PaintContent(dc, area, stop);
}

void CComboUI::PaintStateImage(HDC dc) {
    state_ = HasFocus() ? state_ | StateFocused : state_ & ~StateFocused;
    state_ = IsEnabled() ? state_ & ~StateDisabled : state_ | StateDisabled;
    DrawStateLook(*this, dc, state_,
                  {{StateDisabled, &disabledImage_},
                   {StatePushed, &pushedImage_},
                   {StateHot, &hotImage_},
                   {StateFocused, &focusedImage_}},
                  normalImage_);
}

void CComboUI::PaintText(HDC dc) {
    if (manager_ == nullptr) return;
    if (textColour_ == 0) textColour_ = manager_->GetDefaultColor(CPaintManagerUI::DefaultColor::kText);
    if (disabledTextColour_ == 0) {
        disabledTextColour_ = manager_->GetDefaultColor(CPaintManagerUI::DefaultColor::kDisabledText);
    }
    const CStringUI text = GetText();
    if (text.IsEmpty()) return;
    RECT rect = Inset(item_, textPadding_);
    const DWORD colour = IsEnabled() ? textColour_ : disabledTextColour_;
    if (showHtml_) {
        int none = 0;
        CSkinRender::DrawFormattedText(dc, manager_, rect, text.GetData(), colour, nullptr, nullptr, none, font_,
                                       textStyle_);
    } else {
        CSkinRender::DrawText(dc, manager_, rect, text.GetData(), colour, font_, textStyle_);
    }
}

}  // namespace Tovik
