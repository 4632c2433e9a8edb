#include "ui/controls/edit_ui.h"

#include <cwchar>

#include "ui/controls/button_press.h"
#include "ui/controls/edit_wnd.h"
#include "ui/controls/state_image_slices.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {

CEditUI::CEditUI() {
    textPadding_ = RECT{4, 3, 4, 3};
    SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI() {
    if (native_ != nullptr) native_->DetachFromEdit();
}

void* CEditUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Edit") == 0) return this;
    return CLabelUI::QueryControlInterface(name);
}

void CEditUI::ForgetNativeWindow() { native_ = nullptr; }

void CEditUI::SetText(const wchar_t* text) {
    text_ = text;
    if (native_ != nullptr) SetWindowTextW(native_->GetHWND(), text_.GetData());
    RequestRepaint();
}

void CEditUI::SetMaxChar(int count) {
    maxChar_ = count;
    if (native_ != nullptr) native_->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(count));
}

void CEditUI::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    if (native_ != nullptr) native_->SendMessage(EM_SETREADONLY, readOnly);
    RequestRepaint();
}

void CEditUI::SetPasswordMode(bool password) {
    if (password_ == password) return;
    password_ = password;
    if (native_ != nullptr) {
        const LONG style = GetWindowLongW(native_->GetHWND(), GWL_STYLE);
        SetWindowLongW(native_->GetHWND(), GWL_STYLE, password ? style | ES_PASSWORD : style & ~ES_PASSWORD);
    }
    RequestRepaint();
}

void CEditUI::SetPasswordChar(wchar_t ch) {
    if (passwordChar_ == ch) return;
    passwordChar_ = ch;
    if (native_ != nullptr) native_->SendMessage(EM_SETPASSWORDCHAR, ch);
    RequestRepaint();
}

void CEditUI::SetEnabled(bool enabled) {
    CLabelUI::SetEnabled(enabled);
    if (!enabled) state_ = 0;
}

// ---- The native window's place ----

RECT CEditUI::GetNativeEditRect() const {
    const RECT padding = GetTextPadding();
    RECT rect = Inset(item_, padding);
    if (manager_ != nullptr) {
        const LONG line = manager_->FontInfoById(font_)->metrics.tmHeight;
        if (line < rect.bottom - rect.top) {
            rect.top += (rect.bottom - rect.top - line) / 2;
            rect.bottom = rect.top + line;
        }
    }
    for (CControlUI* ancestor = parent_; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        const RECT content = ancestor->GetContentRect();
        if (!ancestor->IsVisible() || !IntersectRect(&rect, &rect, &content)) return RECT{};
    }
    return rect;
}

