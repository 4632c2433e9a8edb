// CContainerUI: child list and item operations, the default (non-stacking) placement, floating
// children, attributes, painting with clips, hit testing and event routing.
#include "ui/controls/container_ui.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <initializer_list>
#include <limits>

#include "support/platform.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

struct AlignWord {
    const wchar_t* word;
    UINT value;
};

// Words match in exact case; an unknown word leaves `field` as it is.
void SetAlignFromWord(UINT& field, const wchar_t* value, std::initializer_list<AlignWord> words) {
    for (const AlignWord& word : words) {
        if (std::wcscmp(value, word.word) == 0) field = word.value;
    }
}

}  // namespace

CContainerUI::~CContainerUI() {
    defersChildDeletion_ = false;
    RemoveAllItems();
}

void* CContainerUI::QueryControlInterface(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    if (std::wcscmp(name, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (Platform::EqualsIgnoringAsciiCase(name, L"Container")) return this;
    return CControlUI::QueryControlInterface(name);
}

void CContainerUI::AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) {
    for (int i = 0; i < items_.GetSize(); ++i) {
        static_cast<CControlUI*>(items_[i])->AttachToManager(manager, this, initialise);
    }
    for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
        if (bar != nullptr) bar->AttachToManager(manager, this, initialise);
    }
    CControlUI::AttachToManager(manager, parent, initialise);
}

// ---- Items ----

CControlUI* CContainerUI::ItemAt(int index) const { return static_cast<CControlUI*>(items_.GetAt(index)); }
int CContainerUI::IndexOfItem(CControlUI* control) const { return items_.Find(control); }
int CContainerUI::ItemCount() const { return items_.GetSize(); }

// An index outside the children changes nothing (the child would be taken out and not put back).
bool CContainerUI::MoveItemTo(CControlUI* control, int index) {
    const int current = items_.Find(control);
    if (current < 0 || index < 0 || index >= items_.GetSize()) return false;
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
        return;
    }
    const std::unique_ptr<CControlUI> removed(child);
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

RECT CContainerUI::InsetRect() const { return Inset(item_, GetInset()); }

RECT CContainerUI::ClientRect() const {
    RECT rc = InsetRect();
    if (IsBarVisible(verticalBar_)) rc.right -= verticalBar_->GetFixedWidth();
    if (IsBarVisible(horizontalBar_)) rc.bottom -= horizontalBar_->GetFixedHeight();
    return rc;
}

// The whole scrolled content: moved back by each visible bar's position and extended by its range.
RECT CContainerUI::GetContentRect() {
    RECT rc = InsetRect();
    if (IsBarVisible(verticalBar_)) {
        rc.top -= verticalBar_->GetBarPosition();
        rc.bottom += verticalBar_->GetBarRange() - verticalBar_->GetBarPosition();
        rc.right -= verticalBar_->GetFixedWidth();
    }
    if (IsBarVisible(horizontalBar_)) {
        rc.left -= horizontalBar_->GetBarPosition();
        rc.right += horizontalBar_->GetBarRange() - horizontalBar_->GetBarPosition();
        rc.bottom -= horizontalBar_->GetFixedHeight();
    }
    return rc;
}

void CContainerUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    if (items_.GetSize() == 0) return;
    const RECT rc = CContainerUI::GetContentRect();
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        const int width = Clamp(Width(rc), child->GetMinWidth(), child->GetMaxWidth());
        const int height = Clamp(Height(rc), child->GetMinHeight(), child->GetMaxHeight());
        child->SetPosition({rc.left, rc.top, rc.left + width, rc.top + height}, false);
    }
}

