// CPaintManagerUI: construction and destruction, window binding, the control tree (root, names,
// delayed deletion, post-paint, hit testing), notifications, invalidation, capture, the DPI
// scaler and the colour shift.
#include "ui/core/paint_manager_ui.h"

#include <algorithm>
#include <iterator>

#include "ui/controls/control_ui.h"
#include "ui/core/listener_walk.h"

namespace Tovik {

CPtrArrayUI CPaintManagerUI::managers_;

// A new manager starts from the shared default colours.
CPaintManagerUI::CPaintManagerUI() {
    InitSharedDefaultFont();
    std::copy(std::begin(sharedColours_), std::end(sharedColours_), std::begin(colours_));
}

// The tree goes first, while every table its controls may still ask for exists.
CPaintManagerUI::~CPaintManagerUI() {
    DeleteDelayed();
    asyncNotifications_.DeleteAll();
    nameMap_.RemoveAll();
    root_.reset();
    EmptyWindowTables();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    ReleaseFontHandle(defaultFont_);
    managers_.Remove(managers_.Find(this));
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
    if (managers_.Find(this) < 0) managers_.Add(this);
}

bool CPaintManagerUI::AttachRoot(CControlUI* root) {
    SetFocusControl(nullptr);
    key_ = hover_ = click_ = nullptr;
    if (root_ != nullptr) {
        while (postPaint_.Remove(0)) {}
        DeleteLater(root_.release());
    }
    root_.reset(root);
    firstLayout_ = true;
    updateNeeded_ = true;
    focusNeeded_ = true;
    return InitControlTree(root, nullptr);
}

CControlUI* CPaintManagerUI::FindControlAt(POINT point) const {
    if (root_ == nullptr) return nullptr;
    return root_->LocateControl(
        [](CControlUI* control, void* data) -> CControlUI* {
            const RECT& position = control->GetPosition();
            return PtInRect(&position, *static_cast<const POINT*>(data)) ? control : nullptr;
        },
        &point, FindVisible | FindHitTest | FindTopFirst);
}

// ---- Capture ----

void CPaintManagerUI::CaptureMouse() {
    SetCapture(window_);
    captured_ = true;
}

void CPaintManagerUI::ReleaseMouse() {
    ReleaseCapture();
    captured_ = false;
}

CDpiScaler& CPaintManagerUI::GetDpiScaler() {
    if (dpiScaler_ == nullptr) dpiScaler_ = std::make_unique<CDpiScaler>();
    return *dpiScaler_;
}

// ---- Notifications ----

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) { return notifiers_.Add(notifier); }

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) { return notifiers_.Remove(notifiers_.Find(notifier)); }

void CPaintManagerUI::SendNotify(TNotifyMsgUI& msg, bool async) {
    msg.mouse = lastMouse_;
    msg.timestamp = GetTickCount();
    if (async) {
        // The queued copy never carries a virtual-window name.
        auto* queued = new TNotifyMsgUI;
        queued->type = msg.type;
        queued->sender = msg.sender;
        queued->timestamp = msg.timestamp;
        queued->mouse = msg.mouse;
        queued->wParam = msg.wParam;
        queued->lParam = msg.lParam;
        asyncNotifications_.Add(queued);
        PostCleanup();
        return;
    }
    if (usesVirtualWindows_ && msg.sender != nullptr) msg.virtualWindow = msg.sender->GetVirtualWindowName();
    Deliver(msg);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const wchar_t* type, WPARAM wParam, LPARAM lParam, bool async) {
    TNotifyMsgUI msg;
    msg.sender = sender;
    msg.type = type;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg, async);
}

// The sender's subscribers (a forgotten sender is null and has none), then every notifier.
void CPaintManagerUI::Deliver(TNotifyMsgUI& msg) {
    if (msg.sender != nullptr && !msg.sender->NotifySubscribers.IsEmpty()) msg.sender->NotifySubscribers.Invoke(&msg);
    WalkListeners<INotifyUI>(notifiers_, [&msg](INotifyUI* notifier) {
        notifier->Notify(msg);
        return false;
    });
}

// Deferred deletions first, then the queue in order; what a delivery queues waits for the next
// cleanup message.
void CPaintManagerUI::DeliverQueuedNotifications() {
    COwningPtrArrayUI<TNotifyMsgUI> due;
    asyncNotifications_.MoveAllTo(due);
    for (int i = 0; i < due.GetSize(); ++i) Deliver(*due.At(i));
}

// ---- The control tree ----

// Every reference goes: held controls (and the capture a pressed one holds), timers, the name,
// every post-paint entry (a splitter deleted mid-drag must not be painted afterwards) and the
// sender of queued notifications, and its native windows.
void CPaintManagerUI::ForgetControl(CControlUI* control) {
    if (control == nullptr) return;
    if (control == click_ && captured_) ReleaseMouse();
    for (CControlUI** held : {&key_, &hover_, &click_, &focus_}) {
        if (*held == control) *held = nullptr;
    }
    KillControlTimers(control);
    RemoveFromOptionGroups(control);
    while (RemovePostPaint(control)) {}
    for (int i = 0; i < asyncNotifications_.GetSize(); ++i) {
        if (asyncNotifications_.At(i)->sender == control) asyncNotifications_.At(i)->sender = nullptr;
    }
    for (int i = nativeControls_.GetSize() - 1; i >= 0; --i) {
        if (nativeControls_[i] != control) continue;
        nativeControls_.Remove(i);
        nativeWindows_.Remove(i);
    }
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
    PostCleanup();
}

// At most one cleanup message waits at a time; the flag is set only when the post succeeded, so a
// failed post (a window already gone) does not block the next one.
void CPaintManagerUI::PostCleanup() {
    if (window_ == nullptr || cleanupPosted_) return;
    cleanupPosted_ = PostMessageW(window_, kCleanupMessage, 0, 0) != FALSE;
}

void CPaintManagerUI::DeleteDelayed() {
    delayedCleanup_.DeleteAll();
    cleanupPosted_ = false;
}

bool CPaintManagerUI::AddPostPaint(CControlUI* control) { return postPaint_.Add(control); }

bool CPaintManagerUI::RemovePostPaint(CControlUI* control) { return postPaint_.Remove(postPaint_.Find(control)); }

// ---- Invalidation and colours ----

void CPaintManagerUI::Invalidate(const RECT& rect) {
    RECT area = rect;
    if (area.left < 0) area.left = 0;
    if (area.top < 0) area.top = 0;
    if (area.right < area.left) area.right = area.left;
    if (area.bottom < area.top) area.bottom = area.top;
    UnionRect(&updateRect_, &updateRect_, &area);
    if (window_ != nullptr) InvalidateRect(window_, &area, FALSE);
}

void CPaintManagerUI::Invalidate() {
    if (window_ == nullptr) return;
    RECT client;
    GetClientRect(window_, &client);
    UnionRect(&updateRect_, &updateRect_, &client);
    InvalidateRect(window_, nullptr, FALSE);
}

void CPaintManagerUI::GetColorShift(short& hue, short& saturation, short& lightness, bool& use) {
    hue = 180;
    saturation = 100;
    lightness = 100;
    use = false;
}

}  // namespace Tovik
