// CPaintManagerUI: construction and destruction, window binding, the control tree (names,
// delayed deletion, post-paint), notifications, invalidation, the DPI scaler and the colour shift.
#include "ui/core/paint_manager_ui.h"

#include "ui/controls/control_ui.h"

namespace Tovik {

CPaintManagerUI::CPaintManagerUI() { InitSharedDefaultFont(); }

CPaintManagerUI::~CPaintManagerUI() {
    DeleteDelayed();
    EmptyWindowTables();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    ReleaseFontHandle(defaultFont_);
}

void CPaintManagerUI::AttachWindow(HWND window, const wchar_t* name) {
    nameMap_.RemoveAll();
    EmptyWindowTables();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    name_ = name;
    if (window == window_) return;
    window_ = window;
    windowDC_.reset(window);
}

CDpiScaler& CPaintManagerUI::GetDpiScaler() {
    if (dpiScaler_ == nullptr) dpiScaler_ = std::make_unique<CDpiScaler>();
    return *dpiScaler_;
}

// ---- Notifications ----

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

// ---- The control tree ----

// Every reference goes: held controls, timers, the name, and every post-paint entry (a splitter
// deleted mid-drag must not be painted afterwards).
void CPaintManagerUI::ForgetControl(CControlUI* control) {
    for (CControlUI** held : {&key_, &hover_, &click_, &focus_}) {
        if (*held == control) *held = nullptr;
    }
    KillControlTimers(control);
    while (RemovePostPaint(control)) {}
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
    if (window_ != nullptr && !cleanupPosted_) {
        PostMessageW(window_, kCleanupMessage, 0, 0);
        cleanupPosted_ = true;
    }
}

void CPaintManagerUI::DeleteDelayed() {
    delayedCleanup_.DeleteAll();
    cleanupPosted_ = false;
}

bool CPaintManagerUI::AddPostPaint(CControlUI* control) { return postPaint_.Add(control); }

bool CPaintManagerUI::RemovePostPaint(CControlUI* control) { return postPaint_.Remove(postPaint_.Find(control)); }

// ---- Invalidation and colours ----

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
