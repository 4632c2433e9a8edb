// CScrollBarUI (minimal until the scroll bar control itself is built): a bar of fixed thickness
// 16 with a range, a position clamped to it, a line size and the container that owns it.
#pragma once

#include "ui/controls/control_ui.h"

namespace Tovik {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    static constexpr int kThickness = 16;
    static constexpr int kDefaultLineSize = 8;

    CScrollBarUI();

    const wchar_t* GetTypeName() const override { return L"ScrollBarUI"; }

    CContainerUI* GetOwner() const { return owner_; }
    void SetOwner(CContainerUI* owner) { owner_ = owner; }
    bool IsHorizontal() const { return horizontal_; }
    void SetHorizontal(bool horizontal);
    int GetScrollRange() const { return range_; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return position_; }
    // Clamped to 0..range.
    void SetScrollPos(int position);
    int GetLineSize() const { return lineSize_; }
    // Kept positive, so the "scroll" notification never divides by zero.
    void SetLineSize(int size) { lineSize_ = size > 0 ? size : kDefaultLineSize; }

private:
    CContainerUI* owner_ = nullptr;
    bool horizontal_ = false;
    int range_ = 100;
    int position_ = 0;
    int lineSize_ = kDefaultLineSize;
};

}  // namespace Tovik
