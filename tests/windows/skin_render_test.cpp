// The render engine under Wine, drawing into offscreen 32-bit canvases and reading pixels back:
// nine-grids, placement, fading, tiling, the paint rectangle, colours, gradients, shapes, text
// and clip scopes.
#include "ui/core/skin_render.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/windows/test_png.h"
#include "tests/windows/test_support.h"
#include "ui/core/layered_alpha.h"
#include "ui/core/paint_manager_ui.h"

using namespace Tovik;
using TestSupport::ArchiveMode;
using TestSupport::Canvas;
using TestSupport::Near;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;
constexpr uint32_t kGrey = 0xFF808080, kCyan = 0xFF00FFFF;

std::vector<uint8_t> Rgba(uint32_t argb) {
    return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb),
            static_cast<uint8_t>(argb >> 24)};
}

// A width × height image whose pixel colour is chosen by `colour(x, y)` (0xAARRGGBB).
template <typename Colour>
std::string Image(int width, int height, Colour colour) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::vector<uint8_t> rgba = Rgba(colour(x, y));
            pixels.insert(pixels.end(), rgba.begin(), rgba.end());
        }
    }
    return TestPng::Encode(width, height, pixels);
}

// 10 × 10: 2-pixel corners red, green, blue, yellow; grey borders; a cyan centre.
std::string NineGrid() {
    return Image(10, 10, [](int x, int y) {
        const bool left = x < 2, right = x >= 8, top = y < 2, bottom = y >= 8;
        if (left && top) return kRed;
        if (right && top) return kGreen;
        if (left && bottom) return kBlue;
        if (right && bottom) return kYellow;
        return left || right || top || bottom ? kGrey : kCyan;
    });
}

// 10 × 4 tile: column 0 red, column 9 blue, the rest green.
std::string Tile() {
    return Image(10, 4, [](int x, int) { return x == 0 ? kRed : x == 9 ? kBlue : kGreen; });
}

class SkinRenderTest : public ::testing::Test {
protected:
    bool Draw(const RECT& item, const wchar_t* image, const wchar_t* modifier = nullptr) {
        return CSkinRender::DrawImageString(canvas.dc(), &manager, item, paint, image, modifier);
    }

    ArchiveMode archive{{"grid.png", NineGrid()},
                        {"red.png", Image(2, 2, [](int, int) { return kRed; })},
                        {"half.png", Image(2, 2, [](int, int) { return 0x80FF0000u; })},
                        {"tile.png", Tile()}};
    CPaintManagerUI manager;
    Canvas canvas{120, 120};
    RECT paint = {0, 0, 120, 120};
};

TEST_F(SkinRenderTest, NineGridKeepsCornersAndStretchesTheCentre) {
    ASSERT_TRUE(Draw({0, 0, 100, 40}, L"file='grid.png' source='0,0,10,10' corner='2,2,2,2'"));
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.Pixel(1, 1), kRed);
    EXPECT_EQ(canvas.Pixel(2, 0), kGrey);
    EXPECT_EQ(canvas.Pixel(98, 1), kGreen);
    EXPECT_EQ(canvas.Pixel(97, 1), kGrey);
    EXPECT_EQ(canvas.Pixel(1, 38), kBlue);
    EXPECT_EQ(canvas.Pixel(99, 39), kYellow);
    EXPECT_EQ(canvas.CountOtherThan(kCyan, {2, 2, 98, 38}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {100, 0, 120, 120}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 40, 100, 120}), 0);
}

// Only the right and bottom sides have corners: their cells are drawn and no left or top cell is.
TEST_F(SkinRenderTest, EachSideOfTheNineGridHasItsOwnCells) {
    ASSERT_TRUE(Draw({0, 0, 100, 40}, L"file='grid.png' source='0,0,10,10' corner='0,0,2,2'"));
    EXPECT_EQ(canvas.Pixel(99, 20), kGrey);    // the right border cell
    EXPECT_EQ(canvas.Pixel(50, 39), kGrey);    // the bottom border cell
    EXPECT_EQ(canvas.Pixel(99, 39), kYellow);  // the bottom-right corner
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);       // the centre starts at the item's corner
}

