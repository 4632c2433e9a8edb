// The alpha rules of a layered window's pixels (B, G, R, A bytes, A in the top byte).
#pragma once

#include <cstdint>

namespace Tovik {

// Without a layered image: GDI leaves alpha 0 wherever it draws, so a pixel with alpha 0 and any
// colour becomes opaque; black with alpha 0 stays transparent.
inline uint32_t OpaqueWhereDrawn(uint32_t pixel) {
    return (pixel >> 24) == 0 && (pixel & 0xFFFFFF) != 0 ? pixel | 0xFF000000u : pixel;
}

// With a layered image: the image's alpha `alpha` becomes the pixel's, its colour premultiplied
// by it (integer division by 255).
inline uint32_t PremultiplyBy(uint32_t pixel, uint32_t alpha) {
    const uint32_t b = (pixel & 0xFF) * alpha / 255, g = (pixel >> 8 & 0xFF) * alpha / 255,
                   r = (pixel >> 16 & 0xFF) * alpha / 255;
    return alpha << 24 | r << 16 | g << 8 | b;
}

}  // namespace Tovik
