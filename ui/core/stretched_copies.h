// Stretched copies of one image, kept with it: a background stretched to its window's size is
// resampled once, not on every paint.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "ui/core/gdi_handles.h"

namespace Tovik {

class CStretchedCopiesUI {
public:
    // `image`'s `source` part stretched to `size` as the nine-grid's centre would be (blended onto
    // transparent black when `blend`, copied otherwise), made on first use. Null when the copy
    // would be too large to keep or cannot be made; the caller then stretches as usual.
    HBITMAP Get(HBITMAP image, const RECT& source, SIZE size, bool blend);

private:
    struct Copy {
        RECT source = {};
        SIZE size = {};
        bool blend = false;
        ScopedGdiObject<HBITMAP> bitmap;
    };
    HBITMAP Make(HBITMAP image, const RECT& source, SIZE size, bool blend) const;

    // A few sizes per image (a window and its resized states); the oldest makes room.
    std::array<Copy, 4> copies_;
    size_t next_ = 0;
};

}  // namespace Tovik