TEST_F(SkinRenderTest, ABareNameDrawsTheWholeImageOverTheItem) {
    ASSERT_TRUE(Draw({10, 10, 30, 20}, L"red.png"));
    EXPECT_EQ(canvas.CountOtherThan(kRed, {10, 10, 30, 20}), 0);
    EXPECT_EQ(canvas.Pixel(9, 10), kWhite);
}

TEST_F(SkinRenderTest, MissingImagesAndBadStringsDrawNothing) {
    EXPECT_FALSE(Draw({0, 0, 50, 50}, L"source='0,0,10,10'"));
    EXPECT_FALSE(Draw({0, 0, 50, 50}, L"missing.png"));
    EXPECT_FALSE(Draw({0, 0, 50, 50}, L""));
    EXPECT_FALSE(Draw({0, 0, 50, 50}, L"file='red.png"));
    EXPECT_FALSE(Draw({0, 0, 50, 50}, L"file=''"));
    EXPECT_FALSE(CSkinRender::DrawImageString(canvas.dc(), nullptr, {0, 0, 5, 5}, paint, L"red.png", nullptr));
    EXPECT_FALSE(CSkinRender::DrawImageInfo(canvas.dc(), &manager, {0, 0, 5, 5}, paint, nullptr));
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 120, 120}), 0);
}

TEST_F(SkinRenderTest, DestIsRelativeToTheItemAndClampedToIt) {
    ASSERT_TRUE(Draw({10, 10, 110, 110}, L"file='red.png'  dest='1,1,5,5'"));
    EXPECT_EQ(canvas.CountOtherThan(kRed, {11, 11, 15, 15}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {15, 15, 120, 120}), 0);
    Canvas wide(120, 120);
    ASSERT_TRUE(CSkinRender::DrawImageString(wide.dc(), &manager, {0, 0, 100, 100}, paint,
                                             L"file='red.png' dest='0,0,500,500'", nullptr));
    EXPECT_EQ(wide.CountOtherThan(kRed, {0, 0, 100, 100}), 0);
    EXPECT_EQ(wide.CountOtherThan(kWhite, {100, 0, 120, 120}), 0);
}

TEST_F(SkinRenderTest, SizeAndAlignPlaceTheImageInsideTheItem) {
    ASSERT_TRUE(Draw({0, 0, 100, 30}, L"file='red.png' size='20,20' align='right bottom'"));
    EXPECT_EQ(canvas.CountOtherThan(kRed, {80, 10, 100, 30}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 80, 30}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {80, 0, 100, 10}), 0);
}

TEST_F(SkinRenderTest, FadeBlendsAndFullOpacityCopies) {
    ASSERT_TRUE(Draw({0, 0, 10, 10}, L"file='red.png' fade='128'"));
    EXPECT_TRUE(Near(canvas.Pixel(5, 5), 0xFFFF7F7F)) << std::hex << canvas.Pixel(5, 5);
    ASSERT_TRUE(Draw({20, 0, 30, 10}, L"file='red.png' fade='255'"));
    EXPECT_EQ(canvas.Pixel(25, 5), kRed);
    ASSERT_TRUE(Draw({40, 0, 50, 10}, L"file='half.png'"));  // premultiplied per-pixel alpha
    EXPECT_TRUE(Near(canvas.Pixel(45, 5), 0xFFFF7F7F)) << std::hex << canvas.Pixel(45, 5);
}

