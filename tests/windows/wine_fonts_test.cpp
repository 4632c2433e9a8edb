// The test prefix is prepared for the engine's text: Wine's own fonts are installed and the
// Chinese faces the skins ask for are substituted by a font that has the glyphs.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/windows/test_support.h"

namespace {

using TestSupport::Canvas;

class FontScope {
public:
    FontScope(HDC dc, const wchar_t* face, int height)
        : font_(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                            ANTIALIASED_QUALITY, 0, face)),
          selected_(dc, font_.get()) {}

private:
    Tovik::ScopedGdiObject<HFONT> font_;
    Tovik::ScopedSelectObject selected_;
};

const wchar_t kTitle[] = L"Corvana\x5728\x7EBF\x5B89\x88C5\x7A0B\x5E8F";

class ChineseFaces : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ChineseFaces, HaveEveryGlyphOfTheTitleAndDrawThem) {
    Canvas canvas(240, 40);
    FontScope font(canvas.dc(), GetParam(), 20);
    WORD glyphs[ARRAYSIZE(kTitle) - 1];
    ASSERT_EQ(GetGlyphIndicesW(canvas.dc(), kTitle, ARRAYSIZE(glyphs), glyphs, GGI_MARK_NONEXISTING_GLYPHS),
              ARRAYSIZE(glyphs));
    for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF);

    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    TextOutW(canvas.dc(), 2, 2, kTitle + 7, 6);
    EXPECT_GT(canvas.CountOtherThan(0xFFFFFFFF, {0, 0, 240, 40}), 100);
}

INSTANTIATE_TEST_SUITE_P(Substitutes, ChineseFaces,
                         ::testing::Values(L"Microsoft YaHei", L"\x5FAE\x8F6F\x96C5\x9ED1", L"SimSun",
                                           L"\x5B8B\x4F53"));

TEST(WineFonts, WineOwnFontsAreInstalled) {
    Canvas canvas(64, 32);
    FontScope font(canvas.dc(), L"Tahoma", 16);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(canvas.dc(), LF_FACESIZE, face);
    EXPECT_STREQ(face, L"Tahoma");
}

}  // namespace
