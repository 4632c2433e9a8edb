// CDpiScaler and MulDiv: rounding, overflow, and rectangles scaled through width and height.
#include "ui/core/dpi_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>

using Tovik::CDpiScaler;

namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroLikeWindows) {
    struct Case {
        int a, b, c, result;
    };
    const Case cases[] = {
        {10, 150, 100, 15}, {3, 1, 2, 2},   {-3, 1, 2, -2}, {5, 1, 3, 2},           {4, 1, 3, 1},
        {1, 1, 0, -1},      {7, -1, 2, -4}, {0, 9, 5, 0},   {2000000000, 2, 1, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(Tovik::MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(CDpiScaler, At96EverythingStaysAndAt144ScalesByHalfAgain) {
    CDpiScaler scaler;
    EXPECT_EQ(scaler.GetScale(), 100);
    EXPECT_EQ(scaler.GetDpi(), 96);
    EXPECT_EQ(scaler.Scale(13), 13);
    scaler.SetDpi(144);
    EXPECT_EQ(scaler.GetScale(), 150);
    EXPECT_EQ(scaler.GetDpi(), 144);
    EXPECT_EQ(scaler.Scale(13), 20);
    EXPECT_EQ(scaler.Unscale(20), 13);

    const RECT rect = {3, 5, 10, 6};  // width 7, height 1
    const RECT scaled = scaler.Scale(rect);
    EXPECT_EQ(scaled.left, 5);
    EXPECT_EQ(scaled.top, 8);
    EXPECT_EQ(scaled.right, 5 + 11);
    EXPECT_EQ(scaled.bottom, 8 + 2);
    const SIZE size = scaler.Scale(SIZE{560, 400});
    EXPECT_EQ(size.cx, 840);
    EXPECT_EQ(size.cy, 600);
    EXPECT_EQ(scaler.Unscale(size).cx, 560);
}

// Rectangles from markup may span more than an int: no arithmetic wraps (the sanitizer build
// stops on signed overflow) and the scaled edges stay in order where the values fit.
TEST(CDpiScaler, ExtremeRectanglesScaleWithoutOverflow) {
    const RECT rects[] = {
        {-2072945290, 0, 1494749262, 0}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {INT32_MAX, 0, INT32_MIN, 0}};
    for (int dpi : {96, 144, 192}) {
        CDpiScaler scaler;
        scaler.SetDpi(dpi);
        for (const RECT& rect : rects) {
            const RECT scaled = scaler.Scale(rect);
            const RECT unscaled = scaler.Unscale(rect);
            if (rect.right < rect.left) continue;                       // an inverted rectangle stays inverted
            EXPECT_GE(int64_t{scaled.right} - scaled.left, -1) << dpi;  // MulDiv gives −1 for what does not fit
            EXPECT_GE(int64_t{unscaled.right} - unscaled.left, -1) << dpi;
        }
    }
    CDpiScaler same;
    const RECT wide = same.Scale(RECT{-2000000000, 0, 2000000000, 0});
    EXPECT_EQ(wide.left, -2000000000);
    EXPECT_EQ(wide.right, -2000000000 + INT32_MAX);  // the width is kept at the largest int
}

}  // namespace
