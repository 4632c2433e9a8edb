// Separator dragging for the stacking layouts.
#include "ui/controls/layout_splitter.h"

#include <algorithm>

#include "ui/controls/control_ui.h"
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

void LayoutSplitter::SetImmediate(CControlUI& layout, bool immediate) {
    immediate_ = immediate;
    if (immediate && dragging_ && layout.GetPaintManager() != nullptr) layout.GetPaintManager()->RemovePostPaint(&layout);
}

// The dragged edge follows the mouse while the mouse is on its side of the band; the size stays
// within the layout's limits and becomes its fixed size.
void LayoutSplitter::Drag(CControlUI& layout, POINT point) {
    const LONG coordinate = vertical_ ? point.y : point.x;
    const LONG d = coordinate - (vertical_ ? last_.y : last_.x);
    last_ = point;
    LONG& nearEdge = vertical_ ? newRect_.top : newRect_.left;
    LONG& farEdge = vertical_ ? newRect_.bottom : newRect_.right;
    const RECT before = newRect_;
    if (size_ >= 0) {
        if ((d > 0 && coordinate < farEdge - size_) || (d < 0 && coordinate > farEdge)) return;
        farEdge += d;
    } else {
        if ((d > 0 && coordinate < nearEdge) || (d < 0 && coordinate > nearEdge - size_)) return;
        nearEdge += d;
    }
    const auto extent = [this](const RECT& r) { return vertical_ ? r.bottom - r.top : r.right - r.left; };
    const int minimum = vertical_ ? layout.GetMinHeight() : layout.GetMinWidth();
    const int maximum = vertical_ ? layout.GetMaxHeight() : layout.GetMaxWidth();
    const auto setExtent = [&](int value) {
        if (size_ >= 0) {
            farEdge = nearEdge + value;
        } else {
            nearEdge = farEdge - value;
        }
    };
    if (extent(newRect_) <= minimum) {
        if (extent(before) <= minimum) {
            newRect_ = before;
            return;
        }
        setExtent(minimum);
    } else if (extent(newRect_) >= maximum) {
        if (extent(before) >= maximum) {
            newRect_ = before;
            return;
        }
        setExtent(maximum);
    }
    CPaintManagerUI* manager = layout.GetPaintManager();
    const int dragged = extent(newRect_);
    const int stored = manager != nullptr ? manager->GetDpiScaler().Unscale(dragged) : dragged;
    if (vertical_) {
        layout.SetFixedHeight(stored);
    } else {
        layout.SetFixedWidth(stored);
    }
    if (immediate_) {
        layout.SetPosition(newRect_, true);
        layout.RequestParentLayout();
    } else if (manager != nullptr) {
        RECT area = Band(before);
        const RECT now = Band(newRect_), atItem = Band(layout.GetPosition());
        UnionRect(&area, &area, &now);
        UnionRect(&area, &area, &atItem);
        manager->Invalidate(area);
    }
}

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
        SetCursor(LoadCursorW(nullptr, vertical_ ? IDC_SIZENS : IDC_SIZEWE));
        return true;
    default:
        return false;
    }
}

void LayoutSplitter::PaintOverlay(HDC dc) const {
    if (dragging_ && !immediate_) CSkinRender::DrawColor(dc, Band(newRect_), 0xAA000000);
}

}  // namespace Tovik
