// CHorizontalLayoutUI: measuring and placing passes left to right, and the separator.
#include "ui/controls/horizontal_layout_ui.h"

#include <algorithm>

#include "support/platform.h"
#include "ui/controls/attribute_values.h"
#include "ui/controls/stack_layout_support.h"

namespace Tovik {

using StackLayout::Clamp;
using StackLayout::FixedOrMax;
using StackLayout::Measure;

void* CHorizontalLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"HorizontalLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

UINT CHorizontalLayoutUI::GetInputFlags() { return IsEnabled() && splitter_.GetSize() != 0 ? FlagSetCursor : 0; }

void CHorizontalLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    const RECT rc = ClientRect();
    if (items_.GetSize() == 0) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const bool vBar = IsBarVisible(verticalBar_), hBar = IsBarVisible(horizontalBar_);
    const int gap = GetChildPadding();
    const int aw = rc.right - rc.left;
    const int ah = rc.bottom - rc.top + (vBar ? verticalBar_->GetScrollRange() : 0);

    Measure m;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        const RECT pad = child->GetPadding();
        const SIZE limit = {std::min(aw, FixedOrMax(child->GetFixedWidth(), child->GetMaxWidth())),
                            std::min<LONG>(ah - pad.top - pad.bottom, FixedOrMax(child->GetFixedHeight(), child->GetMaxHeight()))};
        SIZE sz = child->MeasureSize(limit);
        if (sz.cx == 0) {
            ++m.adjustable;
        } else {
            sz.cx = Clamp(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        }
        m.fixedTotal += pad.left + sz.cx + pad.right;
        sz.cy = Clamp(std::max<LONG>(sz.cy, 0), child->GetMinHeight(), child->GetMaxHeight());
        m.neededAcross = std::max<int>(m.neededAcross, sz.cy + pad.top + pad.bottom);
        ++m.children;
    }
    if (m.children > 0) m.fixedTotal += (m.children - 1) * gap;
    const int expand = m.adjustable > 0 ? std::max(0, (aw - m.fixedTotal) / m.adjustable) : 0;

    int x = rc.left;
    if (hBar) {
        x -= horizontalBar_->GetScrollPos();
    } else if (m.adjustable == 0) {
        if (childAlign_ == 1) x += (aw - m.fixedTotal) / 2;
        if (childAlign_ == 2) x += aw - m.fixedTotal;
    }
    int remaining = aw, fixedRemaining = m.fixedTotal, placed = 0, adjustableSeen = 0, needed = 0;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        ++placed;
        const RECT pad = child->GetPadding();
        remaining -= pad.left;
        const int fillHeight = ah - pad.top - pad.bottom;
        const SIZE limit = {std::min(remaining, FixedOrMax(child->GetFixedWidth(), child->GetMaxWidth())),
                            std::min(fillHeight, FixedOrMax(child->GetFixedHeight(), child->GetMaxHeight()))};
        fixedRemaining -= pad.left + pad.right + (placed > 1 ? gap : 0);
        SIZE sz = child->MeasureSize(limit);
        if (sz.cx == 0) {
            sz.cx = ++adjustableSeen == m.adjustable ? std::max<LONG>(0, remaining - pad.right - fixedRemaining) : expand;
            sz.cx = Clamp(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
        } else {
            sz.cx = Clamp(sz.cx, child->GetMinWidth(), child->GetMaxWidth());
            fixedRemaining -= sz.cx;
        }
        // The height fills the row unless the fixed or maximum height limits it.
        int height = child->GetMaxHeight();
        if (height == 0) height = fillHeight;
        height = std::max(std::min({std::max(height, 0), fillHeight, FixedOrMax(child->GetFixedHeight(), child->GetMaxHeight())}),
                          child->GetMinHeight());

        LONG top;
        if (childVAlign_ == 4) {
            const LONG cy = (rc.top + rc.bottom) / 2 + (vBar ? verticalBar_->GetScrollRange() / 2 - verticalBar_->GetScrollPos() : 0);
            top = cy - height / 2;
        } else if (childVAlign_ == 8) {
            const LONG y = rc.bottom + (vBar ? verticalBar_->GetScrollRange() - verticalBar_->GetScrollPos() : 0);
            top = y - pad.bottom - height;
        } else {
            top = rc.top - (vBar ? verticalBar_->GetScrollPos() : 0) + pad.top;
        }
        const LONG left = x + pad.left;
        child->SetPosition({left, top, left + sz.cx, top + height}, false);
        needed += sz.cx + pad.left + pad.right;
        x += sz.cx + pad.left + pad.right + gap;
        remaining -= sz.cx + pad.right + gap;
    }
    UpdateScrollBars(rc, needed + (m.children > 0 ? (m.children - 1) * gap : 0), m.neededAcross);
}

void CHorizontalLayoutUI::HandleEvent(TInputEventUI& event) {
    if (!splitter_.HandleEvent(*this, event)) CContainerUI::HandleEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepwidth")) {
        splitter_.SetSize(ParseInt(value));
    } else if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepimm")) {
        splitter_.SetImmediate(*this, ParseBool(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CHorizontalLayoutUI::PaintOverlay(HDC dc, const RECT&) { splitter_.PaintOverlay(dc); }

}  // namespace Tovik
