// The small arithmetic the engine repeats everywhere: clamping, and rectangle sizes, overlap and
// insets.
#pragma once

#include <algorithm>

#include "support/platform.h"

namespace Tovik {

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

// `low` wins when the limits cross.
inline int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// True when the two rectangles share at least one pixel (as IntersectRect reports).
inline bool Meets(const RECT& a, const RECT& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// No pixel inside: a zero or negative width or height.
inline bool HasNoArea(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// All four coordinates 0: the "not given" value of image attribute rectangles.
inline bool IsZeroRect(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

// `r` less four margins.
inline RECT Inset(const RECT& r, const RECT& margins) {
    return RECT{r.left + margins.left, r.top + margins.top, r.right - margins.right, r.bottom - margins.bottom};
}

}  // namespace Tovik
