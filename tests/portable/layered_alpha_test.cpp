// The layered window's alpha rules, pixel by pixel (B, G, R, A with A in the top byte).
#include "ui/core/layered_alpha.h"

#include <gtest/gtest.h>

namespace {

TEST(LayeredAlpha, PixelsDrawnWithAlphaZeroBecomeOpaqueExceptBlack) {
    struct Case {
        uint32_t pixel, expected;
    };
    const Case cases[] = {
        {0x00000000, 0x00000000},  // untouched: stays transparent
        {0x00FFFFFF, 0xFFFFFFFF}, {0x00000001, 0xFF000001},
        {0x00010000, 0xFF010000}, {0x80404040, 0x80404040},  // drawn with alpha already: kept
    };
    for (const Case& c : cases) EXPECT_EQ(Tovik::OpaqueWhereDrawn(c.pixel), c.expected) << std::hex << c.pixel;
}

TEST(LayeredAlpha, TheLayeredImagesAlphaPremultipliesThePixel) {
    struct Case {
        uint32_t pixel, alpha, expected;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 128, 0x80808080},  // white under alpha 128 → (128, 128, 128, 128)
        {0xFFFFFFFF, 255, 0xFFFFFFFF},
        {0xFF123456, 0, 0x00000000},
        {0x00FF8001, 200, 0xC8C86400},  // 255·200/255, 128·200/255 = 100, 1·200/255 = 0
    };
    for (const Case& c : cases) EXPECT_EQ(Tovik::PremultiplyBy(c.pixel, c.alpha), c.expected) << std::hex << c.pixel;
}

}  // namespace
