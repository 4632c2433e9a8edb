// CPaintManagerUI: a window's messages turned into control events — message filters, mouse
// (hover, press, capture, double click, wheel, leave), keyboard, timers, the cursor, the context
// menu, closing, and the cleanup message that runs deferred deletions and queued notifications.
#include <windowsx.h>

#include "ui/controls/control_ui.h"
#include "ui/core/key_state.h"
#include "ui/core/listener_walk.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

// Client coordinates of a mouse message, both halves sign-extended.
POINT ClientPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT ScreenToClientPoint(HWND window, LPARAM lParam) {
    POINT point = ClientPoint(lParam);
    ScreenToClient(window, &point);
    return point;
}

int ButtonEvent(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: return EventButtonDown;
    case WM_LBUTTONDBLCLK: return EventDoubleClick;
    case WM_RBUTTONDOWN: return EventRightButtonDown;
    case WM_MBUTTONDOWN: return EventMiddleButtonDown;
    case WM_RBUTTONUP: return EventRightButtonUp;
    case WM_MBUTTONUP: return EventMiddleButtonUp;
    default: return EventButtonUp;
    }
}

}  // namespace

void CPaintManagerUI::SendEvent(CControlUI* to, int type, WPARAM wParam, LPARAM lParam, WORD keyState, WCHAR keyChar,
                                const POINT* mouse) {
    if (to == nullptr) return;
    TInputEventUI event;
    event.type = type;
    event.sender = to;
    event.timestamp = GetTickCount();
    event.mouse = mouse != nullptr ? *mouse : lastMouse_;
    event.keyChar = keyChar;
    event.keyState = keyState;
    event.wParam = wParam;
    event.lParam = lParam;
    to->DispatchEvent(event);
}

CControlUI* CPaintManagerUI::OwnControlAt(POINT point) const {
    CControlUI* control = FindControlAt(point);
    return control != nullptr && control->GetPaintManager() == this ? control : nullptr;
}

// The first filter that handles the message ends it; the mouse point still follows the message.
bool CPaintManagerUI::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    bool handled = false;
    WalkListeners<IMessageFilterUI>(messageFilters_, [&](IMessageFilterUI* filter) {
        const LRESULT answer = filter->FilterMessage(message, wParam, lParam, handled);
        if (handled) result = answer;
        return handled;
    });
    if (!handled) return false;
    switch (message) {
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: lastMouse_ = ScreenToClientPoint(window_, lParam); break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: lastMouse_ = ClientPoint(lParam); break;
    default: break;
    }
    return true;
}

bool CPaintManagerUI::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (window_ == nullptr) return false;
    if (FilterMessage(message, wParam, lParam, result)) return true;
    if (layered_ && OnLayeredFrameMessage(message, wParam, result)) return true;
    switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam), lParam); return false;
    case WM_ERASEBKGND: result = 1; return true;
    case kCleanupMessage:
        DeleteDelayed();
        DeliverQueuedNotifications();
        return true;
    case WM_SIZE:
        if (focus_ != nullptr) SendEvent(focus_, EventWindowSize);
        if (root_ != nullptr) root_->RequestLayout();
        return true;
    case WM_SETFOCUS:
        if (focus_ != nullptr) SendEvent(focus_, EventSetFocus, wParam, lParam);
        return false;
    case WM_KILLFOCUS:
        if (captured_) ReleaseMouse();
        return false;
    case WM_CLOSE: OnClose(); return false;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return false;
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return ReflectToChild(message, wParam, lParam, result);
    case WM_CONTEXTMENU: return OnContextMenu(wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return OnKey(message, wParam, lParam);
    case WM_TIMER: return OnTimer(wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButtonDown(message, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(message, wParam, lParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_MOUSEHOVER: return OnMouseHover(wParam, lParam);
    default: return false;
    }
}

// Messages about a native child go back to it as message + 0x2000. A notification is handled
// whatever the reply; the others only when the child answers non-zero.
bool CPaintManagerUI::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (lParam == 0) return false;
    HWND child =
        message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : reinterpret_cast<HWND>(lParam);
    const LRESULT reply = SendMessageW(child, message + 0x2000, wParam, lParam);
    if (message != WM_NOTIFY && reply == 0) return false;
    result = reply;
    return true;
}

// ---- Mouse ----

bool CPaintManagerUI::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!mouseTracking_) {
        TRACKMOUSEEVENT tracking = {sizeof tracking, TME_HOVER | TME_LEAVE, window_, HoverDelay()};
        TrackMouseEvent(&tracking);
        mouseTracking_ = true;
    }
    lastMouse_ = ClientPoint(lParam);
    if (root_ == nullptr) return false;
    CControlUI* found = FindControlAt(lastMouse_);
    if (found != nullptr && found->GetPaintManager() != this) return false;
    const WORD keyState = CurrentKeyState();
    if (!captured_ && found != hover_) {
        CControlUI* left = hover_;
        hover_ = nullptr;
        if (left != nullptr) {
            SendEvent(left, EventMouseLeave, wParam, lParam, keyState);
            HideTooltip();
        }
        if (found != nullptr) {
            hover_ = found;
            SendEvent(found, EventMouseEnter, wParam, lParam, keyState);
        }
    }
    SendEvent(click_ != nullptr ? click_ : found, EventMouseMove, wParam, lParam, keyState);
    return false;
}

