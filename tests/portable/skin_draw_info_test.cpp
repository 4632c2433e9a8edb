// Image attribute strings: pair syntax, every key, modifiers overriding, DPI scaling of names.
#include "ui/core/skin_draw_info.h"

#include <gtest/gtest.h>

using Tovik::CDpiScaler;
using Tovik::ParseDrawInfo;
using Tovik::TSkinDrawInfo;

namespace {

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TSkinDrawInfo Parse(const wchar_t* image, const wchar_t* modifier = nullptr, const CDpiScaler* scaler = nullptr) {
    TSkinDrawInfo info;
    ParseDrawInfo(info, image, modifier, scaler);
    return info;
}

TEST(ParseDrawInfo, ABareStringIsTheImageName) {
    const TSkinDrawInfo info = Parse(L"btn.png");
    EXPECT_EQ(info.name, L"btn.png");
    EXPECT_EQ(info.imageString, L"btn.png");
    EXPECT_EQ(info.fade, 255);
    EXPECT_TRUE(Same(info.dest, RECT{}));
}

TEST(ParseDrawInfo, ReadsEveryKey) {
    const TSkinDrawInfo info = Parse(
        L"file='a.png' restype='PNG' dest='1,2,3,4' source='0,0,10,10' corner='2,2,2,2' mask='#FFFF00FF' "
        L"fade='128' hole='TRUE' xtiled='true' ytiled='yes' hsl='True' size='20,30' align='right bottom' "
        L"padding='5,6,7,8' unknown='x'");
    EXPECT_EQ(info.name, L"a.png");
    EXPECT_EQ(info.resourceType, L"PNG");
    EXPECT_TRUE(Same(info.dest, RECT{1, 2, 3, 4}));
    EXPECT_TRUE(Same(info.source, RECT{0, 0, 10, 10}));
    EXPECT_TRUE(Same(info.corner, RECT{2, 2, 2, 2}));
    EXPECT_EQ(info.colourKey, 0xFFFF00FFu);
    EXPECT_EQ(info.fade, 128);
    EXPECT_TRUE(info.hole);
    EXPECT_TRUE(info.xTiled);
    EXPECT_FALSE(info.yTiled);
    EXPECT_TRUE(info.hsl);
    EXPECT_EQ(info.size.cx, 20);
    EXPECT_EQ(info.size.cy, 30);
    EXPECT_EQ(info.align, L"right bottom");
    EXPECT_TRUE(Same(info.padding, RECT{5, 6, 7, 8}));
}

TEST(ParseDrawInfo, SeparatorsDecideHowFarTheStringIsRead) {
    struct Case {
        const wchar_t* text;
        RECT dest;
    };
    const Case cases[] = {
        {L"file='a.png'  dest='1,1,5,5'", {1, 1, 5, 5}},   // two spaces
        {L"file='a.png'\tdest='1,1,5,5'", {0, 0, 0, 0}},   // a tab ends the string
        {L"file = 'a.png' dest='1,1,5,5'", {1, 1, 5, 5}},  // spaces around '='
        {L"file='a.png'dest='1,1,5,5'", {0, 0, 0, 0}},     // no separator
        {L"file='a.png' dest=\"1,1,5,5\"", {0, 0, 0, 0}},  // double quotes
        {L"file='a.png' dest='1,1,5,5", {0, 0, 0, 0}},     // unterminated value
        {L"file='a.png' dest '1,1,5,5'", {0, 0, 0, 0}},    // no '='
    };
    for (const Case& c : cases) {
        const TSkinDrawInfo info = Parse(c.text);
        EXPECT_EQ(info.name, L"a.png") << c.text;
        EXPECT_TRUE(Same(info.dest, c.dest)) << c.text;
    }
}

TEST(ParseDrawInfo, PairsWithoutAFileKeepTheWholeStringAsName) {
    EXPECT_EQ(Parse(L"source='0,0,10,10'").name, L"source='0,0,10,10'");
}

TEST(ParseDrawInfo, TheModifierOverridesAndEmptyValuesKeepDefaults) {
    const TSkinDrawInfo info = Parse(L"file='a.png' fade='100' dest='1,1,2,2'", L"fade='200' dest='' res='b.png'");
    EXPECT_EQ(info.fade, 200);
    EXPECT_TRUE(Same(info.dest, RECT{1, 1, 2, 2}));
    EXPECT_EQ(info.name, L"b.png");
    EXPECT_EQ(info.modifierString, L"fade='200' dest='' res='b.png'");
}

TEST(ParseDrawInfo, NumbersStartOneCharacterAfterThePreviousOne) {
    EXPECT_TRUE(Same(Parse(L"file='a' dest='1;2;3;4'").dest, RECT{1, 2, 3, 4}));
    EXPECT_TRUE(Same(Parse(L"file='a' dest='7,8'").dest, RECT{7, 8, 0, 0}));
    EXPECT_EQ(Parse(L"file='a' fade='999'").fade, 255);
    EXPECT_EQ(Parse(L"file='a' mask='ff00ff00'").colourKey, 0xFF00FF00u);
}

TEST(ParseDrawInfo, DpiScalesGeometryButNotSizeAndRenamesTheImage) {
    CDpiScaler scaler;
    EXPECT_EQ(Parse(L"file='skin/a.b.png'", nullptr, &scaler).name, L"skin/a.b.png");
    scaler.SetDpi(144);
    const TSkinDrawInfo info =
        Parse(L"file='skin/a.png' dest='2,2,12,12' corner='2,2,2,2' size='20,20' padding='2,0,0,0'", nullptr, &scaler);
    EXPECT_EQ(info.name, L"skin/a@150.png");
    EXPECT_TRUE(Same(info.dest, RECT{3, 3, 18, 18}));
    EXPECT_TRUE(Same(info.corner, RECT{3, 3, 3, 3}));
    EXPECT_EQ(info.size.cx, 20);
    EXPECT_TRUE(Same(info.padding, RECT{3, 0, 0, 0}));
}

// What a fuzzer found: geometry whose width does not fit an int, scaled at 150 %.
TEST(ParseDrawInfo, ExtremeGeometryParsesWithoutOverflow) {
    CDpiScaler scaler;
    scaler.SetDpi(144);
    TSkinDrawInfo info;
    ParseDrawInfo(
        info, L"file='a.png' dest='-2072945290,0,1494749262,0' source='2147483647,-2147483648,-2147483648,2147483647'",
        nullptr, &scaler);
    EXPECT_EQ(info.name, L"a@150.png");
    ParseDrawInfo(info, L"file='a.png' corner='-2147483648,-2147483648,2147483647,2147483647'", nullptr, nullptr);
    EXPECT_EQ(info.corner.left, INT32_MIN);
    EXPECT_EQ(info.corner.bottom, INT32_MAX);
}

}  // namespace
