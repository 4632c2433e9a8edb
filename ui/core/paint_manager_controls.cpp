// CPaintManagerUI: what controls ask of their window — focus, notifications, forgetting a
// control, invalidation and the colour shift.
#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

void SendEvent(CControlUI* to, int type, CControlUI* sender, POINT mouse) {
    TInputEventUI event;
    event.type = type;
    event.sender = sender;
    event.timestamp = GetTickCount();
    event.mouse = mouse;
    to->DispatchEvent(event);
}

}  // namespace

void CPaintManagerUI::SetFocusControl(CControlUI* control) {
    if (window_ != nullptr && GetFocus() != window_ && control != focus_) SetFocus(window_);
    if (control == focus_) return;
    if (focus_ != nullptr) {
        CControlUI* old = focus_;
        SendEvent(old, EventKillFocus, control, lastMouse_);
        SendNotify(old, L"killfocus");
        focus_ = nullptr;
    }
    if (control == nullptr || control->GetPaintManager() != this || !control->IsVisible() || !control->IsEnabled()) {
        return;
    }
    focus_ = control;
    SendEvent(control, EventSetFocus, control, lastMouse_);
    SendNotify(control, L"setfocus");
}

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) { return notifiers_.Add(notifier); }

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) { return notifiers_.Remove(notifiers_.Find(notifier)); }

void CPaintManagerUI::SendNotify(TNotifyMsgUI& msg) {
    msg.mouse = lastMouse_;
    msg.timestamp = GetTickCount();
    if (usesVirtualWindows_ && msg.sender != nullptr) msg.virtualWindow = msg.sender->GetVirtualWindowName();
    if (msg.sender != nullptr && !msg.sender->NotifySubscribers.IsEmpty()) msg.sender->NotifySubscribers.Invoke(&msg);
    for (int i = 0; i < notifiers_.GetSize(); ++i) static_cast<INotifyUI*>(notifiers_[i])->Notify(msg);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const wchar_t* type, WPARAM wParam, LPARAM lParam) {
    TNotifyMsgUI msg;
    msg.sender = sender;
    msg.type = type;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg);
}

void CPaintManagerUI::ForgetControl(CControlUI* control) {
    for (CControlUI** held : {&key_, &hover_, &click_, &focus_}) {
        if (*held == control) *held = nullptr;
    }
}

void CPaintManagerUI::Invalidate(RECT& rect) {
    if (rect.left < 0) rect.left = 0;
    if (rect.top < 0) rect.top = 0;
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    UnionRect(&updateRect_, &updateRect_, &rect);
    if (window_ != nullptr) InvalidateRect(window_, &rect, FALSE);
}

void CPaintManagerUI::GetColorShift(short& hue, short& saturation, short& lightness, bool& use) {
    hue = 180;
    saturation = 100;
    lightness = 100;
    use = false;
}

}  // namespace Tovik