// The left button presses (and captures) for the control under the mouse; the other buttons
// take the focus first. A double click neither needs a root check nor moves the focus.
bool CPaintManagerUI::OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!noActivate_) SetFocus(window_);
    lastMouse_ = ClientPoint(lParam);
    CControlUI* control = OwnControlAt(lastMouse_);
    if (control == nullptr) return false;
    const int type = ButtonEvent(message);
    click_ = control;
    if (type != EventDoubleClick) control->TakeFocus();
    // A focus handler may have deleted the control (forgetting it clears the click control).
    if (click_ != control) return false;
    CaptureMouse();
    SendEvent(control, type, wParam, lParam, LOWORD(wParam));
    return false;
}

bool CPaintManagerUI::OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_LBUTTONUP && captured_) ReleaseMouse();
    lastMouse_ = ClientPoint(lParam);
    if (message != WM_LBUTTONUP) {
        click_ = FindControlAt(lastMouse_);
        SendEvent(click_, ButtonEvent(message), wParam, lParam, LOWORD(wParam));
        return false;
    }
    CControlUI* control = click_;
    if (control == nullptr) return false;
    ReleaseMouse();
    click_ = nullptr;
    SendEvent(control, EventButtonUp, wParam, lParam, LOWORD(wParam));
    return false;
}

// Low word 1 (line down) for a negative delta, else 0 (line up); the delta in the high word. A
// synthetic mouse move follows, so the hover state follows the scrolled content.
bool CPaintManagerUI::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (root_ == nullptr) return false;
    lastMouse_ = ScreenToClientPoint(window_, lParam);
    CControlUI* control = OwnControlAt(lastMouse_);
    if (control == nullptr) return false;
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    SendEvent(control, EventScrollWheel, MAKEWPARAM(delta < 0 ? SB_LINEDOWN : SB_LINEUP, delta), lParam,
              CurrentKeyState());
    SendMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(lastMouse_.x, lastMouse_.y));
    return false;
}

// Leaving into the window's own frame while it is active still moves over the client edge;
// otherwise the move carries -1, which finds no control and ends the hover.
bool CPaintManagerUI::OnMouseLeave() {
    HideTooltip();
    if (!mouseTracking_) return false;
    POINT cursor;
    GetCursorPos(&cursor);
    RECT frame;
    GetWindowRect(window_, &frame);
    LPARAM point = -1;
    if (!IsIconic(window_) && GetActiveWindow() == window_ && PtInRect(&frame, cursor) &&
        SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y)) == HTCLIENT) {
        ScreenToClient(window_, &cursor);
        point = MAKELPARAM(cursor.x, cursor.y);
    }
    mouseTracking_ = false;
    SendMessageW(window_, WM_MOUSEMOVE, 0, point);
    return false;
}

bool CPaintManagerUI::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (root_ == nullptr || LOWORD(lParam) != HTCLIENT) return false;
    if (captured_) return true;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    CControlUI* control = FindControlAt(cursor);
    if (control == nullptr || (control->GetInputFlags() & FlagSetCursor) == 0) return false;
    SendEvent(control, EventSetCursor, wParam, lParam, CurrentKeyState(), 0, &cursor);
    return true;
}

bool CPaintManagerUI::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    if (root_ == nullptr) return false;
    lastMouse_ = ScreenToClientPoint(window_, lParam);
    CControlUI* control = click_;
    if (control == nullptr) return false;
    ReleaseMouse();
    click_ = nullptr;
    SendEvent(control, EventContextMenu, wParam, reinterpret_cast<LPARAM>(control), LOWORD(wParam));
    return false;
}

void CPaintManagerUI::OnClose() {
    const WORD keyState = CurrentKeyState();
    if (hover_ != nullptr) SendEvent(hover_, EventMouseLeave, 0, 0, keyState);
    if (click_ != nullptr) SendEvent(click_, EventButtonUp, 0, 0, keyState);
    SetFocusControl(nullptr);
    HWND owner = GetWindow(window_, GW_OWNER);
    if (GetActiveWindow() == window_ && owner != nullptr) SetFocus(owner);
    tooltip_.reset();
}

// ---- Keyboard and timers ----

bool CPaintManagerUI::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    if (root_ == nullptr) return false;
    const auto keyChar = static_cast<WCHAR>(wParam);
    if (message == WM_KEYUP) {
        CControlUI* control = key_;
        key_ = nullptr;
        SendEvent(control, EventKeyUp, wParam, lParam, CurrentKeyState(), keyChar);
        return false;
    }
    if (focus_ == nullptr) return false;
    CControlUI* control = focus_;
    if (message == WM_KEYDOWN) key_ = control;
    SendEvent(control, message == WM_KEYDOWN ? EventKeyDown : EventChar, wParam, lParam, CurrentKeyState(), keyChar);
    return false;
}

bool CPaintManagerUI::OnTimer(WPARAM wParam, LPARAM lParam) {
    for (int i = 0; i < timers_.GetSize(); ++i) {
        const Timer* timer = timers_.At(i);
        if (timer->window != window_ || timer->windowId != LOWORD(wParam) || timer->killed) continue;
        SendEvent(timer->control, EventTimer, timer->id, lParam, CurrentKeyState());
        return true;
    }
    return false;
}

}  // namespace Tovik
