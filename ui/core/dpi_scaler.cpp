// DPI scaling arithmetic.
#include "ui/core/dpi_scaler.h"

#include <cstdlib>
#include <limits>

#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

// Rectangles scale through their width, height, left and top, each on its own (in the int range,
// whatever the markup said).
template <typename Convert>
RECT ConvertRect(const RECT& rect, Convert convert) {
    const int width = convert(Width(rect));
    const int height = convert(Height(rect));
    RECT result;
    result.left = convert(rect.left);
    result.top = convert(rect.top);
    result.right = ClampToInt(int64_t{result.left} + width);
    result.bottom = ClampToInt(int64_t{result.top} + height);
    return result;
}

}  // namespace

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t magnitude =
        (std::llabs(product) + std::llabs(static_cast<int64_t>(c)) / 2) / std::llabs(static_cast<int64_t>(c));
    const int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min()) return -1;
    return static_cast<int32_t>(result);
}

RECT CDpiScaler::Scale(const RECT& rect) const {
    return ConvertRect(rect, [this](int v) { return Scale(v); });
}

RECT CDpiScaler::Unscale(const RECT& rect) const {
    return ConvertRect(rect, [this](int v) { return Unscale(v); });
}

SIZE CDpiScaler::Scale(const SIZE& size) const {
    SIZE result;
    result.cx = Scale(size.cx);
    result.cy = Scale(size.cy);
    return result;
}

SIZE CDpiScaler::Unscale(const SIZE& size) const {
    SIZE result;
    result.cx = Unscale(size.cx);
    result.cy = Unscale(size.cy);
    return result;
}

}  // namespace Tovik
