#include "ui/controls/option_ui.h"

#include <cwchar>

#include "support/platform.h"
#include "ui/controls/state_image_slices.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
COptionUI::~COptionUI() {
    if (manager_ != nullptr && !group_.IsEmpty()) manager_->RemoveOptionGroup(group_.GetData(), this);
}

void* COptionUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Option") == 0) return this;
    return CButtonUI::QueryControlInterface(name);
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) return false;
    SetSelected(group_.IsEmpty() ? !selected_ : true, true);
    return true;
}

void COptionUI::AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) {
    CButtonUI::AttachToManager(manager, parent, initialise);
    if (initialise && manager != nullptr && !group_.IsEmpty()) manager->AddOptionGroup(group_.GetData(), this);
}

// The state is re-derived from the selection, so a selected option keeps its selected look
// after being disabled and enabled again.
void COptionUI::SetEnabled(bool enabled) {
    CButtonUI::SetEnabled(enabled);
    if (selected_) state_ |= StateSelected;
}

void COptionUI::SetGroup(const wchar_t* name) {
    if (group_ == name) return;
    if (manager_ != nullptr && !group_.IsEmpty()) manager_->RemoveOptionGroup(group_.GetData(), this);
    group_ = name;
    if (manager_ != nullptr && !group_.IsEmpty()) manager_->AddOptionGroup(group_.GetData(), this);
    SetSelected(selected_, false);
}

void COptionUI::SetSelected(bool selected, bool notify) {
    if (selected == selected_) return;
    selected_ = selected;
    state_ = selected ? state_ | StateSelected : state_ & ~StateSelected;
    if (manager_ != nullptr && !group_.IsEmpty()) {
        if (!selected) {
            RequestRepaint();
            return;
        }
        if (CPtrArrayUI* group = manager_->GetOptionGroup(group_.GetData())) {
            const CPtrArrayUI others = *group;  // deselecting may change the group
            for (int i = 0; i < others.GetSize(); ++i) {
                auto* other = static_cast<COptionUI*>(static_cast<CControlUI*>(others[i]));
                if (other != this) other->SetSelected(false, notify);
            }
        }
    }
    if (manager_ != nullptr && notify) manager_->SendNotify(this, L"selectchanged", SelectChangedParameter());
    RequestRepaint();
}

void COptionUI::SetSelectedStateImage(const wchar_t* image) {
    SetRepaintingValue(selectedStateImage_, CStringUI(image));
}

void COptionUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<COptionUI>;
    static const Row kRows[] = {
        {L"group", [](COptionUI& o, const wchar_t* v) { o.SetGroup(v); }},
        {L"selected", [](COptionUI& o, const wchar_t* v) { o.SetSelected(ParseBool(v), true); }},
        {L"selectedimage", [](COptionUI& o, const wchar_t* v) { o.SetSelectedImage(v); }},
        {L"selectedhotimage", [](COptionUI& o, const wchar_t* v) { o.SetSelectedHotImage(v); }},
        {L"selectedpushedimage", [](COptionUI& o, const wchar_t* v) { o.SetSelectedPushedImage(v); }},
        {L"selectedforeimage", [](COptionUI& o, const wchar_t* v) { o.SetSelectedForeImage(v); }},
        {L"selectedstateimage", [](COptionUI& o, const wchar_t* v) { o.SetSelectedStateImage(v); }},
        {L"selectedstatecount", [](COptionUI& o, const wchar_t* v) { o.SetSelectedStateCount(ParseInt(v)); }},
        {L"selectedbkcolor", [](COptionUI& o, const wchar_t* v) { o.SetSelectedBkColor(ParseColour(v, false)); }},
        {L"selectedtextcolor", [](COptionUI& o, const wchar_t* v) { o.SetSelectedTextColor(ParseColour(v, false)); }},
        {L"selectedfont", [](COptionUI& o, const wchar_t* v) { o.SetSelectedFont(ParseInt(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CButtonUI::SetAttribute(name, value);
}

// ---- Painting: the button's while not selected ----

void COptionUI::PaintBackgroundColor(HDC dc) {
    if (!selected_) return CButtonUI::PaintBackgroundColor(dc);
    if (selectedBkColour_ != 0) CSkinRender::DrawColor(dc, paintRect_, AdjustColor(selectedBkColour_));
}

void COptionUI::PaintStateImage(HDC dc) {
    if (!selected_) return CButtonUI::PaintStateImage(dc);
    if (!selectedStateImage_.IsEmpty() && selectedStateCount_ > 0 && selectedImage_.IsEmpty()) {
        const CStateImageSlices slices(manager_, selectedStateImage_, selectedStateCount_);
        if (slices.IsValid()) {
            selectedImage_ = slices.Slice(0);
            if (selectedStateCount_ > 1) selectedHotImage_ = selectedPushedImage_ = slices.Slice(1);
            if (selectedStateCount_ > 2) selectedPushedImage_ = slices.Slice(2);
        }
    }
    if ((state_ & StatePushed) != 0 && !selectedPushedImage_.IsEmpty() &&
        DrawImageString(dc, selectedPushedImage_.GetData())) {
        return;
    }
    if ((state_ & StateHot) != 0 && !selectedHotImage_.IsEmpty() && DrawImageString(dc, selectedHotImage_.GetData())) {
        return;
    }
    if (!selectedImage_.IsEmpty()) DrawImageString(dc, selectedImage_.GetData());
}

void COptionUI::PaintForegroundImage(HDC dc) {
    if (selected_ && !selectedForeImage_.IsEmpty() && DrawImageString(dc, selectedForeImage_.GetData())) return;
    CButtonUI::PaintForegroundImage(dc);
}

void COptionUI::PaintText(HDC dc) {
    if (!selected_) return CButtonUI::PaintText(dc);
    RefreshStateBits();
    TakeDefaultColours();
    const DWORD colour = !IsEnabled()               ? disabledTextColour_
                         : selectedTextColour_ != 0 ? selectedTextColour_
                                                    : textColour_;
    DrawTextInPadding(dc, colour, selectedFont_ != -1 ? selectedFont_ : font_);
}

// ---- Check box ----

void* CCheckBoxUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"CheckBox") == 0) return this;
    return COptionUI::QueryControlInterface(name);
}

void CCheckBoxUI::HandleEvent(TInputEventUI& event) {
    if (PassMouseOn(event)) return;
    if (autoCheck_ && (event.type == EventButtonDown || event.type == EventDoubleClick)) {
        if (PtInRect(&item_, event.mouse) && IsEnabled()) {
            SetSelected(!selected_, true);
            if (manager_ != nullptr) manager_->SendNotify(this, L"checkclick");
            RequestRepaint();
        }
        return;
    }
    COptionUI::HandleEvent(event);
}

void CCheckBoxUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && value != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"EnableAutoCheck")) {
        SetAutoCheck(ParseBool(value));
    }
    COptionUI::SetAttribute(name, value);
}

}  // namespace Tovik
