// Tab pages: selection rules for adding, inserting and removing pages, and placement of the
// selected page only.
#include "ui/controls/tab_layout_ui.h"

#include <algorithm>

#include "support/platform.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {

void* CTabLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"TabLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

bool CTabLayoutUI::AddItem(CControlUI* control) {
    if (!CContainerUI::AddItem(control)) return false;
    if (selected_ == -1 && control->IsVisible()) {
        selected_ = IndexOfItem(control);
    } else {
        control->SetVisible(false);
    }
    return true;
}

bool CTabLayoutUI::InsertItemAt(CControlUI* control, int index) {
    if (!CContainerUI::InsertItemAt(control, index)) return false;
    if (selected_ == -1 && control->IsVisible()) {
        selected_ = IndexOfItem(control);
    } else if (selected_ != -1 && index <= selected_) {
        ++selected_;
    } else {
        control->SetVisible(false);
    }
    return true;
}

bool CTabLayoutUI::RemoveItem(CControlUI* control) {
    const int index = IndexOfItem(control);
    if (!CContainerUI::RemoveItem(control)) return false;
    if (index == selected_) {
        if (ItemCount() == 0) {
            selected_ = -1;
        } else {
            selected_ = 0;
            ItemAt(0)->SetVisible(true);
        }
        RequestParentLayout();
    } else if (index < selected_) {
        --selected_;
    }
    return true;
}

void CTabLayoutUI::RemoveAllItems() {
    selected_ = -1;
    CContainerUI::RemoveAllItems();
    RequestParentLayout();
}

bool CTabLayoutUI::SelectTab(int index) {
    if (index < 0 || index >= ItemCount()) return false;
    if (index == selected_) return true;
    const int previous = selected_;
    selected_ = index;
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index) continue;
        ItemAt(i)->SetVisible(true);
        ItemAt(i)->TakeFocus();
        SetPosition(item_, true);
    }
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index) ItemAt(i)->SetVisible(false);
    }
    RequestParentLayout();
    if (manager_ != nullptr) {
        manager_->MoveTabFocus(true);
        manager_->SendNotify(this, L"tabselect", static_cast<WPARAM>(index), static_cast<LPARAM>(previous));
    }
    return true;
}

bool CTabLayoutUI::SelectTabControl(CControlUI* control) {
    const int index = IndexOfItem(control);
    return index >= 0 && SelectTab(index);
}

void CTabLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"selectedid")) SelectTab(ParseInt(value));
    CContainerUI::SetAttribute(name, value);
}

void CTabLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    const RECT rc = InsetRect();
    for (int i = 0; i < ItemCount(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        if (i != selected_) continue;
        const RECT area = Inset(rc, child->GetPadding());
        SIZE sz = child->MeasureSize({Width(area), Height(area)});
        if (sz.cx == 0) sz.cx = std::max(0, Width(area));
        if (sz.cy == 0) sz.cy = std::max(0, Height(area));
        sz.cx = Clamp(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        sz.cy = Clamp(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        child->SetPosition({area.left, area.top, area.left + sz.cx, area.top + sz.cy}, true);
    }
}

}  // namespace Tovik
