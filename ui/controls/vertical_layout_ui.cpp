// CVerticalLayoutUI: measuring and placing passes top to bottom, and the separator.
#include "ui/controls/vertical_layout_ui.h"

#include <algorithm>

#include "support/platform.h"
#include "ui/controls/attribute_values.h"
#include "ui/controls/stack_layout_support.h"

namespace Tovik {

using StackLayout::Clamp;
using StackLayout::FixedOrMax;
using StackLayout::Measure;

void* CVerticalLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"VerticalLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

UINT CVerticalLayoutUI::GetInputFlags() { return IsEnabled() && splitter_.GetSize() != 0 ? FlagSetCursor : 0; }

void CVerticalLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    const RECT rc = ClientRect();
    if (items_.GetSize() == 0) {
        UpdateScrollBars(rc, 0, 0);
        return;
    }
    const bool vBar = IsBarVisible(verticalBar_), hBar = IsBarVisible(horizontalBar_);
    const int gap = GetChildPadding();
    const int aw = rc.right - rc.left + (hBar ? horizontalBar_->GetScrollRange() : 0);
    const int ah = rc.bottom - rc.top + (vBar ? verticalBar_->GetScrollRange() : 0);

    Measure m;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible() || child->IsFloat()) continue;
        const RECT pad = child->GetPadding();
        const SIZE limit = {std::min<LONG>(aw - pad.left - pad.right, FixedOrMax(child->GetFixedWidth(), child->GetMaxWidth())),
                            std::min(ah, FixedOrMax(child->GetFixedHeight(), child->GetMaxHeight()))};
        SIZE sz = child->MeasureSize(limit);
        if (sz.cy == 0) {
            ++m.adjustable;
        } else {
            sz.cy = Clamp(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        }
        m.fixedTotal += pad.top + sz.cy + pad.bottom;
        sz.cx = Clamp(std::max<LONG>(sz.cx, 0), child->GetMinWidth(), child->GetMaxWidth());
        m.neededAcross = std::max<int>(m.neededAcross, sz.cx + pad.left + pad.right);
        ++m.children;
    }
    if (m.children > 0) m.fixedTotal += (m.children - 1) * gap;
    const int expand = m.adjustable > 0 ? std::max(0, (ah - m.fixedTotal) / m.adjustable) : 0;

    int y = rc.top;
    if (vBar) {
        y -= verticalBar_->GetScrollPos();
    } else if (m.adjustable == 0) {
        if (childVAlign_ == 4) y += (ah - m.fixedTotal) / 2;
        if (childVAlign_ == 8) y += ah - m.fixedTotal;
    }
    int remaining = ah, fixedRemaining = m.fixedTotal, placed = 0, adjustableSeen = 0, needed = 0;
    for (int i = 0; i < items_.GetSize(); ++i) {
        CControlUI* child = ItemAt(i);
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            PlaceFloatingChild(i);
            continue;
        }
        ++placed;
        const RECT pad = child->GetPadding();
        remaining -= pad.top;
        const SIZE limit = {std::min<LONG>(aw - pad.left - pad.right, FixedOrMax(child->GetFixedWidth(), child->GetMaxWidth())),
                            std::min(remaining, FixedOrMax(child->GetFixedHeight(), child->GetMaxHeight()))};
        fixedRemaining -= pad.top + pad.bottom + (placed > 1 ? gap : 0);
        SIZE sz = child->MeasureSize(limit);
        if (sz.cy == 0) {
            sz.cy = ++adjustableSeen == m.adjustable ? std::max<LONG>(0, remaining - pad.bottom - fixedRemaining) : expand;
            sz.cy = Clamp(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
        } else {
            sz.cy = Clamp(sz.cy, child->GetMinHeight(), child->GetMaxHeight());
            fixedRemaining -= sz.cy;
        }
        if (sz.cx <= 0) sz.cx = aw - pad.left - pad.right;
        sz.cx = std::max<LONG>(std::min(sz.cx, limit.cx), child->GetMinWidth());

        LONG left;
        if (childAlign_ == 1) {
            const LONG cx = (rc.left + rc.right) / 2 + (hBar ? horizontalBar_->GetScrollRange() / 2 - horizontalBar_->GetScrollPos() : 0);
            left = cx - sz.cx / 2;
        } else if (childAlign_ == 2) {
            const LONG x = rc.right + (hBar ? horizontalBar_->GetScrollRange() - horizontalBar_->GetScrollPos() : 0);
            left = x - pad.right - sz.cx;
        } else {
            left = rc.left - (hBar ? horizontalBar_->GetScrollPos() : 0) + pad.left;
        }
        const LONG top = y + pad.top;
        child->SetPosition({left, top, left + sz.cx, top + sz.cy}, false);
        needed += sz.cy + pad.top + pad.bottom;
        y += sz.cy + pad.top + pad.bottom + gap;
        remaining -= sz.cy + pad.bottom + gap;
    }
    UpdateScrollBars(rc, m.neededAcross, needed + (m.children > 0 ? (m.children - 1) * gap : 0));
}

void CVerticalLayoutUI::HandleEvent(TInputEventUI& event) {
    if (!splitter_.HandleEvent(*this, event)) CContainerUI::HandleEvent(event);
}

void CVerticalLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepheight")) {
        splitter_.SetSize(ParseInt(value));
    } else if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepimm")) {
        splitter_.SetImmediate(*this, ParseBool(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CVerticalLayoutUI::PaintOverlay(HDC dc, const RECT&) { splitter_.PaintOverlay(dc); }

}  // namespace Tovik
