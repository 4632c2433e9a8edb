// The minimal scroll bar.
#include "ui/controls/scroll_bar_ui.h"

namespace Tovik {

CScrollBarUI::CScrollBarUI() { SetFixedWidth(kThickness); }

void CScrollBarUI::SetHorizontal(bool horizontal) {
    horizontal_ = horizontal;
    SetFixedWidth(horizontal ? 0 : kThickness);
    SetFixedHeight(horizontal ? kThickness : 0);
}

void CScrollBarUI::SetScrollRange(int range) {
    range_ = range < 0 ? 0 : range;
    if (position_ > range_) position_ = range_;
}

void CScrollBarUI::SetScrollPos(int position) {
    position_ = position < 0 ? 0 : (position > range_ ? range_ : position);
}

}  // namespace Tovik
