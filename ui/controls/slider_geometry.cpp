#include "ui/controls/slider_geometry.h"

#include <cstdint>

namespace Tovik {
namespace {

// A range of zero or less counts as 1, as painting repairs it.
int64_t RangeOf(const TSliderTrack& track) {
    const int64_t range = int64_t{track.maximum} - track.minimum;
    return range > 0 ? range : 1;
}

int64_t Divide(int64_t numerator, int64_t denominator, bool integerDivision) {
    if (integerDivision) return numerator / denominator;
    return static_cast<int64_t>(static_cast<double>(numerator) / static_cast<double>(denominator));
}

}  // namespace

RECT SliderThumbRect(const TSliderTrack& track) {
    const RECT& item = track.item;
    const int64_t range = RangeOf(track), offset = int64_t{track.value} - track.minimum;
    const LONG cx = track.thumb.cx, cy = track.thumb.cy;
    RECT thumb;
    if (track.horizontal) {
        thumb.left = static_cast<LONG>(item.left + (item.right - item.left - cx) * offset / range);
        thumb.top = (item.top + item.bottom - cy) / 2;
    } else {
        thumb.left = (item.left + item.right - cx) / 2;
        thumb.top = static_cast<LONG>(item.bottom - (item.bottom - item.top - cy) * offset / range) - cy;
    }
    thumb.right = thumb.left + cx;
    thumb.bottom = thumb.top + cy;
    return thumb;
}

// A track no longer than the thumb has no middle: the pointer is at one end or the other.
int SliderValueAt(const TSliderTrack& track, POINT point, bool integerDivision) {
    const RECT& item = track.item;
    const int64_t range = RangeOf(track);
    if (track.horizontal) {
        const LONG half = track.thumb.cx / 2, free = item.right - item.left - track.thumb.cx;
        if (point.x >= item.right - half || free <= 0)
            return point.x > item.left + half ? track.maximum : track.minimum;
        if (point.x <= item.left + half) return track.minimum;
        return static_cast<int>(track.minimum + Divide((point.x - item.left - half) * range, free, integerDivision));
    }
    const LONG half = track.thumb.cy / 2, free = item.bottom - item.top - track.thumb.cy;
    if (point.y >= item.bottom - half || free <= 0) return point.y > item.top + half ? track.minimum : track.maximum;
    if (point.y <= item.top + half) return track.maximum;
    return static_cast<int>(track.minimum + Divide(range * (item.bottom - half - point.y), free, integerDivision));
}

}  // namespace Tovik
