// CContainerUI: the stacking layout shared by the vertical and the horizontal layout, written
// once over an axis: "main" is the stacking direction, "cross" the other one. A plan (axis, room,
// bars, alignment, gap), then two passes: measuring (fixed sizes, adjustable children, needed
// extent) and placing (adjustable children share what is left, the last one takes the
// remainder). Where the two layouts differ by their own rules, the axis says so. Sizes and
// paddings from markup can be any int, so sums run in 64 bits and come back clamped.
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
    int64_t MainLength(const RECT& r) const { return int64_t{MainEnd(r)} - MainStart(r); }
    int64_t CrossLength(const RECT& r) const { return int64_t{CrossEnd(r)} - CrossStart(r); }
    // Padding on both sides of a child along one direction.
    int64_t MainPadding(const RECT& pad) const { return int64_t{MainStart(pad)} + MainEnd(pad); }
    int64_t CrossPadding(const RECT& pad) const { return int64_t{CrossStart(pad)} + CrossEnd(pad); }
    LONG Main(const SIZE& s) const { return vertical ? s.cy : s.cx; }
    LONG Cross(const SIZE& s) const { return vertical ? s.cx : s.cy; }
    SIZE Size(LONG main, LONG cross) const { return vertical ? SIZE{cross, main} : SIZE{main, cross}; }
    RECT Rect(int64_t mainStart, int mainSize, int64_t crossStart, int crossSize) const {
        const int mainFirst = ClampToInt(mainStart), crossFirst = ClampToInt(crossStart);
        const int mainLast = ClampToInt(mainStart + mainSize), crossLast = ClampToInt(crossStart + crossSize);
        return vertical ? RECT{crossFirst, mainFirst, crossLast, mainLast}
                        : RECT{mainFirst, crossFirst, mainLast, crossLast};
    }

    int MainFixed(const CControlUI& c) const { return vertical ? c.GetFixedHeight() : c.GetFixedWidth(); }
    int MainMin(const CControlUI& c) const { return vertical ? c.GetMinHeight() : c.GetMinWidth(); }
    int MainMax(const CControlUI& c) const { return vertical ? c.GetMaxHeight() : c.GetMaxWidth(); }
    int CrossFixed(const CControlUI& c) const { return vertical ? c.GetFixedWidth() : c.GetFixedHeight(); }
    int CrossMin(const CControlUI& c) const { return vertical ? c.GetMinWidth() : c.GetMinHeight(); }
    int CrossMax(const CControlUI& c) const { return vertical ? c.GetMaxWidth() : c.GetMaxHeight(); }

    // The limits a child is measured within, given the room left along the main direction.
    SIZE Limit(const CControlUI& c, const RECT& pad, int64_t mainRoom, int crossAvailable) const {
        return Size(
            ClampToInt(std::min<int64_t>(mainRoom, FixedOrMax(MainFixed(c), MainMax(c)))),
            ClampToInt(std::min<int64_t>(crossAvailable - CrossPadding(pad), FixedOrMax(CrossFixed(c), CrossMax(c)))));
    }
};

// The size across the stacking direction. A vertical layout fills with a child that measured no
// width; a horizontal one takes the child's maximum height (0 meaning fill) whatever it measured.
int CrossSize(const Axis& axis, const CControlUI& child, const RECT& pad, LONG measured, LONG limit, int available) {
    const int fill = ClampToInt(available - axis.CrossPadding(pad));
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
    int adjustable = 0;        // children that measured 0 along the main direction
    int64_t fixedTotal = 0;    // the main extent of everything but the adjustable children, gaps included
    int64_t neededAcross = 0;  // the widest child across, with its padding
    int64_t gaps = 0;
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
    const int mainAvailable = ClampToInt(axis.MainLength(client) + (vertical && mainBar ? mainBar->GetBarRange() : 0));
    const int crossAvailable = ClampToInt(axis.CrossLength(client) + (crossBar ? crossBar->GetBarRange() : 0));
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
        totals.fixedTotal += axis.MainPadding(pad) + main;
        const int cross = Clamp(std::max<int>(axis.Cross(measured), 0), axis.CrossMin(*child), axis.CrossMax(*child));
        totals.neededAcross = std::max<int64_t>(totals.neededAcross, cross + axis.CrossPadding(pad));
        ++children;
    }
    totals.gaps = children > 0 ? int64_t{children - 1} * plan.gap : 0;
    totals.fixedTotal += totals.gaps;
    totals.expand = totals.adjustable > 0
                        ? ClampToInt(std::max<int64_t>(0, (plan.mainAvailable - totals.fixedTotal) / totals.adjustable))
                        : 0;
    return totals;
}

