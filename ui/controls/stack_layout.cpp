// The stacking layout shared by the vertical and the horizontal layout, written once over an axis:
// "main" is the stacking direction, "cross" the other one. Two passes: measuring (fixed sizes,
// adjustable children, needed extent) and placing (adjustable children share what is left, the
// last one takes the remainder). Where the two layouts differ by their own rules, the axis says so.
#include <algorithm>

#include "ui/controls/container_ui.h"

namespace Tovik {
namespace {

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

int FixedOrMax(int fixed, int maximum) { return fixed > 0 ? fixed : maximum; }

// Reads and builds geometry along the main and cross directions.
struct Axis {
    bool vertical;

    LONG MainStart(const RECT& r) const { return vertical ? r.top : r.left; }
    LONG MainEnd(const RECT& r) const { return vertical ? r.bottom : r.right; }
    LONG CrossStart(const RECT& r) const { return vertical ? r.left : r.top; }
    LONG CrossEnd(const RECT& r) const { return vertical ? r.right : r.bottom; }
    LONG Main(const SIZE& s) const { return vertical ? s.cy : s.cx; }
    LONG Cross(const SIZE& s) const { return vertical ? s.cx : s.cy; }
    SIZE Size(LONG main, LONG cross) const { return vertical ? SIZE{cross, main} : SIZE{main, cross}; }
    RECT Rect(LONG mainStart, LONG mainSize, LONG crossStart, LONG crossSize) const {
        return vertical ? RECT{crossStart, mainStart, crossStart + crossSize, mainStart + mainSize}
                        : RECT{mainStart, crossStart, mainStart + mainSize, crossStart + crossSize};
    }

    int MainFixed(const CControlUI& c) const { return vertical ? c.GetFixedHeight() : c.GetFixedWidth(); }
    int MainMin(const CControlUI& c) const { return vertical ? c.GetMinHeight() : c.GetMinWidth(); }
    int MainMax(const CControlUI& c) const { return vertical ? c.GetMaxHeight() : c.GetMaxWidth(); }
    int CrossFixed(const CControlUI& c) const { return vertical ? c.GetFixedWidth() : c.GetFixedHeight(); }
    int CrossMin(const CControlUI& c) const { return vertical ? c.GetMinWidth() : c.GetMinHeight(); }
    int CrossMax(const CControlUI& c) const { return vertical ? c.GetMaxWidth() : c.GetMaxHeight(); }

    // The limits a child is measured within, given the room left along the main direction.
    SIZE Limit(const CControlUI& c, const RECT& pad, int mainRoom, int crossAvailable) const {
        return Size(std::min(mainRoom, FixedOrMax(MainFixed(c), MainMax(c))),
                    std::min<int>(crossAvailable - CrossStart(pad) - CrossEnd(pad), FixedOrMax(CrossFixed(c), CrossMax(c))));
    }
};

// The size across the stacking direction. A vertical layout fills with a child that measured no
// width; a horizontal one takes the child's maximum height (0 meaning fill) whatever it measured.
int CrossSize(const Axis& axis, const CControlUI& child, const RECT& pad, LONG measured, LONG limit, int available) {
    const int fill = available - axis.CrossStart(pad) - axis.CrossEnd(pad);
    if (axis.vertical) {
        const int width = measured > 0 ? measured : fill;
        return std::max(std::min<int>(width, limit), child.GetMinWidth());
    }
    int height = child.GetMaxHeight();
    if (height == 0) height = fill;
    height = std::min({std::max(height, 0), fill, FixedOrMax(child.GetFixedHeight(), child.GetMaxHeight())});
    return std::max(height, child.GetMinHeight());
}

}  // namespace

void CContainerUI::StackChildren(bool vertical) {
    const Axis axis{vertical};
    const RECT rc = ClientRect();
    if (items_.GetSize() == 0) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    CScrollBarUI* mainBar = IsBarVisible(vertical ? verticalBar_ : horizontalBar_) ? (vertical ? verticalBar_ : horizontalBar_) : nullptr;
    CScrollBarUI* crossBar = IsBarVisible(vertical ? horizontalBar_ : verticalBar_) ? (vertical ? horizontalBar_ : verticalBar_) : nullptr;
    const UINT mainAlign = vertical ? childVAlign_ : childAlign_;
    const UINT crossAlign = vertical ? childAlign_ : childVAlign_;
    const bool mainCentre = vertical ? mainAlign == 4 : mainAlign == 1, mainEnd = vertical ? mainAlign == 8 : mainAlign == 2;
    const bool crossCentre = vertical ? crossAlign == 1 : crossAlign == 4, crossEnd = vertical ? crossAlign == 2 : crossAlign == 8;
    const int gap = GetChildPadding();
    // Only the vertical layout counts its own bar's range into the room along its direction.
    const int mainAvailable = axis.MainEnd(rc) - axis.MainStart(rc) + (vertical && mainBar ? mainBar->GetScrollRange() : 0);
    const int crossAvailable = axis.CrossEnd(rc) - axis.CrossStart(rc) + (crossBar ? crossBar->GetScrollRange() : 0);

    // Measuring pass.
    int children = 0, adjustable = 0, fixedTotal = 0, neededAcross = 0;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        const RECT pad = child->GetPadding();
        const SIZE measured = child->MeasureSize(axis.Limit(*child, pad, mainAvailable, crossAvailable));
        int main = axis.Main(measured);
        if (main == 0) {
            ++adjustable;
        } else {
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
        }
        fixedTotal += axis.MainStart(pad) + main + axis.MainEnd(pad);
        const int cross = Clamp(std::max<int>(axis.Cross(measured), 0), axis.CrossMin(*child), axis.CrossMax(*child));
        neededAcross = std::max<int>(neededAcross, cross + axis.CrossStart(pad) + axis.CrossEnd(pad));
        ++children;
    }
    const int gaps = children > 0 ? (children - 1) * gap : 0;
    fixedTotal += gaps;
    const int expand = adjustable > 0 ? std::max(0, (mainAvailable - fixedTotal) / adjustable) : 0;

