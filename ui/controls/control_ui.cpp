// CControlUI: identity and geometry, state, layout and repaint requests, the paint sequence and
// the default reaction to input events.
#include "ui/controls/control_ui.h"

#include <cstdlib>

#include "support/platform.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (!DestroySubscribers.IsEmpty()) DestroySubscribers.Invoke(this);
    if (manager_ != nullptr) manager_->ForgetControl(this);
}

CStringUI CControlUI::GetName() const { return name_; }
void CControlUI::SetName(const wchar_t* name) { name_ = name; }
const wchar_t* CControlUI::GetTypeName() const { return L"ControlUI"; }

void* CControlUI::QueryControlInterface(const wchar_t* name) {
    return name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"Control") ? this : nullptr;
}

UINT CControlUI::GetInputFlags() { return 0; }
bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }
CPaintManagerUI* CControlUI::GetPaintManager() const { return manager_; }

void CControlUI::AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) {
    manager_ = manager;
    parent_ = parent;
    if (initialise && parent != nullptr) Initialize();
}

CControlUI* CControlUI::GetParent() const { return parent_; }

CStringUI CControlUI::GetText() const {
    if (!textFromResource_) return text_;
    return CResourceCatalogUI::Instance().TranslateText(text_.GetData(), GetTypeName());
}

// "{\n}" in markup stands for a line break.
void CControlUI::SetText(const wchar_t* text) {
    if (text_ == text) return;
    text_ = text;
    text_.Replace(L"{\\n}", L"\n");
    RequestRepaint();
}

bool CControlUI::IsTextFromResource() const { return textFromResource_; }
void CControlUI::SetTextFromResource(bool fromResource) { SetRepaintingValue(textFromResource_, fromResource); }
bool CControlUI::IsDragEnabled() const { return dragEnabled_; }
void CControlUI::SetDragEnabled(bool enabled) { dragEnabled_ = enabled; }
bool CControlUI::IsDropEnabled() const { return dropEnabled_; }
void CControlUI::SetDropEnabled(bool enabled) { dropEnabled_ = enabled; }
bool CControlUI::IsRichEvent() const { return richEvent_; }
void CControlUI::SetRichEvent(bool rich) { richEvent_ = rich; }

RECT CControlUI::GetPosInParent() const {
    if (parent_ == nullptr) return RECT{};
    RECT position = item_;
    OffsetRect(&position, -parent_->GetPosition().left, -parent_->GetPosition().top);
    return position;
}

RECT CControlUI::GetContentRect() { return item_; }
const RECT& CControlUI::GetPosition() const { return item_; }

void CControlUI::SetPosition(RECT rect, bool invalidate) {
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    RECT area = HasNoArea(item_) ? rect : item_;
    item_ = rect;
    if (manager_ == nullptr) return;
    if (!inSizeNotification_) {
        inSizeNotification_ = true;
        if (!SizeSubscribers.IsEmpty()) SizeSubscribers.Invoke(this);
        inSizeNotification_ = false;
    }
    layoutPending_ = false;
    if (!invalidate || !IsVisible()) return;
    UnionRect(&area, &area, &item_);
    for (CControlUI* ancestor = parent_; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (!ancestor->IsVisible() || !IntersectRect(&area, &area, &ancestor->GetPosition())) return;
    }
    manager_->Invalidate(area);
}

void CControlUI::MoveBy(int dx, int dy, bool) {
    fixedOffset_.cx += dx;
    fixedOffset_.cy += dy;
    RequestParentLayout();
}

int CControlUI::GetWidth() const { return item_.right - item_.left; }
int CControlUI::GetHeight() const { return item_.bottom - item_.top; }
int CControlUI::GetLeft() const { return item_.left; }
int CControlUI::GetTop() const { return item_.top; }

int CControlUI::Scale(int value) const { return manager_ != nullptr ? manager_->GetDpiScaler().Scale(value) : value; }