void CEditUI::SetPosition(RECT rect, bool invalidate) {
    CLabelUI::SetPosition(rect, invalidate);
    if (native_ == nullptr) return;
    const RECT place = native_->WindowRect();
    SetWindowPos(native_->GetHWND(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CEditUI::MoveBy(int dx, int dy, bool invalidate) {
    CLabelUI::MoveBy(dx, dy, invalidate);
    if (native_ == nullptr) return;
    const RECT place = native_->WindowRect();
    SetWindowPos(native_->GetHWND(), nullptr, place.left, place.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

// A hidden edit cannot be edited: taking the focus away closes the native window.
void CEditUI::CloseWhenHidden() {
    if (!IsVisible() && native_ != nullptr && manager_ != nullptr) manager_->SetFocusControl(nullptr);
}

void CEditUI::SetVisible(bool visible) {
    CLabelUI::SetVisible(visible);
    CloseWhenHidden();
}

void CEditUI::SetInheritedVisible(bool visible) {
    CLabelUI::SetInheritedVisible(visible);
    CloseWhenHidden();
}

void CEditUI::OpenNativeWindow() {
    native_ = new CEditWnd;
    native_->OpenFor(this);
}

// ---- Input ----

void CEditUI::HandleEvent(TInputEventUI& event) {
    if (PassMouseOn(event)) return;
    const bool enabled = IsEnabled();
    switch (event.type) {
    case EventSetCursor:
        if (!enabled) break;
        SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
        return;
    case EventWindowSize:
        if (native_ != nullptr && manager_ != nullptr) manager_->SetFocusAfterLayout(this);
        return;
    case EventScrollWheel:
        if (native_ != nullptr) return;
        break;
    case EventSetFocus:
        if (!enabled) break;
        if (native_ == nullptr) {
            OpenNativeWindow();
            RequestRepaint();
        }
        break;
    case EventKillFocus:
        if (enabled) RequestRepaint();
        break;
    case EventMouseMove:
    case EventButtonUp:
    case EventContextMenu: return;
    case EventMouseEnter:
        if (enabled && PtInRect(&item_, event.mouse)) {
            state_ |= StateHot;
            RequestRepaint();
        }
        break;
    case EventButtonDown:
    case EventRightButtonDown:
    case EventDoubleClick: {
        if (!enabled) break;
        if (manager_ != nullptr) manager_->ReleaseMouse();
        if (HasFocus() && native_ == nullptr) {
            OpenNativeWindow();
            if (native_ != nullptr && PtInRect(&item_, event.mouse)) {
                const int length = GetWindowTextLengthW(native_->GetHWND());
                native_->SendMessage(EM_SETSEL, 0, length > 0 ? length : 1);
            }
        } else if (native_ != nullptr && !autoSelAll_) {
            native_->SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), 0);
            const RECT padding = textPadding_;
            const POINT at = {event.mouse.x - item_.left - padding.left, event.mouse.y - item_.top - padding.top};
            native_->SendMessage(WM_LBUTTONDOWN, event.wParam, MAKELPARAM(at.x, at.y));
        }
        return;
    }
    case EventMouseLeave:
        if (!enabled) break;
        state_ &= ~StateHot;
        RequestRepaint();
        return;
    default: break;
    }
    CLabelUI::HandleEvent(event);
}

void CEditUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    if (std::wcscmp(name, L"autoselall") == 0) {
        autoSelAll_ = std::wcscmp(value, L"true") == 0;
        return;
    }
    using Row = TAttributeRow<CEditUI>;
    static const Row kRows[] = {
        {L"readonly", [](CEditUI& e, const wchar_t* v) { e.SetReadOnly(ParseBool(v)); }},
        {L"numberonly", [](CEditUI& e, const wchar_t* v) { e.SetNumberOnly(ParseBool(v)); }},
        {L"password", [](CEditUI& e, const wchar_t* v) { e.SetPasswordMode(ParseBool(v)); }},
        {L"passwordchar", [](CEditUI& e, const wchar_t* v) { e.SetPasswordChar(*v); }},
        {L"maxchar", [](CEditUI& e, const wchar_t* v) { e.SetMaxChar(ParseInt(v)); }},
        {L"normalimage", [](CEditUI& e, const wchar_t* v) { e.SetRepaintingValue(e.normalImage_, CStringUI(v)); }},
        {L"hotimage", [](CEditUI& e, const wchar_t* v) { e.SetRepaintingValue(e.hotImage_, CStringUI(v)); }},
        {L"focusedimage", [](CEditUI& e, const wchar_t* v) { e.SetRepaintingValue(e.focusedImage_, CStringUI(v)); }},
        {L"disabledimage", [](CEditUI& e, const wchar_t* v) { e.SetRepaintingValue(e.disabledImage_, CStringUI(v)); }},
        {L"tipvalue", [](CEditUI& e, const wchar_t* v) { e.SetTipValue(v); }},
        {L"tipvaluecolor", [](CEditUI& e, const wchar_t* v) { e.SetTipValueColor(ParseColour(v, false)); }},
        {L"nativetextcolor", [](CEditUI& e, const wchar_t* v) { e.nativeTextColour_ = ParseColour(v, false); }},
        {L"nativebkcolor", [](CEditUI& e, const wchar_t* v) { e.SetNativeBkColor(ParseColour(v, false)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CLabelUI::SetAttribute(name, value);
}

SIZE CEditUI::MeasureSize(SIZE available) {
    if (fixedSize_.cy != 0) return CControlUI::MeasureSize(available);
    const LONG height = manager_ != nullptr ? manager_->FontInfoById(font_)->metrics.tmHeight + 6 : 6;
    return SIZE{fixedSize_.cx, height};
}

// ---- Painting ----

void CEditUI::PaintStateImage(HDC dc) {
    state_ = HasFocus() ? state_ | StateFocused : state_ & ~StateFocused;
    state_ = IsEnabled() ? state_ & ~StateDisabled : state_ | StateDisabled;
    DrawStateLook(*this, dc, state_,
                  {{StateDisabled, &disabledImage_}, {StateFocused, &focusedImage_}, {StateHot, &hotImage_}},
                  normalImage_);
}

void CEditUI::PaintText(HDC dc) {
    TakeDefaultColours();
    const CStringUI tip =
        IsTextFromResource() ? CResourceCatalogUI::Instance().TranslateText(tip_.GetData(), GetTypeName()) : tip_;
    const bool showTip = text_.IsEmpty() || text_ == tip;
    CStringUI shown = showTip ? tip : text_;
    if (!showTip && password_) {
        for (int i = 0; i < shown.GetLength(); ++i) shown.SetAt(i, passwordChar_);
    }
    if (shown.IsEmpty()) return;
    RECT rect = Inset(item_, textPadding_);
    const DWORD colour = !IsEnabled() ? disabledTextColour_ : showTip ? tipColour_ : textColour_;
    CSkinRender::DrawText(dc, manager_, rect, shown.GetData(), colour, font_, textStyle_ | DT_SINGLELINE);
}

}  // namespace Tovik
