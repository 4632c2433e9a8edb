// The slider's track arithmetic, shared by painting and hit testing: where the thumb sits for a
// value, and which value a pointer position stands for.
#pragma once

#include <windows.h>

namespace Tovik {

struct TSliderTrack {
    RECT item;
    SIZE thumb;  // the thumb's size (scaled for the thumb rectangle, markup units for values)
    int minimum;
    int maximum;
    int value;
    bool horizontal;
};

RECT SliderThumbRect(const TSliderTrack& track);
// The ends of the track (half a thumb in from each edge) give the minimum and the maximum;
// `integerDivision` as on release, otherwise floating point truncated toward zero.
int SliderValueAt(const TSliderTrack& track, POINT point, bool integerDivision);

}  // namespace Tovik