// Where a child of size `cross` starts across: by the cross alignment, shifted by the cross bar.
int64_t CrossStart(const StackPlan& plan, const RECT& pad, int cross) {
    const Axis& axis = plan.axis;
    const CScrollBarUI* bar = plan.crossBar;
    if (plan.crossCentre) {
        const int64_t centre = (int64_t{axis.CrossStart(plan.client)} + axis.CrossEnd(plan.client)) / 2 +
                               (bar ? bar->GetBarRange() / 2 - bar->GetBarPosition() : 0);
        return centre - cross / 2;
    }
    if (plan.crossEnd) {
        const int64_t end =
            int64_t{axis.CrossEnd(plan.client)} + (bar ? bar->GetBarRange() - bar->GetBarPosition() : 0);
        return end - axis.CrossEnd(pad) - cross;
    }
    return int64_t{axis.CrossStart(plan.client)} - (bar ? bar->GetBarPosition() : 0) + axis.CrossStart(pad);
}

// Where the first child starts along the main direction: scrolled by the main bar, or aligned
// when no child is adjustable.
int64_t MainStart(const StackPlan& plan, const StackTotals& totals) {
    int64_t position = plan.axis.MainStart(plan.client);
    if (plan.mainBar != nullptr) return position - plan.mainBar->GetBarPosition();
    if (totals.adjustable == 0) {
        if (plan.mainCentre) position += (plan.mainAvailable - totals.fixedTotal) / 2;
        if (plan.mainEnd) position += plan.mainAvailable - totals.fixedTotal;
    }
    return position;
}

// Places every visible child; returns the main extent they need (gaps not included).
int64_t PlaceStack(CContainerUI& container, const StackPlan& plan, const StackTotals& totals) {
    const Axis& axis = plan.axis;
    int64_t position = MainStart(plan, totals);
    int64_t remaining = plan.mainAvailable, fixedRemaining = totals.fixedTotal, needed = 0;
    int placed = 0, adjustableSeen = 0;
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
        fixedRemaining -= axis.MainPadding(pad) + (placed > 1 ? plan.gap : 0);
        const SIZE measured = child->MeasureSize(limit);
        int main = axis.Main(measured);
        if (main == 0) {
            main = ++adjustableSeen == totals.adjustable
                       ? ClampToInt(std::max<int64_t>(0, remaining - axis.MainEnd(pad) - fixedRemaining))
                       : totals.expand;
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
        } else {
            main = Clamp(main, axis.MainMin(*child), axis.MainMax(*child));
            fixedRemaining -= main;
        }
        const int cross = CrossSize(axis, *child, pad, axis.Cross(measured), axis.Cross(limit), plan.crossAvailable);
        child->SetPosition(axis.Rect(position + axis.MainStart(pad), main, CrossStart(plan, pad, cross), cross), false);
        needed += main + axis.MainPadding(pad);
        position += main + axis.MainPadding(pad) + plan.gap;
        remaining -= int64_t{main} + axis.MainEnd(pad) + plan.gap;
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
    const int needed = ClampToInt(PlaceStack(*this, plan, totals) + totals.gaps);
    const int neededAcross = ClampToInt(totals.neededAcross);
    if (vertical) {
        UpdateScrollBars(client, neededAcross, needed);
    } else {
        UpdateScrollBars(client, needed, neededAcross);
    }
}

}  // namespace Tovik