// Margins and border sides are four separate values, each scaled on its own.
RECT CControlUI::Scale(const RECT& rect) const {
    if (manager_ == nullptr) return rect;
    const CDpiScaler& scaler = manager_->GetDpiScaler();
    return RECT{scaler.Scale(rect.left), scaler.Scale(rect.top), scaler.Scale(rect.right), scaler.Scale(rect.bottom)};
}

SIZE CControlUI::Scale(SIZE size) const { return manager_ != nullptr ? manager_->GetDpiScaler().Scale(size) : size; }

RECT CControlUI::GetPadding() const { return Scale(padding_); }

void CControlUI::SetPadding(RECT padding) {
    padding_ = padding;
    RequestParentLayout();
}

SIZE CControlUI::GetFixedOffset() const { return Scale(fixedOffset_); }

void CControlUI::SetFixedOffset(SIZE offset) {
    fixedOffset_ = offset;
    RequestParentLayout();
}

SIZE CControlUI::GetFixedSize() const { return Scale(fixedSize_); }
int CControlUI::GetFixedWidth() const { return Scale(fixedSize_.cx); }
int CControlUI::GetFixedHeight() const { return Scale(fixedSize_.cy); }

void CControlUI::SetFixedWidth(int width) {
    if (StoreFixedWidth(width)) RequestParentLayout();
}

void CControlUI::SetFixedHeight(int height) {
    if (StoreFixedHeight(height)) RequestParentLayout();
}

bool CControlUI::StoreFixedWidth(int width) {
    if (width < 0) return false;
    fixedSize_.cx = width;
    return true;
}

bool CControlUI::StoreFixedHeight(int height) {
    if (height < 0) return false;
    fixedSize_.cy = height;
    return true;
}

namespace {

// Stores a size limit that is new and not negative; true when it changed.
bool StoreLimit(LONG& field, int value) {
    if (value < 0 || field == value) return false;
    field = value;
    return true;
}

}  // namespace

int CControlUI::GetMinWidth() const { return Scale(minSize_.cx); }
void CControlUI::SetMinWidth(int width) {
    if (StoreLimit(minSize_.cx, width)) RequestParentLayout();
}
int CControlUI::GetMaxWidth() const { return Scale(maxSize_.cx); }
void CControlUI::SetMaxWidth(int width) {
    if (StoreLimit(maxSize_.cx, width)) RequestParentLayout();
}
int CControlUI::GetMinHeight() const { return Scale(minSize_.cy); }
void CControlUI::SetMinHeight(int height) {
    if (StoreLimit(minSize_.cy, height)) RequestParentLayout();
}
int CControlUI::GetMaxHeight() const { return Scale(maxSize_.cy); }
void CControlUI::SetMaxHeight(int height) {
    if (StoreLimit(maxSize_.cy, height)) RequestParentLayout();
}

TFloatRatios CControlUI::GetFloatRatios() const { return floatRatios_; }

void CControlUI::SetFloatRatios(TFloatRatios ratios) {
    floatRatios_ = ratios;
    RequestParentLayout();
}

void CControlUI::SetFloatAlign(UINT align) {
    floatAlign_ = align;
    RequestParentLayout();
}

UINT CControlUI::GetFloatAlign() const { return floatAlign_; }

CStringUI CControlUI::GetToolTip() const {
    if (!textFromResource_) return toolTip_;
    return CResourceCatalogUI::Instance().TranslateText(toolTip_.GetData(), GetTypeName());
}

// "<n>" in markup stands for a line break in tool tips.
void CControlUI::SetToolTip(const wchar_t* text) {
    toolTip_ = text;
    toolTip_.Replace(L"<n>", L"\r\n");
}

void CControlUI::SetToolTipWidth(int width) { toolTipWidth_ = width; }
int CControlUI::GetToolTipWidth() const { return Scale(toolTipWidth_); }
WORD CControlUI::GetCursorId() const { return cursor_; }

