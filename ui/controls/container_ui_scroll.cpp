// CContainerUI: its scroll bars and scrolling — enabling the bars, the scroll offset and extent,
// the twelve line, page and end moves, and fitting the bars to the content after a layout.
#include <cstdlib>

#include "ui/controls/container_ui.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {

CScrollBarUI* CContainerUI::GetVScrollBar() const { return verticalBar_.get(); }
CScrollBarUI* CContainerUI::GetHScrollBar() const { return horizontalBar_.get(); }

void CContainerUI::EnableScrollBars(bool vertical, bool horizontal) {
    const auto enable = [this](std::unique_ptr<CScrollBarUI>& bar, bool on, bool isHorizontal,
                               const wchar_t* className) {
        if (!on) {
            bar.reset();
            return;
        }
        if (bar != nullptr) return;
        bar = std::make_unique<CScrollBarUI>();
        bar->SetHorizontal(isHorizontal);
        bar->SetScrollOwner(this);
        bar->AttachToManager(manager_, nullptr, false);
        if (manager_ != nullptr) {
            if (const wchar_t* defaults = manager_->DefaultAttributesFor(className)) {
                bar->ApplyAttributeString(defaults);
            }
        }
    };
    enable(verticalBar_, vertical, false, L"VScrollBar");
    enable(horizontalBar_, horizontal, true, L"HScrollBar");
    RequestLayout();
}

SIZE CContainerUI::GetScrollOffset() const {
    return SIZE{IsBarVisible(horizontalBar_) ? ClampToInt(horizontalBar_->GetBarPosition()) : 0,
                IsBarVisible(verticalBar_) ? ClampToInt(verticalBar_->GetBarPosition()) : 0};
}

SIZE CContainerUI::GetScrollExtent() const {
    return SIZE{IsBarVisible(horizontalBar_) ? ClampToInt(horizontalBar_->GetBarRange()) : 0,
                IsBarVisible(verticalBar_) ? ClampToInt(verticalBar_->GetBarRange()) : 0};
}

void CContainerUI::SetScrollOffset(SIZE offset, bool notify) {
    int dx = 0, dy = 0;
    if (IsBarVisible(verticalBar_)) {
        const int before = verticalBar_->GetBarPosition();
        verticalBar_->SetBarPosition(offset.cy);
        dy = verticalBar_->GetBarPosition() - before;
    }
    if (IsBarVisible(horizontalBar_)) {
        const int before = horizontalBar_->GetBarPosition();
        horizontalBar_->SetBarPosition(offset.cx);
        dx = horizontalBar_->GetBarPosition() - before;
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
        manager_->SendNotify(this, L"scroll", static_cast<WPARAM>((verticalBar_->GetBarPosition() + line) / line), 0);
    }
}

void CContainerUI::SetScrollStep(int step) { scrollStep_ = step; }
int CContainerUI::GetScrollStep() const { return Scale(scrollStep_); }

int CContainerUI::VerticalLineStep() const {
    if (GetScrollStep() != 0) return GetScrollStep();
    return manager_ != nullptr ? manager_->DefaultFontInfo()->metrics.tmHeight + 8 : 8;
}

void CContainerUI::ScrollOffsetTo(bool vertical, int position) {
    SIZE offset = GetScrollOffset();
    (vertical ? offset.cy : offset.cx) = position;
    SetScrollOffset(offset);
}

namespace {

// The end moves first let a pending layout finish, so the extent they scroll to is current.
void FinishPendingPaint(CPaintManagerUI* manager) {
    if (manager != nullptr && manager->GetPaintWindow() != nullptr) UpdateWindow(manager->GetPaintWindow());
}

}  // namespace

void CContainerUI::ScrollLineUp() { ScrollOffsetTo(true, GetScrollOffset().cy - VerticalLineStep()); }
void CContainerUI::ScrollLineDown() { ScrollOffsetTo(true, GetScrollOffset().cy + VerticalLineStep()); }
void CContainerUI::ScrollPageUp() { ScrollOffsetTo(true, GetScrollOffset().cy - Height(ClientRect())); }
void CContainerUI::ScrollPageDown() { ScrollOffsetTo(true, GetScrollOffset().cy + Height(ClientRect())); }
void CContainerUI::ScrollToTop() { ScrollOffsetTo(true, 0); }

void CContainerUI::ScrollToBottom() {
    FinishPendingPaint(manager_);
    ScrollOffsetTo(true, GetScrollExtent().cy);
}

void CContainerUI::ScrollLineLeft() {
    ScrollOffsetTo(false, GetScrollOffset().cx - (GetScrollStep() != 0 ? GetScrollStep() : 8));
}
void CContainerUI::ScrollLineRight() {
    ScrollOffsetTo(false, GetScrollOffset().cx + (GetScrollStep() != 0 ? GetScrollStep() : 8));
}
void CContainerUI::ScrollPageLeft() { ScrollOffsetTo(false, GetScrollOffset().cx - Width(ClientRect())); }
void CContainerUI::ScrollPageRight() { ScrollOffsetTo(false, GetScrollOffset().cx + Width(ClientRect())); }
void CContainerUI::ScrollToLeftEnd() { ScrollOffsetTo(false, 0); }

void CContainerUI::ScrollToRightEnd() {
    FinishPendingPaint(manager_);
    ScrollOffsetTo(false, GetScrollExtent().cx);
}

void CContainerUI::UpdateOneBar(CScrollBarUI* bar, int overflow, RECT placement) {
    if (bar == nullptr) return;
    if (overflow > 0 && !bar->IsVisible()) {
        bar->SetVisible(true);
        bar->SetBarRange(overflow);
        bar->SetBarPosition(0);
        SetPosition(item_, true);
        return;
    }
    if (!bar->IsVisible()) return;
    if (overflow > 0) {
        bar->SetPosition(placement, true);
        if (bar->GetBarRange() != overflow) {
            const int before = bar->GetBarPosition();
            bar->SetBarRange(std::abs(overflow));
            if (bar->GetBarPosition() < before) SetPosition(item_, true);
        }
        return;
    }
    bar->SetVisible(false);
    bar->SetBarPosition(0);
    bar->SetBarRange(0);
    SetPosition(item_, true);
}

void CContainerUI::UpdateScrollBars(RECT rect, int requiredWidth, int requiredHeight) {
    if (horizontalBar_ != nullptr) {
        UpdateOneBar(horizontalBar_.get(), ClampToInt(int64_t{requiredWidth} - Width(rect)),
                     {rect.left, rect.bottom, rect.right, rect.bottom + horizontalBar_->GetFixedHeight()});
    }
    if (verticalBar_ != nullptr) {
        UpdateOneBar(verticalBar_.get(), ClampToInt(int64_t{requiredHeight} - Height(rect)),
                     {rect.right, rect.top, rect.right + verticalBar_->GetFixedWidth(), rect.bottom});
    }
}

}  // namespace Tovik
