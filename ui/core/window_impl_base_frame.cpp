// WindowImplBase: what a system frame would give the caption-less window — hit testing for the
// caption and the resize borders, the track size limits, the window region with its round
// corners, activation, system commands with the maximise/restore button swap, and the system
// buttons.
#include <windowsx.h>

#include "support/platform.h"
#include "ui/controls/control_ui.h"
#include "ui/core/window_impl_base.h"

namespace Tovik {
namespace {

// Which border zone holds the point, by the size box's widths; HTNOWHERE for none.
LRESULT ResizeZone(POINT point, const RECT& client, const RECT& box) {
    const bool left = point.x<client.left + box.left, right = point.x> client.right - box.right;
    if (point.y < client.top + box.top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (point.y > client.bottom - box.bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return HTNOWHERE;
}

void SetVisibleByName(CPaintManagerUI& manager, const wchar_t* name, bool visible) {
    if (CControlUI* control = manager.FindControlByName(name)) control->SetVisible(visible);
}

}  // namespace

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = true;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(window_, &point);
    RECT client;
    GetClientRect(window_, &client);
    if (!IsZoomed(window_)) {
        const LRESULT zone = ResizeZone(point, client, manager_.GetSizeBox());
        if (zone != HTNOWHERE) return zone;
    }
    const RECT caption = manager_.GetCaptionRect();
    const LONG bottom = caption.bottom == -1 ? client.bottom : caption.bottom;
    if (point.x >= client.left + caption.left && point.x < client.right - caption.right && point.y >= caption.top &&
        point.y < bottom && IsCaptionControl(manager_.FindControlAt(point))) {
        return HTCAPTION;
    }
    return HTCLIENT;
}

bool WindowImplBase::IsCaptionControl(CControlUI* control) {
    static const wchar_t* const kPassive[] = {
        L"controlui",        L"textui",      L"labelui",       L"containerui",    L"horizontallayoutui",
        L"verticallayoutui", L"tablayoutui", L"childlayoutui", L"dialoglayoutui", L"progresscontainerui"};
    if (control == nullptr) return false;
    for (; control != nullptr; control = control->GetParent()) {
        bool passive = false;
        for (const wchar_t* type : kPassive)
            passive = passive || Platform::EqualsIgnoringAsciiCase(control->GetTypeName(), type);
        if (!passive) return false;
    }
    return true;
}

// Maximised, the window fills the work area of its monitor (in that monitor's own coordinates).
LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = true;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT work = monitor.rcWork;
    if ((monitor.dwFlags & MONITORINFOF_PRIMARY) == 0) OffsetRect(&work, -work.left, -work.top);
    const SIZE maximum = manager_.GetMaxInfo(), minimum = manager_.GetMinInfo();
    info->ptMaxPosition = POINT{work.left, work.top};
    info->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    info->ptMaxTrackSize =
        POINT{maximum.cx != 0 ? maximum.cx : info->ptMaxSize.x, maximum.cy != 0 ? maximum.cy : info->ptMaxSize.y};
    info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
    return 0;
}

// Every size gets a region, round or not; the system owns it once it is set.
LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    if (IsIconic(window_)) return 0;
    RECT rect;
    GetWindowRect(window_, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    const SIZE corner = manager_.GetRoundCorner();
    HRGN region = CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, corner.cx, corner.cy);
    if (region != nullptr && SetWindowRgn(window_, region, TRUE) == 0) DeleteObject(region);
    return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& handled) {
    handled = !IsIconic(window_);
    return wParam == FALSE ? 1 : 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    if (wParam == SC_CLOSE) {
        SendMessage(WM_CLOSE);
        return 0;
    }
    const bool wasZoomed = IsZoomed(window_) != FALSE;
    const HWND window = window_;
    const LRESULT result = CWindowWnd::HandleMessage(message, wParam, lParam);
    const bool zoomed = IsZoomed(window) != FALSE;
    if (zoomed != wasZoomed) {
        SetVisibleByName(manager_, L"maxbtn", !zoomed);
        SetVisibleByName(manager_, L"restorebtn", zoomed);
    }
    return result;
}

void WindowImplBase::OnClick(TNotifyMsgUI& msg) {
    if (msg.sender == nullptr) return;
    const CStringUI name = msg.sender->GetName();
    if (name == L"closebtn") {
        Close(IDOK);
    } else if (name == L"minbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    } else if (name == L"maxbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    } else if (name == L"restorebtn") {
        SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    }
}

}  // namespace Tovik
