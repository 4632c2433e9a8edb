// The attribute value syntax, natively and under the sanitizers: numbers each followed by one
// skipped separator (empty fields read as 0), booleans and colours.
#include "ui/core/attribute_values.h"

#include <gtest/gtest.h>

using namespace Tovik;

namespace {

struct RectCase {
    const wchar_t* text;
    RECT expected;
};

TEST(AttributeValues, RectanglesSkipExactlyOneSeparatorAfterEachNumber) {
    const RectCase cases[] = {
        {L"1,2,3,4", {1, 2, 3, 4}}, {L"1 2;3x4", {1, 2, 3, 4}},
        {L"-5,6", {-5, 6, 0, 0}},   {L"1,,3,4", {1, 0, 3, 4}},  // an empty field reads as 0 and reading goes on
        {L",5", {0, 5, 0, 0}},      {L"abc", {0, 0, 0, 0}},
        {L"", {0, 0, 0, 0}},        {L"1,2,3,4,5", {1, 2, 3, 4}},
    };
    for (const RectCase& c : cases) {
        const RECT r = ParseRect(c.text);
        EXPECT_EQ(r.left, c.expected.left) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(r.top, c.expected.top) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(r.right, c.expected.right) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(r.bottom, c.expected.bottom) << testing::PrintToString(std::wstring(c.text));
    }
    const SIZE size = ParseSize(L"6,7,8");
    EXPECT_EQ(size.cx, 6);
    EXPECT_EQ(size.cy, 7);
    double fractions[4] = {};
    ParseFractions(L"0.5,0.25", fractions);
    EXPECT_DOUBLE_EQ(fractions[0], 0.5);
    EXPECT_DOUBLE_EQ(fractions[1], 0.25);
    EXPECT_DOUBLE_EQ(fractions[2], 0.0);
}

TEST(AttributeValues, BooleansIntegersAndColours) {
    EXPECT_TRUE(ParseBool(L"TRUE"));
    EXPECT_TRUE(ParseBool(L"true"));
    EXPECT_FALSE(ParseBool(L"1"));
    EXPECT_FALSE(ParseBool(L"true "));
    EXPECT_EQ(ParseInt(L" 42px"), 42);
    EXPECT_EQ(ParseInt(L"abc"), 0);
    EXPECT_EQ(ParseColour(L"#FF102030", false), 0xFF102030u);
    EXPECT_EQ(ParseColour(L"102030", false), 0x00102030u);  // six digits: alpha 0
    EXPECT_EQ(ParseColour(L"  #80FFFFFF", true), 0x80FFFFFFu);
    EXPECT_EQ(ParseColour(L"  #80FFFFFF", false), 0u);  // the blanks hide the '#'
}

}  // namespace
