// CStringUI: storage boundary, equality, parts, search, replacement and formatting.
#include "ui/core/string_ui.h"

#include <gtest/gtest.h>

#include <string>

using Tovik::CStringUI;

namespace {

std::wstring Text(const CStringUI& s) { return std::wstring(s.GetData(), s.GetLength()); }

TEST(CStringUIStorage, TextsUpTo62StayInlineAndLongerOnesMoveToTheHeap) {
    struct Case {
        int length;
        bool inlineStorage;
    };
    const Case cases[] = {{0, true}, {1, true}, {61, true}, {62, true}, {63, false}, {64, false}, {500, false}};
    for (const auto& c : cases) {
        const std::wstring text(c.length, L'x');
        CStringUI s(text.c_str());
        EXPECT_EQ(s.GetLength(), c.length);
        EXPECT_EQ(s.IsInline(), c.inlineStorage) << c.length;
        EXPECT_EQ(Text(s), text);
        EXPECT_EQ(s.GetData()[c.length], L'\0');
    }
}

TEST(CStringUIStorage, ReturnsInlineWhenAShortTextIsAssigned) {
    CStringUI s(std::wstring(63, L'a').c_str());
    ASSERT_FALSE(s.IsInline());
    s = std::wstring(62, L'b').c_str();
    EXPECT_TRUE(s.IsInline());
    EXPECT_EQ(Text(s), std::wstring(62, L'b'));
    s += L"c";
    EXPECT_FALSE(s.IsInline());
    EXPECT_EQ(Text(s), std::wstring(62, L'b') + L"c");
}

TEST(CStringUIStorage, AssigningPartsOfItselfIsSafe) {
    const std::wstring longText = std::wstring(70, L'x') + L"tail";
    CStringUI s(longText.c_str());
    s = s.GetData() + 70;
    EXPECT_EQ(Text(s), L"tail");

    CStringUI grow(std::wstring(40, L'y').c_str());
    grow += grow.GetData();
    EXPECT_EQ(Text(grow), std::wstring(80, L'y'));
    grow = grow;
    EXPECT_EQ(grow.GetLength(), 80);
    grow.Assign(grow.GetData() + 10, 5);
    EXPECT_EQ(Text(grow), L"yyyyy");
}

TEST(CStringUIStorage, NullAssignsEmptyAndCopiesAreIndependent) {
    CStringUI s(L"text");
    s = static_cast<const wchar_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(CStringUI(nullptr).GetLength(), 0);

    CStringUI original(std::wstring(100, L'o').c_str());
    CStringUI copy(original);
    copy.SetAt(0, L'c');
    EXPECT_EQ(original.GetAt(0), L'o');
    EXPECT_EQ(copy.GetAt(0), L'c');
    EXPECT_EQ(copy.GetAt(100), L'\0');
    EXPECT_EQ(copy.GetAt(-1), L'\0');
}

TEST(CStringUICompare, EqualityIsExactAndCaseSensitive) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        bool equal;
    };
    const Case cases[] = {
        {L"abc", L"abc", true}, {L"abc", L"ABC", false},      {L"abc", L"abcd", false},      {L"", nullptr, true},
        {L"a", nullptr, false}, {L"\x4E2D", L"\x4E2D", true}, {L"\x4E2D", L"\x4E2E", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CStringUI(c.a) == c.b, c.equal) << static_cast<const void*>(c.b);
        EXPECT_EQ(CStringUI(c.a) == CStringUI(c.b), c.equal);
        EXPECT_EQ(CStringUI(c.a) != c.b, !c.equal);
    }
    EXPECT_LT(CStringUI(L"abc").Compare(L"abd"), 0);
    EXPECT_GT(CStringUI(L"b").Compare(L"abc"), 0);
}

