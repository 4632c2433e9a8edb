// Separator dragging for the stacking layouts: the band, the event state machine and the three
// steps of a drag (move the edge, clamp to the limits, apply).
#include "ui/controls/layout_splitter.h"

#include <algorithm>

#include "support/platform.h"
#include "ui/controls/control_ui.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {

RECT LayoutSplitter::Band(const RECT& r) const {
    if (vertical_) {
        return size_ > 0 ? RECT{r.left, std::max<LONG>(r.bottom - size_, r.top), r.right, r.bottom}
                         : RECT{r.left, r.top, r.right, std::min<LONG>(r.top - size_, r.bottom)};
    }
    return size_ > 0 ? RECT{r.right - size_, r.top, r.right, r.bottom} : RECT{r.left, r.top, r.left - size_, r.bottom};
}

UINT LayoutSplitter::GetInputFlags(const CControlUI& layout) const {
    return layout.IsEnabled() && size_ != 0 ? FlagSetCursor : 0;
}

bool LayoutSplitter::ApplyAttribute(CControlUI& layout, const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return false;
    if (Platform::EqualsIgnoringAsciiCase(name, vertical_ ? L"sepheight" : L"sepwidth")) {
        SetSize(ParseInt(value));
    } else if (Platform::EqualsIgnoringAsciiCase(name, L"sepimm")) {
        SetImmediate(layout, ParseBool(value));
    } else {
        return false;
    }
    return true;
}

void LayoutSplitter::SetImmediate(CControlUI& layout, bool immediate) {
    immediate_ = immediate;
    if (immediate && dragging_ && layout.GetPaintManager() != nullptr) {
        layout.GetPaintManager()->RemovePostPaint(&layout);
    }
}

int LayoutSplitter::Extent(const RECT& r) const { return vertical_ ? r.bottom - r.top : r.right - r.left; }

// The dragged edge follows the mouse while the mouse is on its side of the band; false when it
// stays where it is.
bool LayoutSplitter::MoveEdge(POINT point) {
    const LONG coordinate = vertical_ ? point.y : point.x;
    const LONG d = coordinate - (vertical_ ? last_.y : last_.x);
    last_ = point;
    LONG& nearEdge = vertical_ ? newRect_.top : newRect_.left;
    LONG& farEdge = vertical_ ? newRect_.bottom : newRect_.right;
    if (size_ >= 0) {
        if ((d > 0 && coordinate < farEdge - size_) || (d < 0 && coordinate > farEdge)) return false;
        farEdge += d;
    } else {
        if ((d > 0 && coordinate < nearEdge) || (d < 0 && coordinate > nearEdge - size_)) return false;
        nearEdge += d;
    }
    return true;
}

// Keeps the new size within the layout's limits; false (and the rectangle of before) when the
// size was already at the limit it crosses.
bool LayoutSplitter::ClampToLimits(const CControlUI& layout, const RECT& before) {
    const int minimum = vertical_ ? layout.GetMinHeight() : layout.GetMinWidth();
    const int maximum = vertical_ ? layout.GetMaxHeight() : layout.GetMaxWidth();
    int limit;
    if (Extent(newRect_) <= minimum) {
        limit = minimum;
    } else if (Extent(newRect_) >= maximum) {
        limit = maximum;
    } else {
        return true;
    }
    if (limit == minimum ? Extent(before) <= minimum : Extent(before) >= maximum) {
        newRect_ = before;
        return false;
    }
    LONG& nearEdge = vertical_ ? newRect_.top : newRect_.left;
    LONG& farEdge = vertical_ ? newRect_.bottom : newRect_.right;
    if (size_ >= 0) {
        farEdge = nearEdge + limit;
    } else {
        nearEdge = farEdge - limit;
    }
    return true;
}

// The dragged size becomes the layout's fixed size. Live, the layout moves and its parent is laid
// out now; otherwise the size is only stored and the overlay's bands repainted, and the parent is
// laid out once, at the button-up.
void LayoutSplitter::Apply(CControlUI& layout, const RECT& before) const {
    CPaintManagerUI* manager = layout.GetPaintManager();
    const int dragged = Extent(newRect_);
    const int stored = manager != nullptr ? manager->GetDpiScaler().Unscale(dragged) : dragged;
    if (immediate_) {
        if (vertical_) {
            layout.SetFixedHeight(stored);
        } else {
            layout.SetFixedWidth(stored);
        }
        layout.SetPosition(newRect_, true);
        layout.RequestParentLayout();
        return;
    }
    if (vertical_) {
        layout.StoreFixedHeight(stored);
    } else {
        layout.StoreFixedWidth(stored);
    }
    if (manager != nullptr) {
        RECT area = Band(before);
        const RECT now = Band(newRect_), atItem = Band(layout.GetPosition());
        UnionRect(&area, &area, &now);
        UnionRect(&area, &area, &atItem);
        manager->Invalidate(area);
    }
}

void LayoutSplitter::Drag(CControlUI& layout, POINT point) {
    const RECT before = newRect_;
    if (MoveEdge(point) && ClampToLimits(layout, before)) Apply(layout, before);
}

// State × event → next state and action; an event no line names is not the splitter's (false),
// and a splitter of size 0 takes no event at all. The band is the dragged one while dragging.
//   state     event                                  next      action
//   any       button down on the band, enabled       dragging  remember the point and the layout's
//                                                              rectangle; register the overlay
//                                                              unless live (again if dragging)
//   any       button down off the band, or disabled  same      not taken
//   idle      mouse move                             idle      not taken
//   dragging  mouse move                             dragging  Drag: move the edge, clamp, apply
//   idle      button up                              idle      not taken
//   dragging  button up                              idle      drop the overlay; the layout takes
//                                                              the dragged rectangle
//   any       set cursor on the band, enabled        same      the resize cursor
bool LayoutSplitter::HandleEvent(CControlUI& layout, const TInputEventUI& event) {
    if (size_ == 0) return false;
    const RECT band = Band(dragging_ ? newRect_ : layout.GetPosition());
    CPaintManagerUI* manager = layout.GetPaintManager();
    switch (event.type) {
    case EventButtonDown:
        if (!layout.IsEnabled() || !PtInRect(&band, event.mouse)) return false;
        dragging_ = true;
        last_ = event.mouse;
        newRect_ = layout.GetPosition();
        if (!immediate_ && manager != nullptr) manager->AddPostPaint(&layout);
        return true;
    case EventMouseMove:
        if (!dragging_) return false;
        Drag(layout, event.mouse);
        return true;
    case EventButtonUp:
        if (!dragging_) return false;
        dragging_ = false;
        if (!immediate_ && manager != nullptr) manager->RemovePostPaint(&layout);
        layout.SetPosition(newRect_, true);
        layout.RequestParentLayout();
        return true;
    case EventSetCursor:
        if (!layout.IsEnabled() || !PtInRect(&band, event.mouse)) return false;
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(vertical_ ? CursorSizeNs : CursorSizeWe)));
        return true;
    default: return false;
    }
}

void LayoutSplitter::PaintOverlay(HDC dc) const {
    if (dragging_ && !immediate_) CSkinRender::DrawColor(dc, Band(newRect_), 0xAA000000);
}

}  // namespace Tovik
