// The formatted-text walk with a windowless host: what is drawn where, links, measuring, and
// hostile markup (closing tags on empty stacks, unterminated tags, surrogate pairs, long words).
#include "ui/core/formatted_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/portable/fake_text_host.h"

using namespace Tovik;
using TestText::FakeTextHost;

namespace {

constexpr uint32_t kBlack = 0xFF000000;
constexpr unsigned kPlain = 0;

struct Laid {
    std::wstring drawn;
    RECT rect;
    int links;
    RECT link[4];
    CStringUI texts[4];
};

Laid LayOut(const wchar_t* text, int width, unsigned flags = kPlain, int height = 100, FakeTextHost* given = nullptr,
            int capacity = 4) {
    FakeTextHost local;
    FakeTextHost& host = given != nullptr ? *given : local;
    Laid laid = {};
    laid.rect = RECT{0, 0, width, height};
    TTextLinks links;
    links.rects = laid.link;
    links.texts = laid.texts;
    links.capacity = capacity;
    LayOutFormattedText(host, laid.rect, text, kBlack, links, flags);
    laid.drawn = host.Drawn();
    laid.links = links.count;
    return laid;
}

// Each row: the text, the rectangle's width, the flags, and what is drawn ("x,y:text" with
// /b /i /u for styles, /size for other sizes, #colour when not the text colour, /s selected).
TEST(FormattedText, TagsAndLinesDrawWhereTheyShould) {
    struct Row {
        const wchar_t* text;
        int width;
        unsigned flags;
        const wchar_t* drawn;
    };
    const Row rows[] = {
        {L"<b>bold</b> normal", 200, kPlain, L"0,0:bold/b | 28,0:  | 34,0:normal"},
        {L"<c #FFFF0000>red</c>x", 200, kPlain, L"0,0:red#FFFF0000 | 18,0:x"},
        {L"{c #FF00FF00}green{/c}", 200, kPlain, L"0,0:green#FF00FF00"},
        {L"<i>it</i>", 200, kPlain, L"0,0:it/i"},
        {L"<u>u</u><i><b>x</b>y</i>", 200, kPlain, L"0,0:u/u | 6,0:x/b/i | 13,0:y/i"},
        {L"<f 1>big</f>s", 200, kPlain, L"0,0:big/20 | 36,12:s"},  // the small run on the tall line's bottom
        {L"<f Arial 20 bold>x</f>", 200, kPlain, L"0,0:x/b/20"},
        {L"<{>a<}>{<}b{>}", 200, kPlain, L"0,0:{ | 6,0:a | 12,0:} | 18,0:< | 24,0:b | 30,0:>"},
        {L"a<n>b\nc", 200, kPlain, L"0,0:a | 0,12:b | 0,24:c"},
        {L"a<n>b", 200, FormatSingleLine, L"0,0:a | 6,0:b"},
        {L"<x 10>a<y 30>b", 200, kPlain, L"10,18:a | 16,18:b"},
        {L"a<p 5>b</p>c", 200, kPlain, L"0,5:a | 0,22:b | 0,34:c"},  // the spacing tops each line it is on
        {L"<s>sel</s>x", 200, kPlain, L"0,0:sel/s | 18,0:x"},
        {L"<r><b>x</b> y</r>z", 200, kPlain, L"0,0:<b>x</b> y | 60,0:z"},
        {L"<z whatever>x</z>", 200, kPlain, L"0,0:x"},
        {L"<b unterminated", 200, kPlain, L""},
        {L"a < b { c", 200, kPlain, L"0,0:a | 6,0:  | 12,0:< | 18,0:  | 24,0:b | 30,0:  | 36,0:{ | 42,0:  | 48,0:c"},
        {L"<i btn.png 4 2>x", 200, kPlain, L"[btn.png 0,1 from 20-30] | 10,0:x"},
        {L"<i file='btn.png' source='1,2,3,4'>", 200, kPlain, L"[btn.png 0,1 from 0-40]"},
        {L"<i missing.png>x", 200, kPlain, L"0,0:x"},
        {L"aaaa<i tall.png>", 30, kPlain, L"0,0:aaaa | [tall.png 0,12 from 0-8]"},  // waits for the next line
        {L"abcdefghij", 30, kPlain, L"0,0:abcde | 0,12:fghij"},
        {L"alpha beta", 50, FormatWordBreak, L"0,0:alpha | 30,0:  | 0,12:beta"},
        {L"ab-cdef", 30, FormatWordBreak, L"0,0:ab- | 0,12:cdef"},
        {L"abcdefghij", 42, FormatSingleLine | FormatEndEllipsis, L"0,0:abcd | 24,0:..."},
        {L"ab", 200, FormatSingleLine | FormatCenter, L"94,0:ab"},
        {L"ab", 200, FormatSingleLine | FormatRight | FormatVCenter, L"188,44:ab"},
        {L"a\xD83D\xDE00"
         L"b",
         18, kPlain, L"0,0:a\xD83D\xDE00 | 0,12:b"},  // a pair is never split
    };
    for (const Row& row : rows) EXPECT_EQ(LayOut(row.text, row.width, row.flags).drawn, row.drawn) << row.text;
}

// Closing tags with nothing to close pop nothing: the base font, colour and spacing stay, a stray
// </a> records no link and a stray </s> selects nothing.
TEST(FormattedText, ClosingTagsOnEmptyStacksPopNothing) {
    const Laid laid = LayOut(L"</b></c></p></a></i></u></f></s>x<b>y</b></b>z", 200);
    EXPECT_EQ(laid.drawn, L"0,0:x | 6,0:y/b | 13,0:z");
    EXPECT_EQ(laid.links, 0);
    EXPECT_EQ(LayOut(L"<c #FFFF0000><b></a>x", 200).drawn, L"0,0:x");  // </a> pops a colour and a font
}

TEST(FormattedText, LinksRecordARectangleForEachLineTheyCover) {
    Laid one = LayOut(L"go <a open>here</a> now", 200);
    ASSERT_EQ(one.links, 1);
    EXPECT_EQ(one.texts[0], L"open");
    EXPECT_EQ(one.link[0].left, 18);
    EXPECT_EQ(one.link[0].right, 42);
    EXPECT_EQ(one.link[0].bottom, 12);
    EXPECT_EQ(one.drawn, L"0,0:go | 12,0:  | 18,0:here/u | 42,0:  | 48,0:now");

    Laid wrapped = LayOut(L"<a two>aaa bbb</a>", 30);
    ASSERT_EQ(wrapped.links, 2);
    EXPECT_EQ(wrapped.texts[0], L"two");
    EXPECT_EQ(wrapped.texts[1], L"two");
    EXPECT_EQ(wrapped.link[0].right, 30);
    EXPECT_EQ(wrapped.link[1].top, 12);
    EXPECT_EQ(wrapped.link[1].right, 12);
    EXPECT_EQ(wrapped.link[1].bottom, 24);

    EXPECT_EQ(LayOut(L"<a 1>a</a><a 2>b</a><a 3>c</a>", 200, kPlain, 100, nullptr, 2).links, 2);
}

// The link under the mouse (by the previous call's rectangles) takes the hover colour; with a
// text colour of 0 links take the window's link colour.
TEST(FormattedText, TheHoveredLinkTakesTheHoverColour) {
    FakeTextHost host;
    host.mouse = POINT{20, 5};
    RECT rects[2] = {{18, 0, 42, 12}, {0, 0, 0, 0}};
    CStringUI texts[2] = {L"open", L""};
    TTextLinks links;
    links.rects = rects;
    links.texts = texts;
    links.capacity = 2;
    links.count = 1;
    RECT area = {0, 0, 200, 50};
    LayOutFormattedText(host, area, L"<a open>x</a><a other>y</a>", 0, links, kPlain);
    host.baseColour = 0;
    EXPECT_EQ(host.Drawn(), L"0,0:x/u#FFFF00FF | 6,0:y/u#FF0000FF");
}

TEST(FormattedText, MeasuringDrawsNothingAndGivesTheExtent) {
    FakeTextHost host;
    RECT area = {0, 0, 9999, 100};
    TTextLinks none;
    LayOutFormattedText(host, area, L"hello <b>you</b>", kBlack, none, FormatCalcRect);
    EXPECT_TRUE(host.drawn.empty());
    EXPECT_EQ(area.right, 57);  // 5 × 6 + 6 + 3 × 7
    EXPECT_EQ(area.bottom, 12);
    RECT tall = {0, 0, 9999, 100};
    LayOutFormattedText(host, tall, L"a\nb<i tall.png>", kBlack, none, FormatCalcRect);
    EXPECT_EQ(tall.bottom, 42);  // the second line is as high as the image
}

// An italic run ends with the pen moved by half the space's overhang; a font that cannot tell
// moves it by nothing.
TEST(FormattedText, LeavingItalicShiftsByHalfTheOverhang) {
    FakeTextHost host;
    host.overhang = 4;
    LayOut(L"<i>a</i>b", 200, kPlain, 100, &host);
    EXPECT_EQ(host.Drawn(), L"0,0:a/i | 8,0:b");
}

TEST(FormattedText, NothingHappensForNoTextOrAnEmptyRectangle) {
    FakeTextHost host;
    TTextLinks none;
    RECT empty = {10, 10, 10, 50};
    LayOutFormattedText(host, empty, L"x", kBlack, none, kPlain);
    RECT area = {0, 0, 100, 100};
    LayOutFormattedText(host, area, nullptr, kBlack, none, kPlain);
    EXPECT_TRUE(host.drawn.empty());
}

// Lines stop below the rectangle; a very long word at the start of each line still moves on.
TEST(FormattedText, LongTextsStopAtTheBottomAndEveryLineMovesOn) {
    const std::wstring word(5000, L'w');
    const Laid laid = LayOut(word.c_str(), 1, kPlain, 30);
    EXPECT_EQ(laid.drawn, L"0,0:w | 0,12:w | 0,24:w");
    // With the ellipsis a line's first character stays too (measuring has no bottom to stop at).
    EXPECT_EQ(LayOut(L"abc", 1, FormatEndEllipsis | FormatCalcRect).rect.bottom, 36);
}

}  // namespace
