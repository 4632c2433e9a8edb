#include "ui/controls/edit_wnd.h"

#include <string>

#include "ui/controls/edit_ui.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

constexpr UINT kReflected = 0x2000;  // the paint manager reflects a child's messages with this offset

COLORREF ToColorRef(DWORD colour) { return RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF); }

}  // namespace

bool CEditWnd::IsLayered() const {
    return edit_ != nullptr && edit_->GetPaintManager() != nullptr && edit_->GetPaintManager()->IsLayered();
}

RECT CEditWnd::WindowRect() const {
    RECT rect = edit_->GetNativeEditRect();
    if (IsLayered()) {
        RECT window;
        GetWindowRect(edit_->GetPaintManager()->GetPaintWindow(), &window);
        OffsetRect(&rect, window.left, window.top - 1);
    }
    return rect;
}

void CEditWnd::OpenFor(CEditUI* edit) {
    edit_ = edit;
    CPaintManagerUI* manager = edit->GetPaintManager();
    DWORD style = (IsLayered() ? WS_POPUP | WS_VISIBLE : WS_CHILD) | ES_AUTOHSCROLL;
    const UINT textStyle = edit->GetTextStyle();
    if ((textStyle & DT_CENTER) != 0) {
        style |= ES_CENTER;
    } else if ((textStyle & DT_RIGHT) != 0) {
        style |= ES_RIGHT;
    }
    if (edit->IsPasswordMode()) style |= ES_PASSWORD;
    if (Create(manager->GetPaintWindow(), nullptr, style, 0, WindowRect()) == nullptr) {
        edit->ForgetNativeWindow();
        delete this;
        return;
    }
    if (IsLayered()) manager->AddNativeWindow(edit, window_);
    HFONT font = manager->FontHandleById(edit->GetFont());
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(edit->GetMaxChar()));
    if (edit->IsPasswordMode()) SendMessage(EM_SETPASSWORDCHAR, edit->GetPasswordChar());
    SetWindowTextW(window_, edit->GetText().GetData());
    SendMessage(EM_SETMODIFY, FALSE);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    EnableWindow(window_, edit->IsEnabled());
    SendMessage(EM_SETREADONLY, edit->IsReadOnly());
    SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | static_cast<LONG>(edit->GetWindowStyle()));
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    SetFocus(window_);
    const int length = GetWindowTextLengthW(window_);
    if (edit->IsAutoSelAll()) {
        SendMessage(EM_SETSEL, 0, length > 0 ? length : 1);
    } else {
        SendMessage(EM_SETSEL, length, length);
    }
    initialised_ = true;
}

void CEditWnd::DetachFromEdit() {
    edit_ = nullptr;
    if (window_ != nullptr) DestroyWindow(window_);
}

void CEditWnd::OnFinalMessage(HWND window) {
    brush_.reset();
    pattern_.reset();
    if (edit_ != nullptr) {
        edit_->RequestRepaint();
        if (CPaintManagerUI* manager = edit_->GetPaintManager(); manager != nullptr && manager->IsLayered()) {
            manager->RemoveNativeWindow(window);
        }
        edit_->ForgetNativeWindow();
    }
    delete this;
}

// The whole text, however long: "maxchar" does not bound what SetText put there.
void CEditWnd::OnTextChanged() {
    if (!initialised_ || edit_ == nullptr) return;
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    edit_->TakeNativeText(text.c_str());
    if (CPaintManagerUI* manager = edit_->GetPaintManager()) {
        manager->SendNotify(edit_, L"textchanged");
        if (manager->IsLayered()) edit_->RequestRepaint();
    }
}

// One brush at a time: a translucent background is a fresh pattern of what lies under the
// window, made after the last one is deleted; an opaque one is made once.
LRESULT CEditWnd::OnColour(HDC dc) {
    if (edit_ == nullptr) return 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(edit_->GetTextColor()));
    const DWORD background = edit_->GetNativeBkColor();
    if ((background >> 24) < 0xFF) {
        brush_.reset();
        pattern_.reset();
        RECT rect;
        GetWindowRect(window_, &rect);
        MapWindowPoints(nullptr, edit_->GetPaintManager()->GetPaintWindow(), reinterpret_cast<POINT*>(&rect), 2);
        pattern_.reset(CSkinRender::CaptureControlBitmap(edit_->GetPaintManager(), edit_, rect, background));
        if (pattern_.get() != nullptr) brush_.reset(CreatePatternBrush(pattern_.get()));
    } else if (brush_.get() == nullptr) {
        brush_.reset(CreateSolidBrush(ToColorRef(background)));
    }
    return reinterpret_cast<LRESULT>(brush_.get());
}

LRESULT CEditWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KILLFOCUS: {
        const LRESULT result = CWindowWnd::HandleMessage(message, wParam, lParam);
        PostMessage(WM_CLOSE);
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            if (edit_ != nullptr && edit_->GetPaintManager() != nullptr) {
                edit_->GetPaintManager()->SendNotify(edit_, L"return");
            }
            return 0;
        }
        if (wParam == VK_TAB) {
            if (IsLayered()) edit_->GetPaintManager()->MoveTabFocus(true);
            return 0;
        }
        break;
    case kReflected + WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) {
            OnTextChanged();
        } else if (HIWORD(wParam) == EN_UPDATE) {
            InvalidateRect(window_, nullptr, FALSE);
        }
        return 0;
    case kReflected + WM_CTLCOLOREDIT:
    case kReflected + WM_CTLCOLORSTATIC: return OnColour(reinterpret_cast<HDC>(wParam));
    default: break;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

}  // namespace Tovik
