// CDpiScaler and MulDiv: rounding, overflow, and rectangles scaled through width and height.
#include "ui/core/dpi_scaler.h"

#include <gtest/gtest.h>

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

}  // namespace