void CControlUI::SetCursorId(WORD cursor) {
    cursor_ = cursor;
    RequestRepaint();
}

wchar_t CControlUI::GetShortcut() const { return shortcut_; }
void CControlUI::SetShortcut(wchar_t shortcut) { shortcut_ = shortcut; }
bool CControlUI::IsMenuEnabled() const { return menuEnabled_; }
void CControlUI::SetMenuEnabled(bool enabled) { menuEnabled_ = enabled; }
CStringUI CControlUI::GetUserData() const { return userData_; }
void CControlUI::SetUserData(const wchar_t* data) { userData_ = data; }
UINT_PTR CControlUI::GetTag() const { return tag_; }
void CControlUI::SetTag(UINT_PTR tag) { tag_ = tag; }
bool CControlUI::IsVisible() const { return visible_ && inheritedVisible_; }

void CControlUI::SetVisible(bool visible) {
    if (visible_ == visible) return;
    const bool wasVisible = IsVisible();
    visible_ = visible;
    focused_ = false;
    if (!visible && manager_ != nullptr && manager_->GetFocusControl() == this) manager_->SetFocusControl(nullptr);
    if (IsVisible() != wasVisible) RequestParentLayout();
}

void CControlUI::SetInheritedVisible(bool visible) {
    inheritedVisible_ = visible;
    if (!visible && manager_ != nullptr && manager_->GetFocusControl() == this) manager_->SetFocusControl(nullptr);
}

bool CControlUI::IsEnabled() const { return enabled_; }
void CControlUI::SetEnabled(bool enabled) { SetRepaintingValue(enabled_, enabled); }
bool CControlUI::IsMouseEnabled() const { return mouseEnabled_; }
void CControlUI::SetMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
bool CControlUI::IsKeyboardEnabled() const { return keyboardEnabled_; }
void CControlUI::SetKeyboardEnabled(bool enabled) { keyboardEnabled_ = enabled; }
bool CControlUI::HasFocus() const { return focused_; }

void CControlUI::TakeFocus() {
    if (manager_ != nullptr) manager_->SetFocusControl(this);
}

bool CControlUI::IsFloat() const { return float_; }

void CControlUI::SetFloat(bool isFloat) {
    if (float_ == isFloat) return;
    float_ = isFloat;
    RequestParentLayout();
}

CControlUI* CControlUI::LocateControl(FindControlProc callback, void* data, UINT flags) {
    if ((flags & FindVisible) && !IsVisible()) return nullptr;
    if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
    if ((flags & FindHitTest) && (!mouseEnabled_ || !PtInRect(&item_, *static_cast<const POINT*>(data)))) {
        return nullptr;
    }
    return callback(this, data);
}

void CControlUI::Initialize() {
    OnInitialize();
    if (!InitSubscribers.IsEmpty()) InitSubscribers.Invoke(this);
}

void CControlUI::OnInitialize() {}

void CControlUI::DispatchEvent(TInputEventUI& event) {
    if (EventSubscribers.IsEmpty() || EventSubscribers.Invoke(&event)) HandleEvent(event);
}

void CControlUI::HandleEvent(TInputEventUI& event) {
    switch (event.type) {
    case EventSetCursor:
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor_ != 0 ? cursor_ : WORD{CursorArrow})));
        return;
    case EventSetFocus:
        focused_ = true;
        RequestRepaint();
        return;
    case EventKillFocus:
        focused_ = false;
        RequestRepaint();
        return;
    case EventTimer:
        if (manager_ != nullptr) manager_->SendNotify(this, L"timer", event.wParam, event.lParam);
        return;
    case EventContextMenu:
        if (menuEnabled_) {
            if (manager_ != nullptr) manager_->SendNotify(this, L"menu", event.wParam, event.lParam);
            return;
        }
        break;
    default: break;
    }
    if (parent_ != nullptr) parent_->HandleEvent(event);
}