namespace {

// `ratio` of `size`, truncated; within the int range whatever the markup said (NaN gives 0).
int64_t Share(int64_t size, double ratio) {
    const double share = std::trunc(static_cast<double>(size) * ratio);
    if (std::isnan(share)) return 0;
    return static_cast<int64_t>(
        std::clamp<double>(share, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

RECT RectFrom(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return RECT{ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

}  // namespace

void CContainerUI::PlaceFloatingChild(int index) {
    CControlUI* child = ItemAt(index);
    if (child == nullptr || !child->IsVisible() || !child->IsFloat()) return;
    const int64_t width = Width(item_), height = Height(item_);
    const SIZE offset = child->GetFixedOffset();
    const int64_t w = child->GetFixedWidth(), h = child->GetFixedHeight();
    const UINT align = child->GetFloatAlign();
    if (align != 0) {
        const int64_t x = (align & DT_CENTER) ? (width - w) / 2 : (align & DT_RIGHT) ? width - w : offset.cx;
        const int64_t y = (align & DT_VCENTER) ? (height - h) / 2 : (align & DT_BOTTOM) ? height - h : offset.cy;
        child->SetPosition(RectFrom(item_.left + x, item_.top + y, item_.left + x + w, item_.top + y + h), false);
        return;
    }
    const TFloatRatios ratios = child->GetFloatRatios();
    const int64_t bx = int64_t{offset.cx >= 0 ? item_.left : item_.right} + offset.cx;
    const int64_t by = int64_t{offset.cy >= 0 ? item_.top : item_.bottom} + offset.cy;
    child->SetPosition(RectFrom(bx + Share(width, ratios.left), by + Share(height, ratios.top),
                                bx + Share(width, ratios.right) + w, by + Share(height, ratios.bottom) + h),
                       false);
}

void CContainerUI::MoveBy(int dx, int dy, bool invalidate) {
    CControlUI::MoveBy(dx, dy, invalidate);
    for (const std::unique_ptr<CScrollBarUI>* bar : {&verticalBar_, &horizontalBar_}) {
        if (IsBarVisible(*bar)) (*bar)->MoveBy(dx, dy, false);
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
    for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
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

// "vscrollbarstyle" / "hscrollbarstyle": the bar is created if needed and takes the style (a
// style name or an attribute list).
void CContainerUI::ApplyScrollBarStyle(bool vertical, const wchar_t* value) {
    (vertical ? verticalBarStyle_ : horizontalBarStyle_) = value;
    EnableScrollBars(vertical || verticalBar_ != nullptr, !vertical || horizontalBar_ != nullptr);
    ApplyBarStyle(vertical ? verticalBar_.get() : horizontalBar_.get(), value);
}

// "scrollstepsize": only a positive step is kept.
void CContainerUI::ApplyScrollStepSize(int step) {
    if (step > 0) scrollStep_ = step;
}

// "childalign" and "childvalign" match their names and values in exact case; an unknown value
// changes nothing.
void CContainerUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CContainerUI>;
    static const Row kRows[] = {
        {L"inset", [](CContainerUI& c, const wchar_t* v) { c.SetInset(ParseRect(v)); }},
        {L"mousechild", [](CContainerUI& c, const wchar_t* v) { c.SetChildrenTakeMouse(ParseBool(v)); }},
        {L"vscrollbar",
         [](CContainerUI& c, const wchar_t* v) { c.EnableScrollBars(ParseBool(v), c.horizontalBar_ != nullptr); }},
        {L"hscrollbar",
         [](CContainerUI& c, const wchar_t* v) { c.EnableScrollBars(c.verticalBar_ != nullptr, ParseBool(v)); }},
        {L"vscrollbarstyle", [](CContainerUI& c, const wchar_t* v) { c.ApplyScrollBarStyle(true, v); }},
        {L"hscrollbarstyle", [](CContainerUI& c, const wchar_t* v) { c.ApplyScrollBarStyle(false, v); }},
        {L"childpadding", [](CContainerUI& c, const wchar_t* v) { c.SetChildPadding(ParseInt(v)); }},
        {L"childalign",
         [](CContainerUI& c, const wchar_t* v) {
             SetAlignFromWord(c.childAlign_, v,
                              {{L"left", ChildAlignLeft}, {L"center", ChildAlignCenter}, {L"right", ChildAlignRight}});
         },
         true},
        {L"childvalign",
         [](CContainerUI& c, const wchar_t* v) {
             SetAlignFromWord(
                 c.childVAlign_, v,
                 {{L"top", ChildVAlignTop}, {L"vcenter", ChildVAlignCenter}, {L"bottom", ChildVAlignBottom}});
         },
         true},
        {L"scrollstepsize", [](CContainerUI& c, const wchar_t* v) { c.ApplyScrollStepSize(ParseInt(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CControlUI::SetAttribute(name, value);
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
    if (!ScrollByInput(event)) CControlUI::HandleEvent(event);
}

// Paging, end and arrow keys and the wheel's line codes scroll along the vertical bar when it is
// visible and enabled, else along such a horizontal bar; true when they did.
bool CContainerUI::ScrollByInput(const TInputEventUI& event) {
    const bool vertical = IsBarVisible(verticalBar_) && verticalBar_->IsEnabled();
    const bool horizontal = !vertical && IsBarVisible(horizontalBar_) && horizontalBar_->IsEnabled();
    if (!vertical && !horizontal) return false;
    if (event.type == EventKeyDown) {
        switch (event.keyChar) {
        case VK_PRIOR: vertical ? ScrollPageUp() : ScrollPageLeft(); return true;
        case VK_NEXT: vertical ? ScrollPageDown() : ScrollPageRight(); return true;
        case VK_END: vertical ? ScrollToBottom() : ScrollToRightEnd(); return true;
        case VK_HOME: vertical ? ScrollToTop() : ScrollToLeftEnd(); return true;
        case VK_UP: vertical ? ScrollLineUp() : ScrollLineLeft(); return true;
        case VK_DOWN: vertical ? ScrollLineDown() : ScrollLineRight(); return true;
        default: return false;
        }
    }
    if (event.type != EventScrollWheel) return false;
    const WORD code = LOWORD(event.wParam);
    if (code == SB_LINEUP) {
        vertical ? ScrollLineUp() : ScrollLineLeft();
    } else if (code == SB_LINEDOWN) {
        vertical ? ScrollLineDown() : ScrollLineRight();
    } else {
        return false;
    }
    return true;
}

// ---- Searching and painting ----

// Under a hit test, a container that is not mouse enabled is never the hit itself (nor are its
// bars), and with children that do not take the mouse no child is.
CControlUI* CContainerUI::LocateControl(FindControlProc callback, void* data, UINT flags) {
    if ((flags & FindVisible) && !IsVisible()) return nullptr;
    if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
    const auto* point = static_cast<const POINT*>(data);
    const bool hitTest = (flags & FindHitTest) != 0;
    if (hitTest && !PtInRect(&item_, *point)) return nullptr;
    if ((flags & FindUpdateTest) && callback(this, data) != nullptr) return nullptr;
    const bool selfCounts = !hitTest || mouseEnabled_;
    if ((flags & FindMeFirst) && selfCounts) {
        if (CControlUI* found = callback(this, data)) return found;
    }
    if (selfCounts) {
        for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
            if (bar == nullptr) continue;
            if (CControlUI* found = bar->LocateControl(callback, data, flags)) return found;
        }
    }
    if (!hitTest || childrenTakeMouse_) {
        if (CControlUI* found = LocateChild(callback, data, flags)) return found;
    }
    if (!(flags & FindMeFirst) && selfCounts) return callback(this, data);
    return nullptr;
}

// Children in order (reversed with FindTopFirst); under a hit test a non-floating child's result
// counts only when the point lies in the client rectangle.
CControlUI* CContainerUI::LocateChild(FindControlProc callback, void* data, UINT flags) {
    const RECT client = ClientRect();
    const auto* point = static_cast<const POINT*>(data);
    const int count = items_.GetSize();
    for (int k = 0; k < count; ++k) {
        CControlUI* child = ItemAt((flags & FindTopFirst) ? count - 1 - k : k);
        CControlUI* found = child->LocateControl(callback, data, flags);
        if (found == nullptr) continue;
        if (!(flags & FindHitTest) || found->IsFloat() || PtInRect(&client, *point)) return found;
    }
    return nullptr;
}

bool CContainerUI::PaintContent(HDC dc, const RECT& area, CControlUI* stop) {
    RECT visible;
    if (!IntersectRect(&visible, &area, &item_)) return true;
    CSkinClip clip;
    CSkinRender::ClipToRect(dc, visible, clip);
    CControlUI::PaintContent(dc, visible, stop);
    if (items_.GetSize() > 0 && !PaintChildren(dc, area, stop)) return false;
    return PaintBars(dc, area, stop);
}

// Children are clipped to the client area, floating ones only to the container.
bool CContainerUI::PaintChildren(HDC dc, const RECT& area, CControlUI* stop) {
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
            const ScopedOldClip containerClip(dc, clientMet ? &childClip : nullptr);
            if (!child->Paint(dc, area, stop)) return false;
        } else if (clientMet && Meets(client, child->GetPosition())) {
            if (!child->Paint(dc, area, stop)) return false;
        }
    }
    return true;
}

bool CContainerUI::PaintBars(HDC dc, const RECT& area, CControlUI* stop) {
    bool result = true;
    for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
        if (bar == nullptr || !bar->IsVisible()) continue;
        if (bar == stop) return false;
        if (Meets(area, bar->GetPosition())) result = bar->Paint(dc, area, stop);
    }
    return result;
}

}  // namespace Tovik
