// CContainerUI: child list and item operations, the default (non-stacking) placement, floating
// children, scroll bars and scrolling, painting with clips, hit testing and event routing.
#include "ui/controls/container_ui.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "support/platform.h"
#include "ui/controls/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

bool Meets(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

}  // namespace

CContainerUI::~CContainerUI() {
    defersChildDeletion_ = false;
    RemoveAllItems();
    delete verticalBar_;
    delete horizontalBar_;
}

void* CContainerUI::QueryControlInterface(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    if (std::wcscmp(name, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (Platform::EqualsIgnoringAsciiCase(name, L"Container")) return this;
    return CControlUI::QueryControlInterface(name);
}

void CContainerUI::AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) {
    for (int i = 0; i < items_.GetSize(); ++i) static_cast<CControlUI*>(items_[i])->AttachToManager(manager, this, initialise);
    if (verticalBar_ != nullptr) verticalBar_->AttachToManager(manager, this, initialise);
    if (horizontalBar_ != nullptr) horizontalBar_->AttachToManager(manager, this, initialise);
    CControlUI::AttachToManager(manager, parent, initialise);
}

// ---- Items ----

CControlUI* CContainerUI::ItemAt(int index) const { return static_cast<CControlUI*>(items_.GetAt(index)); }
int CContainerUI::IndexOfItem(CControlUI* control) const { return items_.Find(control); }
int CContainerUI::ItemCount() const { return items_.GetSize(); }

bool CContainerUI::MoveItemTo(CControlUI* control, int index) {
    const int current = items_.Find(control);
    if (current < 0) return false;
    RequestLayout();
    items_.Remove(current);
    return items_.InsertAt(index, control);
}

// Not through the virtual InsertItemAt: a subclass's insertion rules must not run for an add.
bool CContainerUI::AddItem(CControlUI* control) { return CContainerUI::InsertItemAt(control, items_.GetSize()); }

bool CContainerUI::InsertItemAt(CControlUI* control, int index) {
    if (control == nullptr) return false;
    if (manager_ != nullptr) manager_->InitControlTree(control, this);
    if (IsVisible()) {
        RequestLayout();
    } else {
        control->SetInheritedVisible(false);
    }
    return items_.InsertAt(index, control);
}

void CContainerUI::Dispose(CControlUI* child) {
    if (!ownsChildren_) return;
    if (defersChildDeletion_ && manager_ != nullptr) {
        manager_->DeleteLater(child);
    } else {
        delete child;
    }
}

bool CContainerUI::RemoveItem(CControlUI* control) {
    const int index = items_.Find(control);
    if (index < 0) return false;
    RequestLayout();
    items_.Remove(index);
    Dispose(control);
    return true;
}

bool CContainerUI::RemoveItemAt(int index) {
    CControlUI* control = ItemAt(index);
    return control != nullptr && RemoveItem(control);
}

void CContainerUI::RemoveAllItems() {
    CPtrArrayUI children = items_;
    items_.Empty();
    for (int i = 0; i < children.GetSize(); ++i) Dispose(static_cast<CControlUI*>(children[i]));
    RequestLayout();
}

// ---- Settings ----

RECT CContainerUI::GetInset() const { return Scale(inset_); }

void CContainerUI::SetInset(RECT inset) {
    inset_ = inset;
    RequestLayout();
}

int CContainerUI::GetChildPadding() const { return Scale(childPadding_); }

void CContainerUI::SetChildPadding(int padding) {
    childPadding_ = padding;
    RequestLayout();
}

UINT CContainerUI::GetChildAlign() const { return childAlign_; }

void CContainerUI::SetChildAlign(UINT align) {
    childAlign_ = align;
    RequestLayout();
}

UINT CContainerUI::GetChildVAlign() const { return childVAlign_; }

void CContainerUI::SetChildVAlign(UINT align) {
    childVAlign_ = align;
    RequestLayout();
}

bool CContainerUI::OwnsChildren() const { return ownsChildren_; }
void CContainerUI::SetOwnsChildren(bool owns) { ownsChildren_ = owns; }
bool CContainerUI::DefersChildDeletion() const { return defersChildDeletion_; }
void CContainerUI::SetDefersChildDeletion(bool defers) { defersChildDeletion_ = defers; }
bool CContainerUI::ChildrenTakeMouse() const { return childrenTakeMouse_; }
void CContainerUI::SetChildrenTakeMouse(bool take) { childrenTakeMouse_ = take; }

int CContainerUI::FindSelectableItem(int index, bool forward) const {
    const int count = items_.GetSize();
    if (count == 0) return -1;
    index = Clamp(index, 0, count - 1);
    const auto selectable = [this](int i) {
        CControlUI* item = ItemAt(i);
        return item->QueryControlInterface(L"ListItem") != nullptr && item->IsVisible() && item->IsEnabled();
    };
    if (forward) {
        for (int i = index; i < count; ++i) {
            if (selectable(i)) return i;
        }
        return -1;
    }
    for (int i = index; i >= 0; --i) {
        if (selectable(i)) return i;
    }
    return FindSelectableItem(0, true);
}

// ---- Geometry ----

RECT CContainerUI::ClientRect() const {
    const RECT inset = GetInset();
    RECT rc = {item_.left + inset.left, item_.top + inset.top, item_.right - inset.right, item_.bottom - inset.bottom};
    if (IsBarVisible(verticalBar_)) rc.right -= verticalBar_->GetFixedWidth();
    if (IsBarVisible(horizontalBar_)) rc.bottom -= horizontalBar_->GetFixedHeight();
    return rc;
}

RECT CContainerUI::GetContentRect() {
    const RECT inset = GetInset();
    RECT rc = {item_.left + inset.left, item_.top + inset.top, item_.right - inset.right, item_.bottom - inset.bottom};
    if (IsBarVisible(verticalBar_)) {
        rc.top -= verticalBar_->GetScrollPos();
        rc.bottom += verticalBar_->GetScrollRange();
        rc.right -= verticalBar_->GetFixedWidth();
    }
    if (IsBarVisible(horizontalBar_)) {
        rc.left -= horizontalBar_->GetScrollPos();
        rc.right += horizontalBar_->GetScrollRange();
        rc.bottom -= horizontalBar_->GetFixedHeight();
    }
    return rc;
}

void CContainerUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    if (items_.GetSize() == 0) return;
    const RECT inset = GetInset();
    RECT rc = {item_.left + inset.left, item_.top + inset.top, item_.right - inset.right, item_.bottom - inset.bottom};
    if (IsBarVisible(verticalBar_)) {
        rc.top -= verticalBar_->GetScrollPos();
        rc.right -= verticalBar_->GetFixedWidth();
        rc.bottom += verticalBar_->GetScrollRange() - verticalBar_->GetScrollPos();
    }
    if (IsBarVisible(horizontalBar_)) {
        rc.left -= horizontalBar_->GetScrollPos();
        rc.bottom -= horizontalBar_->GetFixedHeight();
        rc.right += horizontalBar_->GetScrollRange() - horizontalBar_->GetScrollPos();
    }
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        const int width = Clamp(rc.right - rc.left, child->GetMinWidth(), child->GetMaxWidth());
        const int height = Clamp(rc.bottom - rc.top, child->GetMinHeight(), child->GetMaxHeight());
        child->SetPosition({rc.left, rc.top, rc.left + width, rc.top + height}, false);
    }
}