// An image without the alpha flag is copied byte for byte, even where its pixels carry an alpha
// below 255: over green, a copy leaves the raw blue, a blend would let the green through.
TEST(SkinRenderCopy, WithoutTheAlphaFlagPixelsAreCopiedNotBlended) {
    void* bits = nullptr;
    const ScopedGdiObject<HBITMAP> bitmap(CreateTopDownDib(4, 4, &bits));
    ASSERT_NE(bits, nullptr);
    for (int i = 0; i < 16; ++i) static_cast<uint32_t*>(bits)[i] = 0x80000080;  // A 0x80, blue 0x80
    struct Case {
        const char* what;
        RECT target;
    };
    const Case cases[] = {{"at its own size", {0, 0, 4, 4}}, {"stretched", {0, 0, 12, 12}}};
    for (const Case& c : cases) {
        Canvas canvas(16, 16, 0xFF00FF00);
        CSkinRender::DrawBitmap(canvas.dc(), bitmap.get(), c.target, {0, 0, 16, 16}, {0, 0, 4, 4}, {}, false, 255,
                                false, false, false);
        EXPECT_EQ(canvas.Pixel(2, 2), 0xFF000080u) << c.what << std::hex << " " << canvas.Pixel(2, 2);
        EXPECT_EQ(canvas.Pixel(14, 14), 0xFF00FF00u) << c.what;
    }
}

// A plain stretch is drawn from a copy stretched once and kept with the image: its pixels are
// those the direct stretch gives, for each source, size, fade and kind of image in turn.
TEST(SkinRenderStretch, DrawingFromTheKeptCopyGivesTheDirectStretchsPixels) {
    const auto ramp = [](uint32_t alpha) {
        return Image(12, 9, [alpha](int x, int y) {
            return alpha << 24 | static_cast<uint32_t>(x * 21) << 16 | static_cast<uint32_t>(y * 28) << 8 | 0x40;
        });
    };
    const ArchiveMode archive{{"opaque.png", ramp(0xFF)}, {"translucent.png", ramp(0x90)}};
    CPaintManagerUI manager;
    struct Case {
        const wchar_t* file;
        RECT source;
        RECT target;
        uint8_t fade;
    };
    const Case cases[] = {
        {L"opaque.png", {0, 0, 12, 9}, {3, 2, 40, 31}, 255},       // enlarged
        {L"opaque.png", {4, 3, 12, 9}, {3, 2, 40, 31}, 255},       // same size, another source
        {L"opaque.png", {0, 0, 12, 9}, {0, 0, 7, 5}, 255},         // reduced
        {L"opaque.png", {0, 0, 12, 9}, {3, 2, 40, 31}, 128},       // faded
        {L"translucent.png", {0, 0, 12, 9}, {3, 2, 40, 31}, 255},  // per-pixel alpha
        {L"translucent.png", {2, 1, 10, 9}, {3, 2, 40, 31}, 200},
    };
    const RECT paint = {0, 0, 48, 40};
    for (const Case& c : cases) {
        CStringUI image;
        image.Format(L"file='%ls' source='%d,%d,%d,%d' fade='%d'", c.file, c.source.left, c.source.top, c.source.right,
                     c.source.bottom, c.fade);
        const TSkinImage* decoded = manager.AcquireSkinImage(c.file, nullptr, 0);
        ASSERT_NE(decoded, nullptr);
        for (int draw = 0; draw < 2; ++draw) {  // the copy is made, then reused
            Canvas kept(48, 40), direct(48, 40);
            ASSERT_TRUE(CSkinRender::DrawImageString(kept.dc(), &manager, c.target, paint, image.GetData(), nullptr));
            CSkinRender::DrawBitmap(direct.dc(), decoded->bitmap, c.target, paint, c.source, {}, decoded->alpha, c.fade,
                                    false, false, false);
            int differing = 0;
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 48; ++x) differing += kept.Pixel(x, y) != direct.Pixel(x, y);
            }
            EXPECT_EQ(differing, 0) << image.GetData() << " draw " << draw;
            EXPECT_NE(kept.CountOtherThan(kWhite, c.target), 0) << image.GetData();
        }
    }
}

