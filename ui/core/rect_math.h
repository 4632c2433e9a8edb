// The small arithmetic the engine repeats everywhere: clamping, and rectangle sizes, overlap and
// insets.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "support/platform.h"

namespace Tovik {

// Geometry from markup can be any int: differences and sums of such values are made in 64 bits
// and brought back into the int range, never wrapped.
inline int ClampToInt(int64_t value) {
    return static_cast<int>(
        std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

inline int Width(const RECT& r) { return ClampToInt(int64_t{r.right} - r.left); }
inline int Height(const RECT& r) { return ClampToInt(int64_t{r.bottom} - r.top); }

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
    return RECT{ClampToInt(int64_t{r.left} + margins.left), ClampToInt(int64_t{r.top} + margins.top),
                ClampToInt(int64_t{r.right} - margins.right), ClampToInt(int64_t{r.bottom} - margins.bottom)};
}

}  // namespace Tovik
