// Formatted text drawn with GDI under Wine: colours on the canvas, the clip, links and measuring
// against GDI's own extents, and the style-variant fonts the window keeps.
#include <gtest/gtest.h>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_support.h"
#include "ui/core/skin_render.h"

using namespace Tovik;
using TestSupport::Canvas;
using TestSupport::ManagedWindow;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

class FormattedTextTest : public ::testing::Test {
protected:
    void SetUp() override { window.manager().AddSkinFont(0, L"Arial", 16, false, false, false, false); }

    int Draw(const wchar_t* text, RECT rect, UINT format = 0, int capacity = 0) {
        CSkinRender::DrawFormattedText(canvas.dc(), &window.manager(), rect, text, 0xFF000000, links, texts, capacity,
                                       0, format);
        measured = rect;
        return capacity;
    }
    SIZE Extent(const wchar_t* text, bool bold = false) {
        TSkinFont* base = window.manager().FontInfoById(0);
        const HFONT font =
            bold ? window.manager().AcquireVariantFont(base->face.GetData(), 16, true, false, false)->handle
                 : base->handle;
        const ScopedSelectObject select(canvas.dc(), font);
        SIZE size = {};
        GetTextExtentPoint32W(canvas.dc(), text, static_cast<int>(wcslen(text)), &size);
        return size;
    }

    ManagedWindow window;
    Canvas canvas{200, 60};
    RECT links[4] = {};
    CStringUI texts[4];
    RECT measured = {};
};

TEST_F(FormattedTextTest, ColoursReachThePixelsInsideTheRectangleOnly) {
    Draw(L"<c #FFFF0000>WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW</c>", {10, 10, 60, 40});
    const auto red = [&](const RECT& area) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += canvas.Pixel(x, y) == 0xFFFF0000;
        }
        return count;
    };
    EXPECT_GT(red({10, 10, 60, 40}), 20);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {60, 0, 200, 60}), 0);  // clipped at the right
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 10, 60}), 0);
}

TEST_F(FormattedTextTest, MeasuringAndLinksFollowGdisExtents) {
    Draw(L"ab<b>cd</b>", {0, 0, 9999, 100}, DT_CALCRECT);
    const TEXTMETRICW& metrics = window.manager().FontInfoById(0)->metrics;
    EXPECT_EQ(measured.right, Extent(L"ab").cx + Extent(L"cd", true).cx);
    EXPECT_EQ(measured.bottom, metrics.tmHeight + metrics.tmExternalLeading);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, {0, 0, 200, 60}), 0);

    ASSERT_EQ(Draw(L"go <a open>here</a>", {0, 0, 200, 60}, 0, 4), 1);
    EXPECT_EQ(texts[0], L"open");
    EXPECT_EQ(links[0].left, Extent(L"go ").cx);
    EXPECT_EQ(links[0].bottom, metrics.tmHeight + metrics.tmExternalLeading);
}

// Variants are kept under ids of their own and reused: a bold font stays alive (and is found
// again) after a bold italic one was made beside it, and drawing again makes no new font.
TEST_F(FormattedTextTest, VariantFontsStayAliveAndAreReused) {
    CPaintManagerUI& manager = window.manager();
    const HFONT selectedBefore = static_cast<HFONT>(GetCurrentObject(canvas.dc(), OBJ_FONT));
    Draw(L"<b>a<i>b</i>c</b>", {0, 0, 200, 60});
    const CStringUI face = manager.FontInfoById(0)->face;
    const HFONT bold = manager.FindFontHandle(face.GetData(), 16, true, false, false);
    const HFONT boldItalic = manager.FindFontHandle(face.GetData(), 16, true, false, true);
    ASSERT_NE(bold, nullptr);
    ASSERT_NE(boldItalic, nullptr);
    EXPECT_EQ(GetObjectType(bold), static_cast<DWORD>(OBJ_FONT));
    const HFONT thirdId = manager.FontHandleById(CPaintManagerUI::kFirstVariantFontId + 2);
    Draw(L"<b>a<i>b</i>c</b>", {0, 0, 200, 60});
    EXPECT_EQ(manager.FindFontHandle(face.GetData(), 16, true, false, false), bold);
    EXPECT_EQ(manager.FontHandleById(CPaintManagerUI::kFirstVariantFontId + 2), thirdId);  // nothing new
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), selectedBefore);                    // the DC's font comes back
}

}  // namespace

namespace {

// A raster font has no ABC widths: leaving italic then shifts the pen by nothing.
TEST_F(FormattedTextTest, ARasterFontGivesNoItalicShift) {
    CPaintManagerUI& manager = window.manager();
    manager.AddSkinFont(5, L"Courier", 13, false, false, false, false);
    TSkinFont* raster = manager.FontInfoById(5);
    ABC widths = {};
    {
        const ScopedSelectObject select(canvas.dc(), raster->handle);
        if ((raster->metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0 ||
            GetCharABCWidthsW(canvas.dc(), L' ', L' ', &widths)) {
            GTEST_SKIP() << "no raster Courier here";
        }
    }
    const auto width = [&](const wchar_t* text, bool italic) {
        TSkinFont* font = italic ? manager.AcquireVariantFont(raster->face.GetData(), 13, false, false, true) : raster;
        const ScopedSelectObject select(canvas.dc(), font->handle);
        SIZE size = {};
        GetTextExtentPoint32W(canvas.dc(), text, 1, &size);
        return size.cx;
    };
    RECT area = {0, 0, 9999, 100};
    int none = 0;
    CSkinRender::DrawFormattedText(canvas.dc(), &manager, area, L"<i>a</i>b", 0xFF000000, nullptr, nullptr, none, 5,
                                   DT_CALCRECT);
    EXPECT_EQ(area.right, width(L"a", true) + width(L"b", false));
}

}  // namespace