SIZE CControlUI::MeasureSize(SIZE) { return GetFixedSize(); }

// ---- Layout and repaint requests ----

void CControlUI::RequestRepaint() {
    if (!IsVisible() || manager_ == nullptr) return;
    RECT area = item_;
    for (CControlUI* ancestor = parent_; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (!IntersectRect(&area, &area, &ancestor->GetPosition())) return;
    }
    manager_->Invalidate(area);
}

void CControlUI::RequestLayout() {
    if (!IsVisible()) return;
    layoutPending_ = true;
    RequestRepaint();
    if (manager_ != nullptr) manager_->MarkLayoutNeeded();
}

void CControlUI::RequestParentLayout() {
    if (parent_ != nullptr) {
        parent_->RequestLayout();
        parent_->RequestRepaint();
    } else {
        RequestLayout();
    }
    if (manager_ != nullptr) manager_->MarkLayoutNeeded();
}

CStringUI CControlUI::GetVirtualWindowName() const {
    if (!virtualWindow_.IsEmpty()) return virtualWindow_;
    return parent_ != nullptr ? parent_->GetVirtualWindowName() : CStringUI();
}

// ---- Painting ----

bool CControlUI::DrawImageString(HDC dc, const wchar_t* image, const wchar_t* modifier) {
    return CSkinRender::DrawImageString(dc, manager_, item_, paintRect_, image, modifier);
}

CStringUI CControlUI::DestModifier(const RECT& relative, bool crop) const {
    const int percent = Scale(100) > 0 ? Scale(100) : 1;
    const int l = MulDiv(relative.left, 100, percent), t = MulDiv(relative.top, 100, percent);
    const int r = MulDiv(relative.right, 100, percent), b = MulDiv(relative.bottom, 100, percent);
    CStringUI modifier;
    if (crop) {
        modifier.Format(L"dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", l, t, r, b, l, t, r, b);
    } else {
        modifier.Format(L"dest='%d,%d,%d,%d'", l, t, r, b);
    }
    return modifier;
}

DWORD CControlUI::AdjustColor(DWORD colour) const {
    if (!colorHsl_) return colour;
    short hue, saturation, lightness;
    bool use;
    CPaintManagerUI::GetColorShift(hue, saturation, lightness, use);
    return CSkinRender::AdjustColor(colour, hue, saturation, lightness);
}

bool CControlUI::Paint(HDC dc, const RECT& area, CControlUI* stop) {
    if (stop == this) return false;
    if (!IntersectRect(&paintRect_, &area, &item_)) return true;
    return PaintContent(dc, paintRect_, stop);
}

bool CControlUI::PaintContent(HDC dc, const RECT&, CControlUI*) {
    const SIZE round = GetBorderRound();
    CSkinClip clip;
    if (round.cx > 0 || round.cy > 0) CSkinRender::ClipToRoundRect(dc, paintRect_, item_, round.cx, round.cy, clip);
    PaintBackgroundColor(dc);
    PaintBackgroundImage(dc);
    PaintStateImage(dc);
    PaintForegroundColor(dc);
    PaintForegroundImage(dc);
    PaintText(dc);
    PaintBorder(dc);
    return true;
}

void CControlUI::PaintBackgroundColor(HDC dc) {
    if (bkColor_[0] == 0) return;
    const bool vertical = !Platform::EqualsIgnoringAsciiCase(gradient_.GetData(), L"hor");
    const DWORD first = AdjustColor(bkColor_[0]), second = AdjustColor(bkColor_[1]), third = AdjustColor(bkColor_[2]);
    if (bkColor_[1] != 0 && bkColor_[2] != 0) {
        const LONG middle = (item_.top + item_.bottom) / 2;
        CSkinRender::DrawGradient(dc, {item_.left, item_.top, item_.right, middle}, first, second, vertical, 8);
        CSkinRender::DrawGradient(dc, {item_.left, middle, item_.right, item_.bottom}, second, third, vertical, 8);
    } else if (bkColor_[1] != 0) {
        CSkinRender::DrawGradient(dc, item_, first, second, vertical, 16);
    } else {
        CSkinRender::DrawColor(dc, bkColor_[0] >= 0xFF000000 ? paintRect_ : item_, first);
    }
}

