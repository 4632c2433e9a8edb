// CPaintManagerUI: control timers (window timers of the paint window whose WM_TIMER goes to the
// owning control) and option groups (the options that exclude each other, by group name).
#include "ui/core/paint_manager_ui.h"

namespace Tovik {

// ---- Timers ----

// Without a window there is nothing to own the timer (SetTimer would make a thread timer that
// KillTimer cannot stop), so nothing is started or recorded.
bool CPaintManagerUI::SetControlTimer(CControlUI* control, UINT id, UINT elapse) {
    if (window_ == nullptr) return false;
    for (int i = 0; i < timers_.GetSize(); ++i) {
        Timer* timer = timers_.At(i);
        if (timer->control != control || timer->window != window_ || timer->id != id) continue;
        if (!timer->killed) return false;
        if (SetTimer(window_, timer->windowId, elapse, nullptr) == 0) return false;
        timer->killed = false;
        return true;
    }
    UINT windowId = 0;
    if (!NextFreeTimerId(windowId) || SetTimer(window_, windowId, elapse, nullptr) == 0) return false;
    timers_.Add(new Timer{control, id, window_, windowId, false});
    return true;
}

// The next id of the cycle that no record of this window holds (killed records keep theirs for a
// restart); none when all are held, as a second SetTimer with a held id would take over its timer.
bool CPaintManagerUI::NextFreeTimerId(UINT& windowId) {
    for (UINT tried = 0; tried < kTimerIdCycle; ++tried) {
        timerCounter_ = (timerCounter_ + 1) % kTimerIdCycle;
        bool held = false;
        for (int i = 0; i < timers_.GetSize() && !held; ++i) {
            held = timers_.At(i)->window == window_ && timers_.At(i)->windowId == timerCounter_;
        }
        if (held) continue;
        windowId = timerCounter_;
        return true;
    }
    return false;
}

bool CPaintManagerUI::KillControlTimer(CControlUI* control, UINT id) {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        Timer* timer = timers_.At(i);
        if (timer->control != control || timer->window != window_ || timer->id != id || timer->killed) continue;
        if (IsWindow(window_)) KillTimer(timer->window, timer->windowId);
        timer->killed = true;
        return true;
    }
    return false;
}

void CPaintManagerUI::KillControlTimers(CControlUI* control) {
    for (int i = timers_.GetSize() - 1; i >= 0; --i) {
        const Timer* timer = timers_.At(i);
        if (timer->control != control || timer->window != window_) continue;
        if (!timer->killed) KillTimer(timer->window, timer->windowId);
        timers_.DeleteAt(i);
    }
}

void CPaintManagerUI::RemoveAllTimers() {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        const Timer* timer = timers_.At(i);
        if (timer->window == window_ && !timer->killed && IsWindow(window_)) KillTimer(timer->window, timer->windowId);
    }
    timers_.DeleteAll();
}

// ---- Option groups ----

bool CPaintManagerUI::AddOptionGroup(const wchar_t* name, CControlUI* control) {
    if (name == nullptr) return false;
    CPtrArrayUI* group = optionGroups_.Find(name);
    if (group == nullptr) {
        group = new CPtrArrayUI(6);
        optionGroups_.Insert(name, group);
    }
    if (group->Find(control) >= 0) return false;
    return group->Add(control);
}

CPtrArrayUI* CPaintManagerUI::GetOptionGroup(const wchar_t* name) {
    return name != nullptr ? optionGroups_.Find(name) : nullptr;
}

void CPaintManagerUI::RemoveOptionGroup(const wchar_t* name, CControlUI* control) {
    CPtrArrayUI* group = GetOptionGroup(name);
    if (group == nullptr) return;
    group->Remove(group->Find(control));
    if (group->IsEmpty()) optionGroups_.Remove(name);
}

void CPaintManagerUI::RemoveFromOptionGroups(CControlUI* control) {
    for (int i = optionGroups_.GetSize() - 1; i >= 0; --i) {
        CPtrArrayUI* group = optionGroups_.GetValueAt(i);
        const int index = group->Find(control);
        if (index < 0) continue;
        group->Remove(index);
        if (group->IsEmpty()) optionGroups_.Remove(CStringUI(optionGroups_.GetAt(i)).GetData());
    }
}

void CPaintManagerUI::RemoveAllOptionGroups() { optionGroups_.RemoveAll(); }

}  // namespace Tovik