void CContainerUI::PlaceFloatingChild(int index) {
    CControlUI* child = ItemAt(index);
    if (child == nullptr || !child->IsVisible() || !child->IsFloat()) return;
    const int width = item_.right - item_.left, height = item_.bottom - item_.top;
    const SIZE offset = child->GetFixedOffset();
    const int w = child->GetFixedWidth(), h = child->GetFixedHeight();
    const UINT align = child->GetFloatAlign();
    RECT rect;
    if (align != 0) {
        const int x = (align & DT_CENTER) ? (width - w) / 2 : (align & DT_RIGHT) ? width - w : offset.cx;
        const int y = (align & DT_VCENTER) ? (height - h) / 2 : (align & DT_BOTTOM) ? height - h : offset.cy;
        rect = {item_.left + x, item_.top + y, item_.left + x + w, item_.top + y + h};
    } else {
        const TFloatRatios ratios = child->GetFloatRatios();
        const LONG bx = offset.cx >= 0 ? item_.left : item_.right;
        const LONG by = offset.cy >= 0 ? item_.top : item_.bottom;
        rect.left = bx + offset.cx + static_cast<LONG>(std::trunc(width * ratios.left));
        rect.right = bx + offset.cx + static_cast<LONG>(std::trunc(width * ratios.right)) + w;
        rect.top = by + offset.cy + static_cast<LONG>(std::trunc(height * ratios.top));
        rect.bottom = by + offset.cy + static_cast<LONG>(std::trunc(height * ratios.bottom)) + h;
    }
    child->SetPosition(rect, false);
}