void CControlUI::PaintBackgroundImage(HDC dc) {
    if (!bkImage_.IsEmpty()) DrawImageString(dc, bkImage_.GetData());
}

void CControlUI::PaintStateImage(HDC) {}

void CControlUI::PaintForegroundColor(HDC dc) { CSkinRender::DrawColor(dc, item_, AdjustColor(foreColor_)); }

void CControlUI::PaintForegroundImage(HDC dc) {
    if (!foreImage_.IsEmpty()) DrawImageString(dc, foreImage_.GetData());
}

void CControlUI::PaintText(HDC) {}

// Side sizes win over the uniform outline unless the focus or a round corner asks for it.
void CControlUI::PaintBorder(HDC dc) {
    if (borderColor_ == 0 && focusBorderColor_ == 0) return;
    const int size = GetBorderSize();
    const SIZE round = GetBorderRound();
    const RECT sides = GetBorderSideSizes();
    const DWORD border = AdjustColor(borderColor_), focus = AdjustColor(focusBorderColor_);
    if (size > 0 && (round.cx > 0 || round.cy > 0)) {
        const DWORD colour = HasFocus() && focusBorderColor_ != 0 ? focus : border;
        CSkinRender::DrawRoundRect(dc, item_, size, round.cx, round.cy, colour);
    } else if (HasFocus() && focusBorderColor_ != 0 && size > 0) {
        CSkinRender::DrawRect(dc, item_, size, focus);
    } else if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
        const RECT& r = item_;
        if (sides.left > 0) {
            CSkinRender::DrawLine(dc, {r.left, r.top, r.left, r.bottom}, sides.left, border, borderStyle_);
        }
        if (sides.top > 0) CSkinRender::DrawLine(dc, {r.left, r.top, r.right, r.top}, sides.top, border, borderStyle_);
        if (sides.right > 0) {
            CSkinRender::DrawLine(dc, {r.right - 1, r.top, r.right - 1, r.bottom}, sides.right, border, borderStyle_);
        }
        if (sides.bottom > 0) {
            CSkinRender::DrawLine(dc, {r.left, r.bottom - 1, r.right, r.bottom - 1}, sides.bottom, border,
                                  borderStyle_);
        }
    } else if (size > 0) {
        CSkinRender::DrawRect(dc, item_, size, border);
    }
}

void CControlUI::PaintOverlay(HDC, const RECT&) {}

// ---- Appearance ----

int CControlUI::GetBorderSize() const { return Scale(borderSize_); }
RECT CControlUI::GetBorderSideSizes() const { return Scale(borderSides_); }

void CControlUI::SetBorderSideSizes(RECT sizes) {
    borderSides_ = sizes;
    RequestRepaint();
}

void CControlUI::SetLeftBorderSize(int size) {
    borderSides_.left = size;
    RequestRepaint();
}

void CControlUI::SetTopBorderSize(int size) {
    borderSides_.top = size;
    RequestRepaint();
}

void CControlUI::SetRightBorderSize(int size) {
    borderSides_.right = size;
    RequestRepaint();
}

void CControlUI::SetBottomBorderSize(int size) {
    borderSides_.bottom = size;
    RequestRepaint();
}

void CControlUI::SetBorderStyle(int style) {
    borderStyle_ = style;
    RequestRepaint();
}

SIZE CControlUI::GetBorderRound() const { return Scale(borderRound_); }

void CControlUI::SetBorderRound(SIZE round) {
    borderRound_ = round;
    RequestRepaint();
}

}  // namespace Tovik
