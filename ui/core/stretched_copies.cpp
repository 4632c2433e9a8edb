#include "ui/core/stretched_copies.h"

#include <cstdint>

#include "ui/core/msimg32.h"
#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

// 4 MiB of pixels per copy at most; larger targets are stretched on every paint instead.
constexpr int64_t kMaxCopyPixels = 1 << 20;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

HBITMAP CStretchedCopiesUI::Get(HBITMAP image, const RECT& source, SIZE size, bool blend) {
    if (image == nullptr || size.cx <= 0 || size.cy <= 0 || Width(source) <= 0 || Height(source) <= 0 ||
        static_cast<int64_t>(size.cx) * size.cy > kMaxCopyPixels) {
        return nullptr;
    }
    for (const Copy& copy : copies_) {
        if (copy.bitmap.get() != nullptr && copy.blend == blend && copy.size.cx == size.cx && copy.size.cy == size.cy &&
            SameRect(copy.source, source)) {
            return copy.bitmap.get();
        }
    }
    HBITMAP made = Make(image, source, size, blend);
    if (made == nullptr) return nullptr;
    Copy& slot = copies_[next_];
    next_ = (next_ + 1) % copies_.size();
    slot.source = source;
    slot.size = size;
    slot.blend = blend;
    slot.bitmap.reset(made);
    return made;
}

// The same calls the nine-grid makes for a stretched centre, into a zeroed DIB: blending onto
// transparent black leaves the stretched premultiplied pixels themselves.
HBITMAP CStretchedCopiesUI::Make(HBITMAP image, const RECT& source, SIZE size, bool blend) const {
    const AlphaBlendFunction alphaBlend = GetAlphaBlend();
    if (blend && alphaBlend == nullptr) return nullptr;
    void* bits = nullptr;
    ScopedGdiObject<HBITMAP> copy(CreateTopDownDib(size.cx, size.cy, &bits));
    if (copy.get() == nullptr) return nullptr;
    ScopedMemoryDC to, from;
    if (to.get() == nullptr || from.get() == nullptr) return nullptr;
    ScopedSelectObject selectTo(to.get(), copy.get());
    ScopedSelectObject selectFrom(from.get(), image);
    SetStretchBltMode(to.get(), HALFTONE);
    BOOL drawn;
    if (blend) {
        const BLENDFUNCTION function = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        drawn = alphaBlend(to.get(), 0, 0, size.cx, size.cy, from.get(), source.left, source.top, Width(source),
                           Height(source), function);
    } else {
        drawn = StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), source.left, source.top, Width(source),
                           Height(source), SRCCOPY);
    }
    if (!drawn) return nullptr;
    return copy.release();
}

}  // namespace Tovik
