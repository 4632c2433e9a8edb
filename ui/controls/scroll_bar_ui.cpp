// The bar's presses, by part (a press starts the 50 ms repeat timer; a release stops it and lets
// go of everything):
//
//   part       event    condition                        effect
//   button 1   press    enabled                          pushed; one line back at once; "scroll"
//   button 2   press    enabled                          pushed; one line forward at once; "scroll"
//   thumb      press    enabled                          pushed and captured at the point and position
//   track      press    enabled, before / after thumb    a page back / forward at once; "scroll"
//   thumb      move     captured, a free track           drag offset = moved × range ÷ free track
//   thumb      tick     captured                         position = start + drag offset; "scroll"
//   button     tick     pushed, more than 5 ticks        one more line; "scroll"
//   track      tick     more than 5 ticks, off the thumb a page toward the pointer; "scroll"
#include "ui/controls/scroll_bar_ui.h"

#include <algorithm>
#include <cwchar>

#include "support/platform.h"
#include "ui/controls/button_press.h"
#include "ui/controls/container_ui.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

constexpr DWORD kOutlineColour = 0xFF85E4FF;

// "button1hotimage" and the like: the part's word, then the look's.
bool ParseImageName(const wchar_t* name, BarPart& part, BarLook& look) {
    static const wchar_t* const kParts[] = {L"bk", L"button1", L"button2", L"thumb", L"rail"};
    static const wchar_t* const kLooks[] = {L"normalimage", L"hotimage", L"pushedimage", L"disabledimage"};
    for (int p = 0; p < kBarPartCount; ++p) {
        const size_t length = std::wcslen(kParts[p]);
        if (std::wcsncmp(name, kParts[p], length) != 0) continue;
        for (int l = 0; l < kBarLookCount; ++l) {
            if (!Platform::EqualsIgnoringAsciiCase(name + length, kLooks[l])) continue;
            part = static_cast<BarPart>(p);
            look = static_cast<BarLook>(l);
            return true;
        }
    }
    return false;
}

}  // namespace

CScrollBarUI::CScrollBarUI() { SetFixedWidth(kThickness); }
CScrollBarUI::~CScrollBarUI() = default;

void* CScrollBarUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"ScrollBar") == 0) return this;
    return CControlUI::QueryControlInterface(name);
}

void CScrollBarUI::SetHorizontal(bool horizontal) {
    if (horizontal_ == horizontal) return;
    horizontal_ = horizontal;
    if (horizontal && fixedSize_.cy == 0) {
        SetFixedWidth(0);
        SetFixedHeight(kThickness);
    } else if (!horizontal && fixedSize_.cx == 0) {
        SetFixedWidth(kThickness);
        SetFixedHeight(0);
    }
    if (owner_ != nullptr) {
        owner_->RequestLayout();
    } else {
        RequestParentLayout();
    }
}

void CScrollBarUI::SetBarRange(int64_t range) {
    range = std::max<int64_t>(range, 0);
    if (range == range_) return;
    range_ = range;
    position_ = std::min(position_, range_);
    SetPosition(item_, true);
}

void CScrollBarUI::SetBarPosition(int64_t position) {
    position = std::min(std::max<int64_t>(position, 0), range_);
    if (position == position_) return;
    position_ = position;
    SetPosition(item_, true);
}

void CScrollBarUI::ShowButton1(bool show) {
    showButton1_ = show;
    SetPosition(item_, true);
}

void CScrollBarUI::ShowButton2(bool show) {
    showButton2_ = show;
    SetPosition(item_, true);
}

void CScrollBarUI::SetPartImage(BarPart part, BarLook look, const wchar_t* image) {
    SetRepaintingValue(images_[part][look], CStringUI(image));
}

void CScrollBarUI::SetVisible(bool visible) {
    visible_ = visible;
    focused_ = false;
}

void CScrollBarUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) button1State_ = button2State_ = thumbState_ = 0;
}

