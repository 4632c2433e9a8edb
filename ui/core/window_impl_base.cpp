// WindowImplBase: message dispatch, creation from the skin, the notification pump, the
// Enter/Escape filter and the end of the window.
#include "ui/core/window_impl_base.h"

#include "ui/controls/control_ui.h"
#include "ui/core/attribute_values.h"

namespace Tovik {

WindowImplBase::~WindowImplBase() = default;

const wchar_t* WindowImplBase::GetSuperclassName() const { return nullptr; }
UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }
void WindowImplBase::Prepare() {}
void WindowImplBase::OnInitWindow() {}
CStringUI WindowImplBase::GetSkinResourceType() { return CStringUI(); }
const wchar_t* WindowImplBase::GetManagerName() { return nullptr; }
LRESULT WindowImplBase::OnDefaultKey(WPARAM key) { return key == VK_ESCAPE ? 1 : 0; }
CControlUI* WindowImplBase::CreateCustomControl(const wchar_t*) { return nullptr; }
const wchar_t* WindowImplBase::QueryControlText(const wchar_t*, const wchar_t*) { return nullptr; }
LONG WindowImplBase::GetStyle() { return GetWindowLongW(window_, GWL_STYLE) & ~WS_CAPTION; }

// The handlers a subclass may take over; here they decline.
namespace {
LRESULT Decline(bool& handled) {
    handled = false;
    return 0;
}
}  // namespace
LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }
LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) { return Decline(handled); }

// No non-client area is computed or painted: the skin draws the whole window.
LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, bool&) { return 0; }
LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&) { return 0; }

WindowImplBase::MessageHandler WindowImplBase::HandlerFor(UINT message) {
    switch (message) {
    case WM_CLOSE: return &WindowImplBase::OnClose;
    case WM_DESTROY: return &WindowImplBase::OnDestroy;
    case WM_NCACTIVATE: return &WindowImplBase::OnNcActivate;
    case WM_NCCALCSIZE: return &WindowImplBase::OnNcCalcSize;
    case WM_NCPAINT: return &WindowImplBase::OnNcPaint;
    case WM_NCHITTEST: return &WindowImplBase::OnNcHitTest;
    case WM_GETMINMAXINFO: return &WindowImplBase::OnGetMinMaxInfo;
    case WM_MOUSEWHEEL: return &WindowImplBase::OnMouseWheel;
    case WM_MOUSEHOVER: return &WindowImplBase::OnMouseHover;
    case WM_SIZE: return &WindowImplBase::OnSize;
    case WM_CHAR: return &WindowImplBase::OnChar;
    case WM_SYSCOMMAND: return &WindowImplBase::OnSysCommand;
    case WM_CREATE: return &WindowImplBase::OnCreate;
    case WM_KEYDOWN: return &WindowImplBase::OnKeyDown;
    case WM_KILLFOCUS: return &WindowImplBase::OnKillFocus;
    case WM_SETFOCUS: return &WindowImplBase::OnSetFocus;
    case WM_LBUTTONDOWN: return &WindowImplBase::OnLButtonDown;
    case WM_LBUTTONUP: return &WindowImplBase::OnLButtonUp;
    case WM_MOUSEMOVE: return &WindowImplBase::OnMouseMove;
    default: return nullptr;
    }
}

LRESULT WindowImplBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = true;
    if (const MessageHandler handler = HandlerFor(message)) {
        result = (this->*handler)(message, wParam, lParam, handled);
        if (handled) return result;
    }
    handled = false;
    result = HandleCustomMessage(message, wParam, lParam, handled);
    if (handled) return result;
    if (manager_.ProcessMessage(message, wParam, lParam, result)) return result;
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    SetWindowLongW(window_, GWL_STYLE, (style & ~WS_CAPTION) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    manager_.AttachWindow(window_, GetManagerName());
    manager_.AddPreMessageFilter(this);
    CSkinBuilder builder;
    const CStringUI type = GetSkinResourceType();
    const CStringUI file = GetSkinFileName();
    CControlUI* root = type.IsEmpty() ? builder.BuildFromSource(file.GetData(), nullptr, this, &manager_)
                                      : builder.BuildFromSource(MAKEINTRESOURCEW(ParseInt(file.GetData()) & 0xFFFF),
                                                                type.GetData(), this, &manager_);
    if (root == nullptr) FailSkinLoad();
    manager_.AttachRoot(root);
    manager_.AddNotifier(this);
    OnInitWindow();
    handled = true;
    return 0;
}

void WindowImplBase::FailSkinLoad() {
    const CStringUI text = CStringUI(L"加载资源文件失败：") + GetSkinFileName();
    MessageBoxW(nullptr, text.GetData(), L"Tovik", MB_ICONERROR);
    ExitProcess(1);
}

// The window's end: the object itself is its subclass's to delete.
void WindowImplBase::OnFinalMessage(HWND) {
    manager_.RemovePreMessageFilter(this);
    manager_.RemoveNotifier(this);
    if (manager_.GetRoot() != nullptr) manager_.ForgetControl(manager_.GetRoot());
}

void WindowImplBase::Notify(TNotifyMsgUI& msg) { NotifyPump(msg); }

LRESULT WindowImplBase::FilterMessage(UINT message, WPARAM wParam, LPARAM, bool&) {
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return OnDefaultKey(wParam);
    return 0;
}

const TNotifyMap* WindowImplBase::ClassNotifyMap() {
    static const TNotifyMapEntry entries[] = {NotifyEntry<WindowImplBase>(L"click", L"", &WindowImplBase::OnClick),
                                              NotifyMapEnd()};
    static const TNotifyMap map = {CNotifyPump::ClassNotifyMap(), entries};
    return &map;
}

const TNotifyMap* WindowImplBase::GetNotifyMap() const { return ClassNotifyMap(); }

}  // namespace Tovik