    // Placing pass.
    int position = axis.MainStart(rc);
    if (mainBar != nullptr) {
        position -= mainBar->GetScrollPos();
    } else if (adjustable == 0) {
        if (mainCentre) position += (mainAvailable - fixedTotal) / 2;
        if (mainEnd) position += mainAvailable - fixedTotal;
    }
    int remaining = mainAvailable, fixedRemaining = fixedTotal, placed = 0, adjustableSeen = 0, needed = 0;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        ++placed;
        const RECT pad = child->GetPadding();
        remaining -= axis.MainStart(pad);
        const SIZE limit = axis.Limit(*child, pad, remaining, crossAvailable);
        fixedRemaining -= axis.MainStart(pad) + axis.MainEnd(pad) + (placed > 1 ? gap : 0);
        const SIZE measured = child->MeasureSize(limit);
        int main = axis.Main(measured);
        if (main == 0) {
            main = ++adjustableSeen == adjustable ? std::max<int>(0, remaining - axis.MainEnd(pad) - fixedRemaining) : expand;
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
        } else {
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
            fixedRemaining -= main;
        }
        const int cross = CrossSize(axis, *child, pad, axis.Cross(measured), axis.Cross(limit), crossAvailable);

        LONG crossStart;
        if (crossCentre) {
            const LONG centre = (axis.CrossStart(rc) + axis.CrossEnd(rc)) / 2 +
                                (crossBar ? crossBar->GetScrollRange() / 2 - crossBar->GetScrollPos() : 0);
            crossStart = centre - cross / 2;
        } else if (crossEnd) {
            const LONG end = axis.CrossEnd(rc) + (crossBar ? crossBar->GetScrollRange() - crossBar->GetScrollPos() : 0);
            crossStart = end - axis.CrossEnd(pad) - cross;
        } else {
            crossStart = axis.CrossStart(rc) - (crossBar ? crossBar->GetScrollPos() : 0) + axis.CrossStart(pad);
        }
        child->SetPosition(axis.Rect(position + axis.MainStart(pad), main, crossStart, cross), false);
        needed += main + axis.MainStart(pad) + axis.MainEnd(pad);
        position += main + axis.MainStart(pad) + axis.MainEnd(pad) + gap;
        remaining -= main + axis.MainEnd(pad) + gap;
    }
    if (vertical) {
        UpdateScrollBars(rc, neededAcross, needed + gaps);
    } else {
        UpdateScrollBars(rc, needed + gaps, neededAcross);
    }
}

}  // namespace Tovik