void CScrollBarUI::TakeFocus() {
    if (owner_ != nullptr) {
        owner_->TakeFocus();
    } else {
        CControlUI::TakeFocus();
    }
}

// ---- Geometry: computed for a vertical bar, with the axes swapped for a horizontal one ----

void CScrollBarUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    const auto flip = [this](RECT r) { return horizontal_ ? RECT{r.top, r.left, r.bottom, r.right} : r; };
    const RECT item = flip(item_);  // from here on "top" is along the bar
    const int64_t thickness = horizontal_ ? Scale(fixedSize_).cy : Scale(fixedSize_).cx;
    const int64_t length = Height(item);
    const int64_t track = length - thickness * ((showButton1_ ? 1 : 0) + (showButton2_ ? 1 : 0));
    RECT first = {}, second = {}, thumb = {};
    if (thickness >= track) {
        const LONG button = static_cast<LONG>(std::min<int64_t>(length / 2, thickness));
        if (showButton1_) first = RECT{item.left, item.top, item.right, item.top + button};
        if (showButton2_) second = RECT{item.left, item.bottom - button, item.right, item.bottom};
    } else {
        const LONG t = static_cast<LONG>(thickness);
        if (showButton1_) first = RECT{item.left, item.top, item.left + t, item.top + t};
        if (showButton2_) second = RECT{item.left, item.bottom - t, item.left + t, item.bottom};
        const LONG trackTop = showButton1_ ? item.top + t : item.top;
        const LONG trackBottom = showButton2_ ? item.bottom - t : item.bottom;
        thumb = RECT{item.left, trackTop, item.right, trackBottom};
        if (range_ > 0) {
            const int64_t thumbLength = std::max<int64_t>(length * track / (length + range_), thickness);
            thumb.top = static_cast<LONG>(trackTop + (track - thumbLength) * position_ / range_);
            thumb.bottom = static_cast<LONG>(thumb.top + thumbLength);
            if (thumb.bottom > trackBottom) {
                thumb.top -= thumb.bottom - trackBottom;
                thumb.bottom = trackBottom;
            }
        }
    }
    button1_ = flip(first);
    button2_ = flip(second);
    thumb_ = flip(thumb);
}

int CScrollBarUI::SideOfThumb(POINT point) const {
    const LONG at = Along(point);
    if (at < (horizontal_ ? thumb_.left : thumb_.top)) return -1;
    if (at >= (horizontal_ ? thumb_.right : thumb_.bottom)) return 1;
    return 0;
}

// ---- Scrolling ----

void CScrollBarUI::Notify() {
    if (manager_ != nullptr) manager_->SendNotify(this, L"scroll");
}

void CScrollBarUI::Scroll(Step step) {
    if (owner_ != nullptr) {
        using Move = void (CContainerUI::*)();
        static const Move kVertical[] = {&CContainerUI::ScrollLineUp, &CContainerUI::ScrollLineDown,
                                         &CContainerUI::ScrollPageUp, &CContainerUI::ScrollPageDown};
        static const Move kHorizontal[] = {&CContainerUI::ScrollLineLeft, &CContainerUI::ScrollLineRight,
                                           &CContainerUI::ScrollPageLeft, &CContainerUI::ScrollPageRight};
        (owner_->*(horizontal_ ? kHorizontal : kVertical)[step])();
        return;
    }
    const int64_t page = horizontal_ ? Width(item_) : Height(item_);
    const int64_t moves[] = {-lineSize_, lineSize_, -page, page};
    SetBarPosition(position_ + moves[step]);
}

void CScrollBarUI::DragTo(int64_t position) {
    if (owner_ == nullptr) return SetBarPosition(position);
    SIZE offset = owner_->GetScrollOffset();
    (horizontal_ ? offset.cx : offset.cy) = ClampToInt(position);
    owner_->SetScrollOffset(offset);
}