void CContainerUI::MoveBy(int dx, int dy, bool invalidate) {
    CControlUI::MoveBy(dx, dy, invalidate);
    for (CScrollBarUI* bar : {verticalBar_, horizontalBar_}) {
        if (IsBarVisible(bar)) bar->MoveBy(dx, dy, false);
    }
    for (int i = 0; i < items_.GetSize(); ++i) {
        if (ItemAt(i)->IsVisible()) ItemAt(i)->MoveBy(dx, dy, false);
    }
}

// ---- Visibility and state ----

void CContainerUI::SetVisible(bool visible) {
    if (visible_ == visible) return;
    CControlUI::SetVisible(visible);
    for (int i = 0; i < items_.GetSize(); ++i) ItemAt(i)->SetInheritedVisible(IsVisible());
}

void CContainerUI::SetInheritedVisible(bool visible) {
    CControlUI::SetInheritedVisible(visible);
    for (int i = 0; i < items_.GetSize(); ++i) ItemAt(i)->SetInheritedVisible(IsVisible());
}

void CContainerUI::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    for (int i = 0; i < items_.GetSize(); ++i) ItemAt(i)->SetEnabled(enabled);
    RequestRepaint();
}

void CContainerUI::SetMouseEnabled(bool enabled) {
    for (CScrollBarUI* bar : {verticalBar_, horizontalBar_}) {
        if (bar != nullptr) bar->SetMouseEnabled(enabled);
    }
    CControlUI::SetMouseEnabled(enabled);
}

// ---- Attributes ----

void CContainerUI::ApplyBarStyle(CScrollBarUI* bar, const wchar_t* value) {
    if (bar == nullptr) return;
    const wchar_t* style = manager_ != nullptr ? manager_->StyleDefinition(value) : nullptr;
    bar->ApplyAttributeString(style != nullptr ? style : value);
}

void CContainerUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    const auto is = [name](const wchar_t* expected) { return Platform::EqualsIgnoringAsciiCase(name, expected); };
    if (is(L"inset")) {
        SetInset(ParseRect(value));
    } else if (is(L"mousechild")) {
        SetChildrenTakeMouse(ParseBool(value));
    } else if (is(L"vscrollbar")) {
        EnableScrollBars(ParseBool(value), horizontalBar_ != nullptr);
    } else if (is(L"hscrollbar")) {
        EnableScrollBars(verticalBar_ != nullptr, ParseBool(value));
    } else if (is(L"vscrollbarstyle")) {
        verticalBarStyle_ = value;
        EnableScrollBars(true, horizontalBar_ != nullptr);
        ApplyBarStyle(verticalBar_, value);
    } else if (is(L"hscrollbarstyle")) {
        horizontalBarStyle_ = value;
        EnableScrollBars(verticalBar_ != nullptr, true);
        ApplyBarStyle(horizontalBar_, value);
    } else if (is(L"childpadding")) {
        SetChildPadding(ParseInt(value));
    } else if (std::wcscmp(name, L"childalign") == 0) {
        if (std::wcscmp(value, L"left") == 0) childAlign_ = 0;
        else if (std::wcscmp(value, L"center") == 0) childAlign_ = 1;
        else if (std::wcscmp(value, L"right") == 0) childAlign_ = 2;
    } else if (std::wcscmp(name, L"childvalign") == 0) {
        if (std::wcscmp(value, L"top") == 0) childVAlign_ = 0;
        else if (std::wcscmp(value, L"vcenter") == 0) childVAlign_ = 4;
        else if (std::wcscmp(value, L"bottom") == 0) childVAlign_ = 8;
    } else if (is(L"scrollstepsize")) {
        const int step = ParseInt(value);
        if (step > 0) scrollStep_ = step;
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

// ---- Scroll bars and scrolling ----

CScrollBarUI* CContainerUI::GetVScrollBar() const { return verticalBar_; }
CScrollBarUI* CContainerUI::GetHScrollBar() const { return horizontalBar_; }

void CContainerUI::EnableScrollBars(bool vertical, bool horizontal) {
    const auto enable = [this](CScrollBarUI*& bar, bool on, bool isHorizontal, const wchar_t* className) {
        if (!on) {
            delete bar;
            bar = nullptr;
            return;
        }
        if (bar != nullptr) return;
        bar = new CScrollBarUI;
        bar->SetHorizontal(isHorizontal);
        bar->SetOwner(this);
        bar->AttachToManager(manager_, nullptr, false);
        if (manager_ != nullptr) {
            if (const wchar_t* defaults = manager_->DefaultAttributesFor(className)) bar->ApplyAttributeString(defaults);
        }
    };
    enable(verticalBar_, vertical, false, L"VScrollBar");
    enable(horizontalBar_, horizontal, true, L"HScrollBar");
    RequestLayout();
}

SIZE CContainerUI::GetScrollOffset() const {
    return SIZE{IsBarVisible(horizontalBar_) ? horizontalBar_->GetScrollPos() : 0,
                IsBarVisible(verticalBar_) ? verticalBar_->GetScrollPos() : 0};
}

SIZE CContainerUI::GetScrollExtent() const {
    return SIZE{IsBarVisible(horizontalBar_) ? horizontalBar_->GetScrollRange() : 0,
                IsBarVisible(verticalBar_) ? verticalBar_->GetScrollRange() : 0};
}

void CContainerUI::SetScrollOffset(SIZE offset, bool notify) {
    int dx = 0, dy = 0;
    if (IsBarVisible(verticalBar_)) {
        const int before = verticalBar_->GetScrollPos();
        verticalBar_->SetScrollPos(offset.cy);
        dy = verticalBar_->GetScrollPos() - before;
    }
    if (IsBarVisible(horizontalBar_)) {
        const int before = horizontalBar_->GetScrollPos();
        horizontalBar_->SetScrollPos(offset.cx);
        dx = horizontalBar_->GetScrollPos() - before;
    }
    if (dx == 0 && dy == 0) return;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        RECT position = child->GetPosition();
        OffsetRect(&position, -dx, -dy);
        child->SetPosition(position, true);
    }
    RequestRepaint();
    if (notify && verticalBar_ != nullptr && manager_ != nullptr) {
        const int line = verticalBar_->GetLineSize();
        manager_->SendNotify(this, L"scroll", static_cast<WPARAM>((verticalBar_->GetScrollPos() + line) / line), 0);
    }
}

void CContainerUI::SetScrollStep(int step) { scrollStep_ = step; }
int CContainerUI::GetScrollStep() const { return Scale(scrollStep_); }

int CContainerUI::VerticalLineStep() const {
    if (GetScrollStep() != 0) return GetScrollStep();
    return manager_ != nullptr ? manager_->DefaultFontInfo()->metrics.tmHeight + 8 : 8;
}

void CContainerUI::ScrollLineUp() {
    SIZE offset = GetScrollOffset();
    offset.cy -= VerticalLineStep();
    SetScrollOffset(offset);
}

void CContainerUI::ScrollLineDown() {
    SIZE offset = GetScrollOffset();
    offset.cy += VerticalLineStep();
    SetScrollOffset(offset);
}