TEST_F(SkinRenderTest, XTilingRepeatsTheTileAndCutsTheLastOne) {
    ASSERT_TRUE(Draw({0, 0, 25, 8}, L"file='tile.png' xtiled='true'"));
    const uint32_t expected[25] = {kRed,   kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,
                                   kBlue,  kRed,   kGreen, kGreen, kGreen, kGreen, kGreen, kGreen, kGreen,
                                   kGreen, kBlue,  kRed,   kGreen, kGreen, kGreen, kGreen};
    for (int x = 0; x < 25; ++x) {
        EXPECT_EQ(canvas.Pixel(x, 0), expected[x]) << x;
        EXPECT_EQ(canvas.Pixel(x, 7), expected[x]) << x;  // the tile's 4 rows stretched to 8
    }
    EXPECT_EQ(canvas.Pixel(25, 0), kWhite);
}

TEST_F(SkinRenderTest, PiecesOutsideThePaintRectangleAreNotDrawn) {
    paint = {0, 0, 2, 2};  // the top-left corner cell only
    ASSERT_TRUE(Draw({0, 0, 100, 40}, L"file='grid.png' corner='2,2,2,2'"));
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {2, 0, 120, 120}), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 2, 2, 120}), 0);

    Canvas copy(120, 120);
    paint = {0, 0, 1, 2};  // an unstretched copy takes just its intersection with the paint
    ASSERT_TRUE(CSkinRender::DrawImageString(copy.dc(), &manager, {0, 0, 2, 2}, paint, L"red.png", nullptr));
    EXPECT_EQ(copy.Pixel(0, 1), kRed);
    EXPECT_EQ(copy.Pixel(1, 1), kWhite);

    paint = {60, 60, 120, 120};  // an item outside the paint: true, nothing drawn
    Canvas outside(120, 120);
    EXPECT_TRUE(CSkinRender::DrawImageString(outside.dc(), &manager, {0, 0, 50, 50}, paint, L"red.png", nullptr));
    EXPECT_EQ(outside.CountOtherThan(kWhite, {0, 0, 120, 120}), 0);
}

TEST(SkinRenderColours, DrawColorBlendsAndIgnoresTransparentColours) {
    CPaintManagerUI manager;  // starts GDI+
    Canvas canvas(20, 20);
    CSkinRender::DrawColor(canvas.dc(), {0, 0, 20, 20}, 0x00FFFFFF);
    CSkinRender::DrawColor(canvas.dc(), {0, 0, 20, 20}, 0x00000000);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 20, 20}), 0);
    CSkinRender::DrawColor(canvas.dc(), {0, 0, 10, 20}, 0x80000000);
    EXPECT_TRUE(Near(canvas.Pixel(5, 5), 0xFF7F7F7F)) << std::hex << canvas.Pixel(5, 5);
    CSkinRender::DrawColor(canvas.dc(), {10, 0, 20, 20}, kBlue);
    EXPECT_EQ(canvas.Pixel(15, 5) & 0xFFFFFF, kBlue & 0xFFFFFF);
}

// On a transparent layered bitmap, an opaque fill must read as opaque under the layered alpha
// rules whichever way it was drawn: black included, which GDI would leave transparent.
TEST(SkinRenderColours, OpaqueFillsStayOpaqueUnderTheLayeredAlphaRules) {
    CPaintManagerUI manager;
    for (const uint32_t colour : {kWhite, 0xFF102030u, 0xFF000000u, 0xFF000001u}) {
        void* bits = nullptr;
        const ScopedGdiObject<HBITMAP> bitmap(CreateTopDownDib(4, 4, &bits));
        ASSERT_NE(bits, nullptr);
        const ScopedMemoryDC dc;
        const ScopedSelectObject select(dc.get(), bitmap.get());
        CSkinRender::DrawColor(dc.get(), {0, 0, 4, 4}, colour);
        GdiFlush();
        EXPECT_EQ(OpaqueWhereDrawn(static_cast<uint32_t*>(bits)[5]), colour) << std::hex << colour;
    }
}