void CScrollBarUI::OnPress(POINT point) {
    repeatTicks_ = 0;
    dragOffset_ = 0;
    if (manager_ != nullptr) manager_->SetControlTimer(this, kRepeatTimer, kRepeatPeriod);
    if (PtInRect(&button1_, point)) {
        button1State_ |= StatePushed;
        Scroll(kLineBack);
    } else if (PtInRect(&button2_, point)) {
        button2State_ |= StatePushed;
        Scroll(kLineForward);
    } else if (PtInRect(&thumb_, point)) {
        thumbState_ |= StatePushed | StateCaptured;
        dragStart_ = point;
        dragStartPosition_ = position_;
    } else if (const int side = SideOfThumb(point)) {
        Scroll(side < 0 ? kPageBack : kPageForward);
    }
    Notify();
}

void CScrollBarUI::OnRelease() {
    repeatTicks_ = 0;
    dragOffset_ = 0;
    if (manager_ != nullptr) manager_->KillControlTimer(this, kRepeatTimer);
    if ((thumbState_ & StateCaptured) != 0) {
        thumbState_ &= ~(StatePushed | StateCaptured);
    } else if ((button1State_ & StatePushed) != 0) {
        button1State_ &= ~StatePushed;
    } else if ((button2State_ & StatePushed) != 0) {
        button2State_ &= ~StatePushed;
    } else {
        return;
    }
    RequestRepaint();
}

// The drag is applied at the next tick, not on every move.
void CScrollBarUI::OnMove(POINT point) {
    if ((thumbState_ & StateCaptured) != 0) {
        const int64_t shown = (showButton1_ ? 1 : 0) + (showButton2_ ? 1 : 0);
        const int64_t thickness = horizontal_ ? fixedSize_.cy : fixedSize_.cx;
        const int64_t free =
            (horizontal_ ? Width(item_) - Width(thumb_) : Height(item_) - Height(thumb_)) - shown * thickness;
        if (free != 0) dragOffset_ = (Along(point) - Along(dragStart_)) * range_ / free;
        return;
    }
    const UINT before = thumbState_;
    const bool over = IsEnabled() && PtInRect(&thumb_, point);
    thumbState_ = over ? thumbState_ | StateHot : thumbState_ & ~StateHot;
    if (thumbState_ != before) RequestRepaint();
}

void CScrollBarUI::OnTick() {
    ++repeatTicks_;
    if ((thumbState_ & StateCaptured) != 0) {
        DragTo(dragStartPosition_ + dragOffset_);
        RequestRepaint();
        Notify();
        return;
    }
    if (repeatTicks_ <= kRepeatDelayTicks) return;
    if ((button1State_ & StatePushed) != 0 || (button2State_ & StatePushed) != 0) {
        Scroll((button1State_ & StatePushed) != 0 ? kLineBack : kLineForward);
        Notify();
        return;
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    if (manager_ != nullptr) ScreenToClient(manager_->GetPaintWindow(), &cursor);
    if (const int side = SideOfThumb(cursor)) {
        Scroll(side < 0 ? kPageBack : kPageForward);
        Notify();
    }
}

void CScrollBarUI::HandleEvent(TInputEventUI& event) {
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (owner_ != nullptr) {
            owner_->HandleEvent(event);
        } else {
            CControlUI::HandleEvent(event);
        }
        return;
    }
    switch (event.type) {
    case EventSetFocus:
    case EventKillFocus:
    case EventContextMenu: return;
    case EventButtonDown:
    case EventDoubleClick:
        if (IsEnabled()) OnPress(event.mouse);
        return;
    case EventButtonUp: return OnRelease();
    case EventMouseMove: return OnMove(event.mouse);
    case EventTimer:
        if (event.wParam == kRepeatTimer) OnTick();
        return;
    case EventMouseEnter:
    case EventMouseLeave: {
        if (!IsEnabled()) return;
        const bool enter = event.type == EventMouseEnter;
        button1State_ = enter ? button1State_ | StateHot : button1State_ & ~StateHot;
        button2State_ = enter ? button2State_ | StateHot : button2State_ & ~StateHot;
        const bool thumbHot = enter && PtInRect(&thumb_, event.mouse);
        thumbState_ = thumbHot ? thumbState_ | StateHot : thumbState_ & ~StateHot;
        RequestRepaint();
        return;
    }
    default: break;
    }
    if (owner_ != nullptr) {
        owner_->HandleEvent(event);
    } else {
        CControlUI::HandleEvent(event);
    }
}

void CScrollBarUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    BarPart part;
    BarLook look;
    const auto is = [name](const wchar_t* expected) { return Platform::EqualsIgnoringAsciiCase(name, expected); };
    if (ParseImageName(name, part, look)) {
        SetPartImage(part, look, value);
    } else if (is(L"hor")) {
        SetHorizontal(ParseBool(value));
    } else if (is(L"showbutton1")) {
        ShowButton1(ParseBool(value));
    } else if (is(L"showbutton2")) {
        ShowButton2(ParseBool(value));
    } else if (is(L"linesize")) {
        SetLineSize(ParseInt(value));
    } else if (is(L"range")) {
        SetBarRange(ParseInt(value));
    } else if (is(L"value")) {
        SetBarPosition(ParseInt(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

// ---- Painting ----

// The image of the first state that applies (disabled, pushed, hot), else the normal one; over
// `rect` when given, else over the whole bar.
bool CScrollBarUI::PaintPart(HDC dc, BarPart part, UINT state, const RECT* rect) {
    state = IsEnabled() ? state & ~StateDisabled : state | StateDisabled;
    const BarLook look = (state & StateDisabled) != 0 ? LookDisabled
                         : (state & StatePushed) != 0 ? LookPushed
                         : (state & StateHot) != 0    ? LookHot
                                                      : LookNormal;
    RECT relative = rect != nullptr ? *rect : RECT{};
    OffsetRect(&relative, -item_.left, -item_.top);
    const CStringUI modifier = rect != nullptr ? DestModifier(relative) : CStringUI();
    const wchar_t* extra = rect != nullptr ? modifier.GetData() : nullptr;
    const CStringUI& image = images_[part][look];
    if (look != LookNormal && !image.IsEmpty() && DrawImageString(dc, image.GetData(), extra)) return true;
    const CStringUI& normal = images_[part][LookNormal];
    return !normal.IsEmpty() && DrawImageString(dc, normal.GetData(), extra);
}

bool CScrollBarUI::PaintContent(HDC dc, const RECT&, CControlUI*) {
    PaintBackgroundColor(dc);
    PaintBackgroundImage(dc);
    PaintPart(dc, BarBackground, thumbState_, nullptr);
    const auto outlined = [&](BarPart part, UINT state, const RECT& rect) {
        if (!PaintPart(dc, part, state, &rect)) CSkinRender::DrawRect(dc, rect, 2, kOutlineColour);
    };
    if (showButton1_) outlined(BarButton1, button1State_, button1_);
    if (showButton2_) outlined(BarButton2, button2State_, button2_);
    if (!IsRectEmpty(&thumb_)) {
        outlined(BarThumb, thumbState_, thumb_);
        const int thickness = horizontal_ ? fixedSize_.cy : fixedSize_.cx;
        RECT rail = thumb_;
        if (horizontal_) {
            rail.left = (thumb_.left + thumb_.right) / 2 - thickness / 2;
            rail.right = rail.left + thickness;
        } else {
            rail.top = (thumb_.top + thumb_.bottom) / 2 - thickness / 2;
            rail.bottom = rail.top + thickness;
        }
        PaintPart(dc, BarRail, thumbState_, &rail);
    }
    PaintBorder(dc);
    return true;
}

}  // namespace Tovik
