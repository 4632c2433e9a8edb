// CDpiScaler: a window's DPI as a scale in percent (100 at 96 DPI). Markup values are stored
// unscaled and pass through here on their way to the screen.
#pragma once

#include <cstdint>

#include "support/platform.h"

namespace Tovik {

// a × b ÷ c rounded half away from zero, as Windows' MulDiv; −1 when c is 0 or the result
// does not fit.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

class CDpiScaler {
public:
    void SetDpi(int dpi) { scale_ = MulDiv(dpi, 100, 96); }
    int GetDpi() const { return MulDiv(scale_, 96, 100); }
    int GetScale() const { return scale_; }

    int Scale(int value) const { return MulDiv(value, scale_, 100); }
    int Unscale(int value) const { return MulDiv(value, 100, scale_); }
    RECT Scale(const RECT& rect) const;
    RECT Unscale(const RECT& rect) const;
    SIZE Scale(const SIZE& size) const;
    SIZE Unscale(const SIZE& size) const;

private:
    int32_t scale_ = 100;
};

}  // namespace Tovik