void CContainerUI::ScrollPageUp() {
    SIZE offset = GetScrollOffset();
    offset.cy -= ClientRect().bottom - ClientRect().top;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollPageDown() {
    SIZE offset = GetScrollOffset();
    offset.cy += ClientRect().bottom - ClientRect().top;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollToTop() {
    SIZE offset = GetScrollOffset();
    offset.cy = 0;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollToBottom() {
    if (manager_ != nullptr && manager_->GetPaintWindow() != nullptr) UpdateWindow(manager_->GetPaintWindow());
    SIZE offset = GetScrollOffset();
    offset.cy = GetScrollExtent().cy;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollLineLeft() {
    SIZE offset = GetScrollOffset();
    offset.cx -= GetScrollStep() != 0 ? GetScrollStep() : 8;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollLineRight() {
    SIZE offset = GetScrollOffset();
    offset.cx += GetScrollStep() != 0 ? GetScrollStep() : 8;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollPageLeft() {
    SIZE offset = GetScrollOffset();
    offset.cx -= ClientRect().right - ClientRect().left;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollPageRight() {
    SIZE offset = GetScrollOffset();
    offset.cx += ClientRect().right - ClientRect().left;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollToLeftEnd() {
    SIZE offset = GetScrollOffset();
    offset.cx = 0;
    SetScrollOffset(offset);
}

void CContainerUI::ScrollToRightEnd() {
    if (manager_ != nullptr && manager_->GetPaintWindow() != nullptr) UpdateWindow(manager_->GetPaintWindow());
    SIZE offset = GetScrollOffset();
    offset.cx = GetScrollExtent().cx;
    SetScrollOffset(offset);
}

void CContainerUI::UpdateOneBar(CScrollBarUI* bar, int overflow, RECT placement) {
    if (bar == nullptr) return;
    if (overflow > 0 && !bar->IsVisible()) {
        bar->SetVisible(true);
        bar->SetScrollRange(overflow);
        bar->SetScrollPos(0);
        SetPosition(item_, true);
        return;
    }
    if (!bar->IsVisible()) return;
    if (overflow > 0) {
        bar->SetPosition(placement, true);
        if (bar->GetScrollRange() != overflow) {
            const int before = bar->GetScrollPos();
            bar->SetScrollRange(std::abs(overflow));
            if (bar->GetScrollPos() < before) SetPosition(item_, true);
        }
        return;
    }
    bar->SetVisible(false);
    bar->SetScrollPos(0);
    bar->SetScrollRange(0);
    SetPosition(item_, true);
}

void CContainerUI::UpdateScrollBars(RECT rect, int requiredWidth, int requiredHeight) {
    if (horizontalBar_ != nullptr) {
        UpdateOneBar(horizontalBar_, requiredWidth - (rect.right - rect.left),
                     {rect.left, rect.bottom, rect.right, rect.bottom + horizontalBar_->GetFixedHeight()});
    }
    if (verticalBar_ != nullptr) {
        UpdateOneBar(verticalBar_, requiredHeight - (rect.bottom - rect.top),
                     {rect.right, rect.top, rect.right + verticalBar_->GetFixedWidth(), rect.bottom});
    }
}

// ---- Events ----

void CContainerUI::HandleEvent(TInputEventUI& event) {
    if (!mouseEnabled_ && event.type >= EventMouseMove && event.type <= EventScrollWheel) {
        if (parent_ != nullptr) {
            parent_->HandleEvent(event);
        } else {
            CControlUI::HandleEvent(event);
        }
        return;
    }
    if (event.type == EventSetFocus || event.type == EventKillFocus) {
        focused_ = event.type == EventSetFocus;
        return;
    }
    const bool vertical = IsBarVisible(verticalBar_) && verticalBar_->IsEnabled();
    const bool horizontal = !vertical && IsBarVisible(horizontalBar_) && horizontalBar_->IsEnabled();
    if (vertical || horizontal) {
        if (event.type == EventKeyDown) {
            switch (event.keyChar) {
            case VK_PRIOR: vertical ? ScrollPageUp() : ScrollPageLeft(); return;
            case VK_NEXT: vertical ? ScrollPageDown() : ScrollPageRight(); return;
            case VK_END: vertical ? ScrollToBottom() : ScrollToRightEnd(); return;
            case VK_HOME: vertical ? ScrollToTop() : ScrollToLeftEnd(); return;
            case VK_UP: vertical ? ScrollLineUp() : ScrollLineLeft(); return;
            case VK_DOWN: vertical ? ScrollLineDown() : ScrollLineRight(); return;
            default: break;
            }
        } else if (event.type == EventScrollWheel) {
            const WORD code = LOWORD(event.wParam);
            if (code == SB_LINEUP) {
                vertical ? ScrollLineUp() : ScrollLineLeft();
                return;
            }
            if (code == SB_LINEDOWN) {
                vertical ? ScrollLineDown() : ScrollLineRight();
                return;
            }
        }
    }
    CControlUI::HandleEvent(event);
}

// ---- Searching and painting ----

CControlUI* CContainerUI::LocateControl(FindControlProc callback, void* data, UINT flags) {
    if ((flags & FindVisible) && !IsVisible()) return nullptr;
    if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
    const auto* point = static_cast<const POINT*>(data);
    if ((flags & FindHitTest) && !PtInRect(&item_, *point)) return nullptr;
    if ((flags & FindUpdateTest) && callback(this, data) != nullptr) return nullptr;
    const UINT selfFlags = mouseEnabled_ ? flags : flags & ~FindHitTest;
    const auto testSelf = [&]() -> CControlUI* {
        if ((selfFlags & FindHitTest) && !PtInRect(&item_, *point)) return nullptr;
        return callback(this, data);
    };
    if (flags & FindMeFirst) {
        if (CControlUI* found = testSelf()) return found;
    }
    for (CScrollBarUI* bar : {verticalBar_, horizontalBar_}) {
        if (bar == nullptr) continue;
        if (CControlUI* found = bar->LocateControl(callback, data, selfFlags)) return found;
    }
    const UINT childFlags = childrenTakeMouse_ ? flags : flags & ~FindHitTest;
    const RECT client = ClientRect();
    const int count = items_.GetSize();
    for (int k = 0; k < count; ++k) {
        CControlUI* child = ItemAt((flags & FindTopFirst) ? count - 1 - k : k);
        CControlUI* found = child->LocateControl(callback, data, childFlags);
        if (found == nullptr) continue;
        if (!(flags & FindHitTest) || found->IsFloat() || PtInRect(&client, *point)) return found;
    }
    if (!(flags & FindMeFirst)) return testSelf();
    return nullptr;
}

bool CContainerUI::PaintContent(HDC dc, const RECT& area, CControlUI* stop) {
    RECT visible;
    if (!IntersectRect(&visible, &area, &item_)) return true;
    CSkinClip clip;
    CSkinRender::ClipToRect(dc, visible, clip);
    CControlUI::PaintContent(dc, visible, stop);
    if (items_.GetSize() > 0) {
        const RECT client = ClientRect();
        RECT inside;
        const bool clientMet = IntersectRect(&inside, &area, &client) != FALSE;
        CSkinClip childClip;
        if (clientMet) CSkinRender::ClipToRect(dc, inside, childClip);
        for (int i = 0; i < items_.GetSize(); ++i) {
            CControlUI* child = ItemAt(i);
            if (child == stop) return false;
            if (!child->IsVisible() || !Meets(area, child->GetPosition())) continue;
            if (child->IsFloat()) {
                if (!Meets(item_, child->GetPosition())) continue;
                if (clientMet) CSkinRender::UseOldClipBegin(dc, childClip);
                const bool painted = child->Paint(dc, area, stop);
                if (clientMet) CSkinRender::UseOldClipEnd(dc, childClip);
                if (!painted) return false;
            } else if (clientMet && Meets(client, child->GetPosition())) {
                if (!child->Paint(dc, area, stop)) return false;
            }
        }
    }
    bool result = true;
    for (CScrollBarUI* bar : {verticalBar_, horizontalBar_}) {
        if (!IsBarVisible(bar)) continue;
        if (bar == stop) return false;
        if (Meets(area, bar->GetPosition())) result = bar->Paint(dc, area, stop);
    }
    return result;
}

}  // namespace Tovik
