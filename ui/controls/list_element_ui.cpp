#include "ui/controls/list_element_ui.h"

#include <cwchar>

#include "ui/controls/button_press.h"
#include "ui/core/attribute_values.h"
#include "ui/core/key_state.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
void* CListElementUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
    if (name != nullptr && std::wcscmp(name, L"ListElement") == 0) return this;
    return CControlUI::QueryControlInterface(name);
}

bool CListElementUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (manager_ != nullptr) manager_->SendNotify(this, L"itemactivate");
    return true;
}

void CListElementUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (!visible && selected_) {
        selected_ = false;
        if (owner_ != nullptr) owner_->SelectIndex(-1, false);
    }
}

void CListElementUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) state_ = 0;
}

void CListElementUI::SetOwnerList(CControlUI* owner) {
    owner_ = owner != nullptr ? static_cast<IListOwnerUI*>(owner->QueryControlInterface(L"IListOwner")) : nullptr;
}

bool CListElementUI::MarkSelected(bool selected) {
    if (!IsEnabled()) return false;
    if (owner_ != nullptr) owner_->UnselectIndex(index_, true);
    if (selected == selected_) return true;
    selected_ = selected;
    if (owner_ != nullptr) {
        if (selected) {
            owner_->SelectIndex(index_, false);
        } else {
            owner_->UnselectIndex(index_, false);
        }
    }
    RequestRepaint();
    return true;
}

bool CListElementUI::MarkSelectedMulti(bool selected) {
    if (!IsEnabled()) return false;
    SetRepaintingValue(selected_, selected);
    return true;
}

void CListElementUI::HandleEvent(TInputEventUI& event) {
    if (IsMouseEnabled() || !IsMouseEvent(event.type)) {
        const bool activates =
            event.type == EventDoubleClick || (event.type == EventKeyDown && event.keyChar == VK_RETURN);
        if (activates && IsEnabled()) {
            Activate();
            RequestRepaint();
            return;
        }
    }
    if (owner_ != nullptr) {
        owner_->RouteItemEvent(event);
    } else {
        CControlUI::HandleEvent(event);
    }
}

void CListElementUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && value != nullptr && std::wcscmp(name, L"selected") == 0) {
        MarkSelected(true);
        return;
    }
    CControlUI::SetAttribute(name, value);
}

void CListElementUI::PaintItemBackground(HDC dc) {
    if (owner_ == nullptr) return;
    const TListStyleUI& style = *owner_->GetListStyle();
    const bool even = index_ % 2 == 0;
    DWORD colour = !style.alternateBk || even ? style.bkColour : 0;
    if ((state_ & StateHot) != 0 && style.hotBkColour != 0) colour = style.hotBkColour;
    if (selected_ && style.selectedBkColour != 0) colour = style.selectedBkColour;
    if (!IsEnabled() && style.disabledBkColour != 0) colour = style.disabledBkColour;
    if (colour != 0) CSkinRender::DrawColor(dc, item_, AdjustColor(colour));
    if (!IsEnabled() && !style.disabledImage.IsEmpty() && DrawImageString(dc, style.disabledImage.GetData())) return;
    if (selected_ && !style.selectedImage.IsEmpty() && DrawImageString(dc, style.selectedImage.GetData())) return;
    if ((state_ & StateHot) != 0 && !style.hotImage.IsEmpty() && DrawImageString(dc, style.hotImage.GetData())) return;
    if (!bkImage_.IsEmpty()) {
        if (!style.alternateBk || even) DrawImageString(dc, bkImage_.GetData());
    } else if (!style.bkImage.IsEmpty() && DrawImageString(dc, style.bkImage.GetData())) {
        return;
    }
    if (style.lineColour == 0) return;
    if (style.rowLines) {
        CSkinRender::DrawLine(dc, {item_.left, item_.bottom - 1, item_.right, item_.bottom - 1}, 1,
                              AdjustColor(style.lineColour));
    }
    if (style.columnLines) {
        for (int i = 0; i < style.columns && i < kMaxListColumns; ++i) {
            const RECT& column = style.columnRects[i];
            CSkinRender::DrawLine(dc, {column.right - 1, item_.top, column.right - 1, item_.bottom}, 1,
                                  AdjustColor(style.lineColour));
        }
    }
}

// ---- The label element ----

void* CListLabelElementUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"ListLabelElement") == 0) return this;
    return CListElementUI::QueryControlInterface(name);
}

void CListLabelElementUI::Select() {
    const bool multi = (CurrentKeyState() & (MK_CONTROL | MK_SHIFT)) != 0;
    if (multi && owner_ != nullptr) {
        owner_->SelectIndexMulti(index_, false);
    } else {
        MarkSelected(true);
    }
}

void CListLabelElementUI::HandleEvent(TInputEventUI& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (owner_ != nullptr) {
            owner_->RouteItemEvent(event);
        } else {
            CListElementUI::HandleEvent(event);
        }
        return;
    }
    const bool rich = IsRichEvent() && manager_ != nullptr;
    switch (event.type) {
    case EventRightButtonDown:
        if (owner_ == nullptr || !owner_->GetListStyle()->rightButtonSelects) break;
        if (IsEnabled()) Select();
        return;
    case EventButtonDown:
        if (!IsEnabled()) return;
        if (rich) manager_->SendNotify(this, L"buttondown");
        Select();
        return;
    case EventButtonUp:
        if (IsEnabled() && manager_ != nullptr) manager_->SendNotify(this, L"itemclick");
        return;
    case EventMouseEnter:
        if (!IsEnabled()) break;
        state_ |= StateHot;
        RequestRepaint();
        if (rich) manager_->SendNotify(this, L"mouseenter");
        return;
    case EventMouseLeave:
        if ((state_ & StateHot) == 0) break;
        state_ &= ~StateHot;
        RequestRepaint();
        if (rich) manager_->SendNotify(this, L"mouseleave");
        return;
    default: break;
    }
    CListElementUI::HandleEvent(event);
}

SIZE CListLabelElementUI::MeasureSize(SIZE available) {
    if (owner_ == nullptr) return SIZE{};
    SIZE size = fixedSize_;
    if (size.cx == 0) size.cx = available.cx;
    if (size.cy == 0 && manager_ != nullptr) {
        const TListStyleUI& style = *owner_->GetListStyle();
        size.cy =
            manager_->FontInfoById(style.font)->metrics.tmHeight + style.textPadding.top + style.textPadding.bottom + 8;
    }
    return size;
}

bool CListLabelElementUI::PaintContent(HDC dc, const RECT&, CControlUI*) {
    PaintItemBackground(dc);
    PaintItemText(dc, item_);
    return true;
}

void CListLabelElementUI::PaintItemText(HDC dc, const RECT& rect) {
    const CStringUI text = GetText();
    if (text.IsEmpty() || owner_ == nullptr || manager_ == nullptr) return;
    const TListStyleUI& style = *owner_->GetListStyle();
    DWORD colour = style.textColour;
    if ((state_ & StateHot) != 0) colour = style.hotTextColour;
    if (selected_) colour = style.selectedTextColour;
    if (!IsEnabled()) colour = style.disabledTextColour;
    const RECT padding = Scale(style.textPadding);
    RECT area = Inset(rect, padding);
    if (style.showHtml) {
        int none = 0;
        CSkinRender::DrawFormattedText(dc, manager_, area, text.GetData(), colour, nullptr, nullptr, none, style.font,
                                       style.textStyle);
    } else {
        CSkinRender::DrawText(dc, manager_, area, text.GetData(), colour, style.font, style.textStyle);
    }
}

}  // namespace Tovik
