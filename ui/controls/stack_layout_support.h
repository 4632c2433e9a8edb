// What the two stacking layouts share: the result of their measuring pass and two small helpers.
#pragma once

#include <algorithm>

namespace Tovik {
namespace StackLayout {

inline int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

inline int FixedOrMax(int fixed, int maximum) { return fixed > 0 ? fixed : maximum; }

// What the measuring pass found.
struct Measure {
    int children = 0;    // visible, non-floating
    int adjustable = 0;  // of them, without a size along the stacking direction
    int fixedTotal = 0;  // sizes and paddings along the stacking direction, gaps included
    int neededAcross = 0;
};

}  // namespace StackLayout
}  // namespace Tovik
