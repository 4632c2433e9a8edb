// CContainerUI: the stacking layout shared by the vertical and the horizontal layout, written
// once over an axis: "main" is the stacking direction, "cross" the other one. A plan (axis, room,
// bars, alignment, gap), then two passes: measuring (fixed sizes, adjustable children, needed
// extent) and placing (adjustable children share what is left, the last one takes the
// remainder). Where the two layouts differ by their own rules, the axis says so.
#include <algorithm>

#include "ui/controls/container_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

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
        return Size(
            std::min(mainRoom, FixedOrMax(MainFixed(c), MainMax(c))),
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

// What both passes work from.
struct StackPlan {
    Axis axis;
    RECT client;
    CScrollBarUI* mainBar;  // visible bars only
    CScrollBarUI* crossBar;
    bool mainCentre, mainEnd, crossCentre, crossEnd;
    int gap;
    int mainAvailable;
    int crossAvailable;
};

// What the measuring pass found.
struct StackTotals {
    int adjustable = 0;    // children that measured 0 along the main direction
    int fixedTotal = 0;    // the main extent of everything but the adjustable children, gaps included
    int neededAcross = 0;  // the widest child across, with its padding
    int gaps = 0;
    int expand = 0;  // the share of each adjustable child
};

CScrollBarUI* VisibleBar(CScrollBarUI* bar) { return bar != nullptr && bar->IsVisible() ? bar : nullptr; }

StackPlan PlanStack(const CContainerUI& container, bool vertical, const RECT& client) {
    const Axis axis{vertical};
    CScrollBarUI* verticalBar = VisibleBar(container.GetVScrollBar());
    CScrollBarUI* horizontalBar = VisibleBar(container.GetHScrollBar());
    CScrollBarUI* mainBar = vertical ? verticalBar : horizontalBar;
    CScrollBarUI* crossBar = vertical ? horizontalBar : verticalBar;
    const UINT align = container.GetChildAlign(), valign = container.GetChildVAlign();
    // Only the vertical layout counts its own bar's range into the room along its direction.
    const int mainAvailable =
        axis.MainEnd(client) - axis.MainStart(client) + (vertical && mainBar ? mainBar->GetScrollRange() : 0);
    const int crossAvailable =
        axis.CrossEnd(client) - axis.CrossStart(client) + (crossBar ? crossBar->GetScrollRange() : 0);
    return StackPlan{axis,
                     client,
                     mainBar,
                     crossBar,
                     vertical ? valign == ChildVAlignCenter : align == ChildAlignCenter,
                     vertical ? valign == ChildVAlignBottom : align == ChildAlignRight,
                     vertical ? align == ChildAlignCenter : valign == ChildVAlignCenter,
                     vertical ? align == ChildAlignRight : valign == ChildVAlignBottom,
                     container.GetChildPadding(),
                     mainAvailable,
                     crossAvailable};
}

StackTotals MeasureStack(const CContainerUI& container, const StackPlan& plan) {
    const Axis& axis = plan.axis;
    StackTotals totals;
    int children = 0;
    for (int i = 0; i < container.ItemCount(); ++i) {
        CControlUI* child = container.ItemAt(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        const RECT pad = child->GetPadding();
        const SIZE measured = child->MeasureSize(axis.Limit(*child, pad, plan.mainAvailable, plan.crossAvailable));
        int main = axis.Main(measured);
        if (main == 0) {
            ++totals.adjustable;
        } else {
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
        }
        totals.fixedTotal += axis.MainStart(pad) + main + axis.MainEnd(pad);
        const int cross = Clamp(std::max<int>(axis.Cross(measured), 0), axis.CrossMin(*child), axis.CrossMax(*child));
        totals.neededAcross = std::max<int>(totals.neededAcross, cross + axis.CrossStart(pad) + axis.CrossEnd(pad));
        ++children;
    }
    totals.gaps = children > 0 ? (children - 1) * plan.gap : 0;
    totals.fixedTotal += totals.gaps;
    totals.expand =
        totals.adjustable > 0 ? std::max(0, (plan.mainAvailable - totals.fixedTotal) / totals.adjustable) : 0;
    return totals;
}

// Where a child of size `cross` starts across: by the cross alignment, shifted by the cross bar.
LONG CrossStart(const StackPlan& plan, const RECT& pad, int cross) {
    const Axis& axis = plan.axis;
    const CScrollBarUI* bar = plan.crossBar;
    if (plan.crossCentre) {
        const LONG centre = (axis.CrossStart(plan.client) + axis.CrossEnd(plan.client)) / 2 +
                            (bar ? bar->GetScrollRange() / 2 - bar->GetScrollPos() : 0);
        return centre - cross / 2;
    }
    if (plan.crossEnd) {
        const LONG end = axis.CrossEnd(plan.client) + (bar ? bar->GetScrollRange() - bar->GetScrollPos() : 0);
        return end - axis.CrossEnd(pad) - cross;
    }
    return axis.CrossStart(plan.client) - (bar ? bar->GetScrollPos() : 0) + axis.CrossStart(pad);
}

// Where the first child starts along the main direction: scrolled by the main bar, or aligned
// when no child is adjustable.
int MainStart(const StackPlan& plan, const StackTotals& totals) {
    int position = plan.axis.MainStart(plan.client);
    if (plan.mainBar != nullptr) return position - plan.mainBar->GetScrollPos();
    if (totals.adjustable == 0) {
        if (plan.mainCentre) position += (plan.mainAvailable - totals.fixedTotal) / 2;
        if (plan.mainEnd) position += plan.mainAvailable - totals.fixedTotal;
    }
    return position;
}

// Places every visible child; returns the main extent they need (gaps not included).
int PlaceStack(CContainerUI& container, const StackPlan& plan, const StackTotals& totals) {
    const Axis& axis = plan.axis;
    int position = MainStart(plan, totals);
    int remaining = plan.mainAvailable, fixedRemaining = totals.fixedTotal, placed = 0, adjustableSeen = 0, needed = 0;
    for (int i = 0; i < container.ItemCount(); ++i) {
        CControlUI* child = container.ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            container.PlaceFloatingChild(i);
            continue;
        }
        ++placed;
        const RECT pad = child->GetPadding();
        remaining -= axis.MainStart(pad);
        const SIZE limit = axis.Limit(*child, pad, remaining, plan.crossAvailable);
        fixedRemaining -= axis.MainStart(pad) + axis.MainEnd(pad) + (placed > 1 ? plan.gap : 0);
        const SIZE measured = child->MeasureSize(limit);
        int main = axis.Main(measured);
        if (main == 0) {
            main = ++adjustableSeen == totals.adjustable
                       ? std::max<int>(0, remaining - axis.MainEnd(pad) - fixedRemaining)
                       : totals.expand;
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
        } else {
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
            fixedRemaining -= main;
        }
        const int cross = CrossSize(axis, *child, pad, axis.Cross(measured), axis.Cross(limit), plan.crossAvailable);
        child->SetPosition(axis.Rect(position + axis.MainStart(pad), main, CrossStart(plan, pad, cross), cross), false);
        needed += main + axis.MainStart(pad) + axis.MainEnd(pad);
        position += main + axis.MainStart(pad) + axis.MainEnd(pad) + plan.gap;
        remaining -= main + axis.MainEnd(pad) + plan.gap;
    }
    return needed;
}

}  // namespace

void CContainerUI::StackChildren(bool vertical) {
    const RECT client = ClientRect();
    if (items_.GetSize() == 0) {
        UpdateScrollBars(client, 0, 0);
        return;
    }
    const StackPlan plan = PlanStack(*this, vertical, client);
    const StackTotals totals = MeasureStack(*this, plan);
    const int needed = PlaceStack(*this, plan, totals) + totals.gaps;
    if (vertical) {
        UpdateScrollBars(client, totals.neededAcross, needed);
    } else {
        UpdateScrollBars(client, needed, totals.neededAcross);
    }
}

}  // namespace Tovik
