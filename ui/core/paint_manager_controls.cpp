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

void CPaintManagerUI::AttachWindow(HWND window, const wchar_t* name) {
    nameMap_.RemoveAll();
    EmptyWindowTables();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    name_ = name;
    if (window == window_) return;
    if (windowDC_ != nullptr) ReleaseDC(window_, windowDC_);
    window_ = window;
    windowDC_ = window != nullptr ? GetDC(window) : nullptr;
}

void CPaintManagerUI::ForgetControl(CControlUI* control) {
    for (CControlUI** held : {&key_, &hover_, &click_, &focus_}) {
        if (*held == control) *held = nullptr;
    }
    KillControlTimers(control);
    const CStringUI name = control->GetName();
    if (!name.IsEmpty() && nameMap_.Find(name.GetData()) == control) nameMap_.Remove(name.GetData());
}

bool CPaintManagerUI::InitControlTree(CControlUI* control, CControlUI* parent) {
    if (control == nullptr) return false;
    control->AttachToManager(this, parent != nullptr ? parent : control->GetParent(), true);
    control->LocateControl(
        [](CControlUI* found, void* data) -> CControlUI* {
            const CStringUI name = found->GetName();
            if (!name.IsEmpty()) static_cast<CStringMapUI*>(data)->Set(name.GetData(), found);
            return nullptr;
        },
        &nameMap_, 0);
    return true;
}

CControlUI* CPaintManagerUI::FindControlByName(const wchar_t* name) {
    return name != nullptr ? static_cast<CControlUI*>(nameMap_.Find(name)) : nullptr;
}

void CPaintManagerUI::DeleteLater(CControlUI* control) {
    if (control == nullptr) return;
    control->AttachToManager(this, nullptr, false);
    delayedCleanup_.Add(control);
    if (window_ != nullptr) PostMessageW(window_, WM_APP + 1, 0, 0);
}

void CPaintManagerUI::DeleteDelayed() {
    CPtrArrayUI doomed = delayedCleanup_;
    delayedCleanup_.Empty();
    for (int i = 0; i < doomed.GetSize(); ++i) delete static_cast<CControlUI*>(doomed[i]);
}

bool CPaintManagerUI::AddPostPaint(CControlUI* control) {
    if (postPaint_.Find(control) >= 0) return false;
    return postPaint_.Add(control);
}

bool CPaintManagerUI::RemovePostPaint(CControlUI* control) { return postPaint_.Remove(postPaint_.Find(control)); }

namespace {

struct TabSearch {
    CControlUI* focus;
    CControlUI* lastTabStop;
    bool nextIsIt;
    bool forward;
};

CControlUI* FindTabStop(CControlUI* control, void* data) {
    auto* search = static_cast<TabSearch*>(data);
    if (control == search->focus) {
        if (search->forward) {
            search->nextIsIt = true;
            return nullptr;
        }
        return search->lastTabStop;
    }
    if ((control->GetInputFlags() & FlagTabStop) == 0) return nullptr;
    search->lastTabStop = control;
    return search->nextIsIt || search->focus == nullptr ? control : nullptr;
}

}  // namespace

bool CPaintManagerUI::MoveTabFocus(bool forward) {
    if (updateNeeded_ && forward) {
        focusNeeded_ = true;
        if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
        return true;
    }
    constexpr UINT kFlags = FindVisible | FindEnabled | FindMeFirst;
    TabSearch search = {focus_, nullptr, false, forward};
    CControlUI* found = root_ != nullptr ? root_->LocateControl(FindTabStop, &search, kFlags) : nullptr;
    if (found == nullptr && root_ != nullptr) {
        if (forward) {
            TabSearch again = {nullptr, nullptr, false, true};
            found = root_->LocateControl(FindTabStop, &again, kFlags);
        } else {
            found = search.lastTabStop;
        }
    }
    if (found != nullptr) SetFocusControl(found);
    focusNeeded_ = false;
    return true;
}

void CPaintManagerUI::Invalidate(RECT& rect) {
    if (rect.left < 0) rect.left = 0;
    if (rect.top < 0) rect.top = 0;
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    UnionRect(&updateRect_, &updateRect_, &rect);
    if (window_ != nullptr) InvalidateRect(window_, &rect, FALSE);
}

// ---- Timers ----

bool CPaintManagerUI::SetControlTimer(CControlUI* control, UINT id, UINT elapse) {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        auto* timer = static_cast<Timer*>(timers_[i]);
        if (timer->control != control || timer->window != window_ || timer->id != id) continue;
        if (!timer->killed) return false;
        if (SetTimer(window_, timer->windowId, elapse, nullptr) == 0) return false;
        timer->killed = false;
        return true;
    }
    timerCounter_ = (timerCounter_ + 1) % 240;
    if (SetTimer(window_, timerCounter_, elapse, nullptr) == 0) return false;
    timers_.Add(new Timer{control, id, window_, timerCounter_, false});
    return true;
}

bool CPaintManagerUI::KillControlTimer(CControlUI* control, UINT id) {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        auto* timer = static_cast<Timer*>(timers_[i]);
        if (timer->control != control || timer->window != window_ || timer->id != id || timer->killed) continue;
        if (IsWindow(window_)) KillTimer(timer->window, timer->windowId);
        timer->killed = true;
        return true;
    }
    return false;
}

void CPaintManagerUI::KillControlTimers(CControlUI* control) {
    for (int i = timers_.GetSize() - 1; i >= 0; --i) {
        auto* timer = static_cast<Timer*>(timers_[i]);
        if (timer->control != control || timer->window != window_) continue;
        if (!timer->killed) KillTimer(timer->window, timer->windowId);
        delete timer;
        timers_.Remove(i);
    }
}

void CPaintManagerUI::RemoveAllTimers() {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        auto* timer = static_cast<Timer*>(timers_[i]);
        if (timer->window == window_ && !timer->killed && IsWindow(window_)) KillTimer(timer->window, timer->windowId);
        delete timer;
    }
    timers_.Empty();
}

// ---- Option groups ----

bool CPaintManagerUI::AddOptionGroup(const wchar_t* name, CControlUI* control) {
    if (name == nullptr) return false;
    auto* group = static_cast<CPtrArrayUI*>(optionGroups_.Find(name));
    if (group == nullptr) {
        group = new CPtrArrayUI(6);
        optionGroups_.Insert(name, group);
    }
    if (group->Find(control) >= 0) return false;
    return group->Add(control);
}

CPtrArrayUI* CPaintManagerUI::GetOptionGroup(const wchar_t* name) {
    return name != nullptr ? static_cast<CPtrArrayUI*>(optionGroups_.Find(name)) : nullptr;
}

void CPaintManagerUI::RemoveOptionGroup(const wchar_t* name, CControlUI* control) {
    CPtrArrayUI* group = GetOptionGroup(name);
    if (group == nullptr) return;
    group->Remove(group->Find(control));
    if (group->IsEmpty()) {
        optionGroups_.Remove(name);
        delete group;
    }
}

void CPaintManagerUI::RemoveAllOptionGroups() {
    for (int i = 0; i < optionGroups_.GetSize(); ++i) delete static_cast<CPtrArrayUI*>(optionGroups_.GetValueAt(i));
    optionGroups_.RemoveAll();
}

void CPaintManagerUI::GetColorShift(short& hue, short& saturation, short& lightness, bool& use) {
    hue = 180;
    saturation = 100;
    lightness = 100;
    use = false;
}

}  // namespace Tovik