TEST(CStringUIParts, LeftMidRightClampTheirRange) {
    const CStringUI s(L"abcdef");
    struct Case {
        CStringUI part;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {s.Left(3), L"abc"}, {s.Left(10), L"abcdef"}, {s.Left(-1), L""},        {s.Mid(2, 2), L"cd"},
        {s.Mid(4), L"ef"},   {s.Mid(-3, 2), L"ab"},   {s.Mid(10, 2), L""},      {s.Mid(2, 100), L"cdef"},
        {s.Mid(1, 0), L""},  {s.Right(2), L"ef"},     {s.Right(10), L"abcdef"}, {s.Right(-1), L""},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.part), c.expected);
}

TEST(CStringUIParts, ChineseTextCountsUtf16Units) {
    const CStringUI title(L"Corvana\x5728\x7EBF\x5B89\x88C5\x7A0B\x5E8F");
    EXPECT_EQ(title.GetLength(), 13);
    EXPECT_EQ(title.Find(L"\x5B89\x88C5"), 9);
    EXPECT_EQ(Text(title.Right(2)), L"\x7A0B\x5E8F");
    EXPECT_EQ(Text(title.Mid(7, 2)), L"\x5728\x7EBF");
}

TEST(CStringUISearch, FindReturnsIndexOrMinusOne) {
    const CStringUI s(L"hello");
    struct Case {
        const wchar_t* needle;
        int start;
        int expected;
    };
    const Case cases[] = {
        {L"l", 0, 2},       {L"l", 3, 3},  {L"l", 4, -1},  {L"lo", 0, 3},    {L"z", 0, -1},
        {L"hello!", 0, -1}, {L"h", 5, -1}, {L"h", -1, -1}, {nullptr, 0, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(s.Find(c.needle, c.start), c.expected);
    EXPECT_EQ(s.Find(L'o'), 4);
    EXPECT_EQ(s.Find(L'h', 1), -1);
    EXPECT_EQ(s.ReverseFind(L'l'), 3);
    EXPECT_EQ(s.ReverseFind(L'x'), -1);
}

TEST(CStringUIReplace, ReplacesEveryOccurrenceAndCountsThem) {
    struct Case {
        const wchar_t* text;
        const wchar_t* from;
        const wchar_t* to;
        const wchar_t* expected;
        int count;
    };
    const Case cases[] = {
        {L"a.b.c", L".", L"::", L"a::b::c", 2},
        {L"aaa", L"aa", L"b", L"ba", 1},
        {L"abc", L"x", L"y", L"abc", 0},
        {L"abc", L"", L"y", L"abc", 0},
        {L"abc", nullptr, L"y", L"abc", 0},
        {L"abc", L"b", nullptr, L"ac", 1},
        {L"FrameworkUI\\main.xml", L"\\", L"/", L"FrameworkUI/main.xml", 1},
    };
    for (const auto& c : cases) {
        CStringUI s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << c.text;
        EXPECT_EQ(Text(s), c.expected);
    }
    CStringUI grows(std::wstring(60, L'a').c_str());
    EXPECT_EQ(grows.Replace(L"a", L"bb"), 60);
    EXPECT_EQ(Text(grows), std::wstring(120, L'b'));
    EXPECT_FALSE(grows.IsInline());
}

TEST(CStringUIFormat, FormatsIntoExactlyTheNeededSize) {
    CStringUI s;
    EXPECT_EQ(s.Format(L"%d-%ls", 5, L"x"), 3);
    EXPECT_EQ(Text(s), L"5-x");
    s.Format(L"%lc \x76D8", L'D');
    EXPECT_EQ(Text(s), L"D \x76D8");
    s.Format(L"%.2f%%", 12.345);
    EXPECT_EQ(Text(s), L"12.35%");

    EXPECT_EQ(s.Format(L"%ls", std::wstring(62, L'q').c_str()), 62);
    EXPECT_TRUE(s.IsInline());
    EXPECT_EQ(s.Format(L"%ls%d", std::wstring(62, L'q').c_str(), 7), 63);
    EXPECT_FALSE(s.IsInline());

    const std::wstring big(3000, L'z');
    EXPECT_EQ(s.Format(L"[%ls]", big.c_str()), 3002);
    EXPECT_EQ(Text(s), L"[" + big + L"]");
    EXPECT_EQ(s.Format(nullptr), -1);
    EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
