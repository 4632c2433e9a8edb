#include "ui/controls/combo_wnd.h"

#include <algorithm>

#include "ui/controls/combo_ui.h"
#include "ui/controls/list_ui.h"
#include "ui/controls/scroll_bar_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {

void CComboWnd::OpenDropDown(CComboUI* combo) {
    combo_ = combo;
    oldSelection_ = combo->GetSelectedIndex();
    const RECT& item = combo->GetPosition();
    const SIZE box = combo->GetDropBoxSize();
    const LONG width = box.cx > 0 ? box.cx : Width(item);
    LONG height = combo->GetDropBoxInset().top + 4;
    for (int i = 0; i < combo->ItemCount(); ++i) {
        CControlUI* control = combo->ItemAt(i);
        if (control->IsVisible()) height += control->MeasureSize(SIZE{width, box.cy}).cy;
    }
    height = std::min(height, box.cy);
    const HWND owner = combo->GetPaintManager()->GetPaintWindow();
    POINT topLeft = {item.left, item.bottom};
    ClientToScreen(owner, &topLeft);
    RECT placed = {topLeft.x, topLeft.y, topLeft.x + width, topLeft.y + height};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    if (placed.bottom > monitor.rcWork.bottom) {  // no room below: above the combo
        POINT top = {item.left, item.top};
        ClientToScreen(owner, &top);
        placed = RECT{top.x, top.y - height, top.x + width, top.y};
    }
    if (Create(owner, nullptr, WS_POPUP, WS_EX_TOOLWINDOW, placed) == nullptr) {
        combo->ForgetPopup();
        delete this;
        return;
    }
    ShowWindow(true, true);
    ::SendMessageW(GetAncestor(owner, GA_ROOT), WM_NCACTIVATE, TRUE, 0);
}

void CComboWnd::BuildList() {
    manager_.SetUseSharedTables(true);
    manager_.AttachWindow(window_, nullptr);
    manager_.SetLayered(true);
    list_ = new CVerticalLayoutUI;
    list_->AttachToManager(&manager_, nullptr, true);
    CPaintManagerUI* owner = combo_->GetPaintManager();
    if (const wchar_t* defaults = owner != nullptr ? owner->DefaultAttributesFor(L"VerticalLayout") : nullptr) {
        list_->ApplyAttributeString(defaults);
    }
    list_->SetInset(RECT{1, 1, 1, 1});
    list_->SetBkColor(0xFFFFFFFF);
    list_->SetBorderColor(0xFFC6C7D2);
    list_->SetBorderSize(1);
    list_->SetOwnsChildren(false);
    list_->EnableScrollBars(true, false);
    list_->ApplyAttributeString(combo_->GetDropBoxAttributes().GetData());
    for (int i = 0; i < combo_->ItemCount(); ++i) list_->AddItem(combo_->ItemAt(i));
    manager_.AttachRoot(list_);
    manager_.AddNotifier(this);
}

void CComboWnd::ReturnItems() {
    if (itemsReturned_) return;
    itemsReturned_ = true;
    if (list_ != nullptr) list_->RemoveAllItems();  // the list does not own them
    if (combo_ == nullptr) return;
    combo_->AttachToManager(combo_->GetPaintManager(), combo_->GetParent(), false);
    for (int i = 0; i < combo_->ItemCount(); ++i) {
        CControlUI* control = combo_->ItemAt(i);
        manager_.ForgetControl(control);
        control->SetPosition(RECT{}, true);
    }
}

void CComboWnd::DetachFromCombo() {
    ReturnItems();
    combo_ = nullptr;
    if (window_ != nullptr) DestroyWindow(window_);
}

void CComboWnd::OnFinalMessage(HWND) {
    ReturnItems();
    if (combo_ != nullptr) combo_->ForgetPopup();
    delete this;
}

void CComboWnd::Notify(TNotifyMsgUI& msg) {
    if (msg.type == L"windowinit" && combo_ != nullptr) EnsureItemVisible(combo_->GetSelectedIndex());
}

void CComboWnd::EnsureItemVisible(int index) {
    if (index < 0 || list_ == nullptr || index >= list_->ItemCount()) return;
    const RECT& item = list_->ItemAt(index)->GetPosition();
    RECT area = list_->GetPosition();
    if (CScrollBarUI* bar = list_->GetHScrollBar(); bar != nullptr && bar->IsVisible()) {
        area.bottom -= bar->GetFixedHeight();
    }
    SIZE offset = list_->GetScrollOffset();
    if (item.top < area.top) {
        offset.cy -= area.top - item.top;
    } else if (item.bottom > area.bottom) {
        offset.cy += item.bottom - area.bottom;
    } else {
        return;
    }
    list_->SetScrollOffset(offset);
}

bool CComboWnd::IsPointOnItem(POINT point) const {
    CControlUI* control = manager_.FindControlAt(point);
    if (control == nullptr || control->QueryControlInterface(L"ScrollBar") != nullptr) return false;
    for (; control != nullptr; control = control->GetParent()) {
        if (control->QueryControlInterface(L"ListItem") != nullptr) return true;
    }
    return false;
}

void CComboWnd::RouteToCombo(TInputEventUI& event) {
    if (combo_ == nullptr) return;
    combo_->HandleEvent(event);
    EnsureItemVisible(combo_->GetSelectedIndex());
}

LRESULT CComboWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: BuildList(); return 0;
    case WM_KILLFOCUS:
        if (window_ != reinterpret_cast<HWND>(wParam)) PostMessage(WM_CLOSE);
        break;
    case WM_CLOSE:
        ReturnItems();
        if (combo_ != nullptr) combo_->TakeFocus();
        break;
    case WM_DESTROY: ReturnItems(); break;
    case WM_KEYDOWN: {
        if (wParam == VK_RETURN) {
            PostMessage(WM_KILLFOCUS);
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            if (combo_ != nullptr) combo_->SelectIndex(oldSelection_, true);
            if (combo_ != nullptr) EnsureItemVisible(oldSelection_);
            PostMessage(WM_KILLFOCUS);
            return 0;
        }
        TInputEventUI event;
        event.type = EventKeyDown;
        event.keyChar = static_cast<WCHAR>(wParam);
        event.wParam = wParam;
        event.lParam = lParam;
        RouteToCombo(event);
        return 0;
    }
    case WM_LBUTTONDOWN:
        pressedOnItem_ = IsPointOnItem(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        break;
    case WM_LBUTTONUP:
        if (pressedOnItem_ &&
            IsPointOnItem(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})) {
            PostMessage(WM_KILLFOCUS);
        }
        pressedOnItem_ = false;
        break;
    case WM_MOUSEWHEEL: {
        TInputEventUI event;
        event.type = EventScrollWheel;
        event.wParam = static_cast<short>(HIWORD(wParam)) < 0 ? 1 : 0;  // toward the user: down
        if (combo_ != nullptr && combo_->IsScrollSelect()) {
            RouteToCombo(event);
        } else if (list_ != nullptr) {
            list_->HandleEvent(event);
        }
        return 0;
    }
    default: break;
    }
    LRESULT result = 0;
    if (manager_.ProcessMessage(message, wParam, lParam, result)) return result;
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

}  // namespace Tovik
