// CPaintManagerUI: focus and tab order — moving the focus with its events and notifications,
// the search for the next or previous tab stop, and a focus that waits for the layout.
#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

void SendFocusEvent(CControlUI* to, int type, CControlUI* sender, POINT mouse) {
    TInputEventUI event;
    event.type = type;
    event.sender = sender;
    event.timestamp = GetTickCount();
    event.mouse = mouse;
    to->DispatchEvent(event);
}

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

// The focus control, if any, hears that `next` (possibly null) takes the focus and lets it go.
void CPaintManagerUI::ReleaseFocusFor(CControlUI* next) {
    if (focus_ == nullptr) return;
    CControlUI* old = focus_;
    SendFocusEvent(old, EventKillFocus, next, lastMouse_);
    SendNotify(old, L"killfocus");
    focus_ = nullptr;
}

void CPaintManagerUI::SetFocusControl(CControlUI* control) {
    if (window_ != nullptr && GetFocus() != window_ && control != focus_) SetFocus(window_);
    if (control == focus_) return;
    ReleaseFocusFor(control);
    if (control == nullptr || control->GetPaintManager() != this || !control->IsVisible() || !control->IsEnabled()) {
        return;
    }
    focus_ = control;
    SendFocusEvent(control, EventSetFocus, control, lastMouse_);
    SendNotify(control, L"setfocus");
}

// The tab stop before `control` becomes the focus without events, and the forward move of the
// next paint lands on `control` (or the tab stop after it) once the layout is done.
void CPaintManagerUI::SetFocusAfterLayout(CControlUI* control) {
    if (window_ != nullptr) SetFocus(window_);
    if (control == nullptr) return;
    ReleaseFocusFor(control);
    if (root_ == nullptr) return;
    TabSearch search = {control, nullptr, false, false};
    focus_ = root_->LocateControl(FindTabStop, &search, FindVisible | FindEnabled | FindMeFirst);
    focusNeeded_ = true;
    root_->RequestLayout();
}

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

}  // namespace Tovik