TEST(SkinRenderColours, GradientsBlendAtTheMeanAlpha) {
    CPaintManagerUI manager;
    Canvas canvas(40, 40);
    CSkinRender::DrawGradient(canvas.dc(), {0, 0, 40, 20}, 0x00FF0000, 0x80FF0000, true, 64);
    EXPECT_TRUE(Near(canvas.Pixel(20, 10), 0xFFFFBFBF)) << std::hex << canvas.Pixel(20, 10);
    CSkinRender::DrawGradient(canvas.dc(), {0, 20, 40, 40}, 0xFF000000, 0xFFFFFFFF, false, 64);
    EXPECT_LT(canvas.Pixel(1, 30) & 0xFF, 0x20u);
    EXPECT_GT(canvas.Pixel(38, 30) & 0xFF, 0xE0u);
    Canvas untouched(10, 10);
    CSkinRender::DrawGradient(untouched.dc(), {0, 0, 10, 10}, 0x00FF0000, 0x01FF0000, true, 64);
    EXPECT_EQ(untouched.CountOtherThan(kWhite, {0, 0, 10, 10}), 0);
}

TEST(SkinRenderShapes, LinesAndRectangles) {
    CPaintManagerUI manager;
    Canvas canvas(60, 60);
    CSkinRender::DrawLine(canvas.dc(), {0, 5, 30, 5}, 1, 0xFF000000);
    EXPECT_EQ(canvas.Pixel(10, 5) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas.Pixel(10, 6), kWhite);
    CSkinRender::DrawRect(canvas.dc(), {10, 10, 30, 30}, 1, 0xFF000000);
    EXPECT_LT(canvas.Pixel(10, 20) & 0xFF, 0x40u);
    EXPECT_LT(canvas.Pixel(29, 20) & 0xFF, 0x40u);
    EXPECT_EQ(canvas.Pixel(20, 20), kWhite);
    CSkinRender::DrawRoundRect(canvas.dc(), {35, 35, 59, 59}, 1, 8, 8, 0xFF000000);
    EXPECT_LT(canvas.Pixel(47, 35) & 0xFF, 0x80u);
    EXPECT_EQ(canvas.Pixel(35, 35), kWhite);  // the rounded corner leaves the box corner alone
    EXPECT_EQ(canvas.Pixel(47, 47), kWhite);
}

TEST(SkinRenderText, GdiTextAndTheSingleCharacterEscape) {
    CPaintManagerUI manager;
    manager.AddSkinFont(0, L"Tahoma", 16, false, false, false, false);
    Canvas canvas(200, 60);
    RECT escaped = {0, 0, 200, 30}, plain = {0, 30, 200, 60};
    CSkinRender::DrawText(canvas.dc(), &manager, escaped, L"&#x41;", 0xFF000000, 0, DT_SINGLELINE);
    CSkinRender::DrawText(canvas.dc(), &manager, plain, L"A", 0xFF000000, 0, DT_SINGLELINE);
    EXPECT_GT(canvas.CountOtherThan(kWhite, {0, 0, 200, 30}), 10);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 200; ++x) ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(x, y + 30)) << x << "," << y;
    }
    RECT measured = {0, 0, 200, 30};
    CSkinRender::DrawText(canvas.dc(), &manager, measured, L"&#xE001;", 0xFF000000, 0, DT_SINGLELINE | DT_CALCRECT);
    RECT single = {0, 0, 200, 30};
    const wchar_t privateUse[] = {0xE001, 0};
    CSkinRender::DrawText(canvas.dc(), &manager, single, privateUse, 0xFF000000, 0, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(measured.right, single.right);
    EXPECT_GT(measured.right, 0);
}

TEST(SkinRenderText, GdiplusTextAndMeasuring) {
    CPaintManagerUI manager;
    manager.AddSkinFont(0, L"Tahoma", 16, false, false, false, false);
    manager.SetUseGdiplusText(true);
    Canvas canvas(200, 40);
    RECT rect = {0, 0, 200, 40};
    CSkinRender::DrawText(canvas.dc(), &manager, rect, L"Corvana", 0xFF000000, 0, DT_SINGLELINE | DT_VCENTER);
    EXPECT_GT(canvas.CountOtherThan(kWhite, {0, 0, 200, 40}), 30);
    RECT calc = {0, 0, 200, 40};
    CSkinRender::DrawText(canvas.dc(), &manager, calc, L"Corvana", 0xFF000000, 0, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(calc.right, 20);
    EXPECT_LT(calc.right, 200);

    const SIZE one = CSkinRender::MeasureText(canvas.dc(), &manager, L"A", 0);
    const SIZE two = CSkinRender::MeasureText(canvas.dc(), &manager, L"AA", 0);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_EQ(CSkinRender::MeasureText(canvas.dc(), &manager, L"", 0).cx, 0);
    EXPECT_EQ(CSkinRender::MeasureText(canvas.dc(), nullptr, L"A", 0).cx, 0);
}

TEST(SkinRenderClip, ScopesLimitDrawingAndRestoreThePreviousClip) {
    CPaintManagerUI manager;
    Canvas canvas(40, 40);
    {
        CSkinClip clip;
        CSkinRender::ClipToRect(canvas.dc(), {0, 0, 10, 10}, clip);
        CSkinRender::DrawColor(canvas.dc(), {0, 0, 40, 40}, kRed);
        EXPECT_EQ(canvas.CountOtherThan(kWhite, {10, 0, 40, 40}), 0);
        CSkinRender::UseOldClipBegin(canvas.dc(), clip);
        CSkinRender::DrawColor(canvas.dc(), {20, 20, 30, 30}, kBlue);
        CSkinRender::UseOldClipEnd(canvas.dc(), clip);
        CSkinRender::DrawColor(canvas.dc(), {30, 30, 40, 40}, kBlue);
    }
    EXPECT_EQ(canvas.Pixel(5, 5) & 0xFFFFFF, kRed & 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(25, 25) & 0xFFFFFF, kBlue & 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(35, 35), kWhite);
    {
        CSkinClip rounded;
        CSkinRender::ClipToRoundRect(canvas.dc(), {0, 0, 40, 40}, {0, 0, 39, 39}, 20, 20, rounded);
        CSkinRender::DrawColor(canvas.dc(), {0, 0, 40, 40}, kGreen);
    }
    EXPECT_EQ(canvas.Pixel(0, 39), kWhite);  // outside the rounded corner
    EXPECT_EQ(canvas.Pixel(20, 20) & 0xFFFFFF, kGreen & 0xFFFFFF);
}

TEST(SkinRenderHelpers, AdjustColorAndArgbBitmaps) {
    EXPECT_EQ(CSkinRender::AdjustColor(0x80123456, 180, 100, 100), 0x80123456u);
    EXPECT_TRUE(Near(CSkinRender::AdjustColor(0xFFFF0000, 300, 100, 100), 0xFF00FF00));
    EXPECT_TRUE(Near(CSkinRender::AdjustColor(0x40FF0000, 180, 0, 100), 0x40808080, 2));
    Canvas canvas(1, 1);
    uint32_t* bits = nullptr;
    const ScopedGdiObject<HBITMAP> bitmap(CSkinRender::CreateArgbBitmap(canvas.dc(), 7, 3, &bits));
    ASSERT_NE(bitmap.get(), nullptr);
    ASSERT_NE(bits, nullptr);
    BITMAP info = {};
    GetObjectW(bitmap.get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

}  // namespace
