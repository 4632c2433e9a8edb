// The platform header: UTF-8/UTF-16 conversion, classification, character stepping, value types.
#include "support/platform.h"

#include <gtest/gtest.h>

#include <string>

using Platform::CodePage;

static_assert(sizeof(RECT) == 16 && sizeof(SIZE) == 8 && sizeof(POINT) == 8, "Win32 layouts");
static_assert(sizeof(FILETIME) == 8, "Win32 layout");
static_assert(sizeof(wchar_t) >= 2, "one UTF-16 unit per wchar_t");

namespace {

struct Utf8Case {
    const char* utf8;
    std::wstring utf16;
};

const Utf8Case kValidUtf8[] = {
    {"", L""},
    {"Corvana 8.4", L"Corvana 8.4"},
    {"\xC3\xA9", L"\x00E9"},
    {"\xE5\x9C\xA8\xE7\xBA\xBF", L"\x5728\x7EBF"},
    {"\xF0\x9F\x98\x80!", L"\xD83D\xDE00!"},
    {"\xEF\xBF\xBF", L"\xFFFF"},
};

TEST(PlatformUtf8, ConvertsValidTextBothWays) {
    for (const auto& c : kValidUtf8) {
        EXPECT_EQ(Platform::ToWideString(CodePage::Utf8, c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Platform::ToNarrowString(CodePage::Utf8, c.utf16), c.utf8) << c.utf8;
    }
}

TEST(PlatformUtf8, ReplacesEachMalformedSubsequence) {
    const Utf8Case cases[] = {
        {"a\xC3", L"a\xFFFD"},  // truncated at the end
        {"\xE4\xB8z",
         L"\xFFFD"
         L"z"},                                             // truncated before a character
        {"\xC0\x80", L"\xFFFD\xFFFD"},                      // overlong
        {"\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},  // beyond U+10FFFF
        {"\x80x",
         L"\xFFFD"
         L"x"},  // stray continuation byte
        {"\xFF", L"\xFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(Platform::ToWideString(CodePage::Utf8, c.utf8), c.utf16);
}

TEST(PlatformUtf8, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Platform::ToNarrowString(CodePage::Utf8, L"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(Platform::ToNarrowString(CodePage::Utf8, L"\xDC00"), "\xEF\xBF\xBD");
}

TEST(PlatformUtf8, MeasuresWithTerminatorAndRefusesShortBuffers) {
    EXPECT_EQ(Platform::ToWide(CodePage::Utf8, "\xE5\x9C\xA8x", -1, nullptr, 0), 3);
    EXPECT_EQ(Platform::ToWide(CodePage::Utf8, "\xE5\x9C\xA8x", 4, nullptr, 0), 2);
    wchar_t out[3] = {L'#', L'#', L'#'};
    EXPECT_EQ(Platform::ToWide(CodePage::Utf8, "abc", -1, out, 3), 0);
    EXPECT_EQ(Platform::ToWide(CodePage::Utf8, "ab", -1, out, 3), 3);
    EXPECT_EQ(std::wstring(out), L"ab");

    EXPECT_EQ(Platform::ToNarrow(CodePage::Utf8, L"\x5728", -1, nullptr, 0), 4);
    char narrow[3];
    EXPECT_EQ(Platform::ToNarrow(CodePage::Utf8, L"\x5728", 1, narrow, 3), 3);
    EXPECT_EQ(Platform::ToNarrow(CodePage::Utf8, L"\x5728", -1, narrow, 3), 0);
    EXPECT_EQ(Platform::ToWide(CodePage::Utf8, nullptr, -1, nullptr, 0), 0);
}

TEST(PlatformAnsi, AsciiRoundTrips) {
    EXPECT_EQ(Platform::ToWideString(CodePage::Ansi, "logs\\Pelmora.log"), L"logs\\Pelmora.log");
    EXPECT_EQ(Platform::ToNarrowString(CodePage::Ansi, L"qvx_installer_8.4.exe"), "qvx_installer_8.4.exe");
    EXPECT_EQ(Platform::ToWide(CodePage::Ansi, "ok", -1, nullptr, 0), 3);
}

TEST(PlatformClassification, LettersAndDigitsAsWindowsSeesThem) {
    struct Case {
        wchar_t ch;
        bool letter;
        bool digit;
    };
    const Case cases[] = {
        {L'A', true, false},   {L'z', true, false},   {L'5', false, true},    {0x00E9, true, false},
        {0x0416, true, false}, {0x03A9, true, false}, {0x4E2D, true, false},  {0x3042, true, false},
        {0x30A2, true, false}, {0xD55C, true, false}, {0xFF21, true, false},  {0x0663, false, true},
        {0xFF15, false, true}, {L'_', false, false},  {L':', false, false},   {L' ', false, false},
        {L'-', false, false},  {L'<', false, false},  {0x3000, false, false}, {0x00D7, false, false},
        {0, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Platform::IsLetter(c.ch), c.letter) << std::hex << static_cast<unsigned>(c.ch);
        EXPECT_EQ(Platform::IsDigit(c.ch), c.digit) << std::hex << static_cast<unsigned>(c.ch);
        EXPECT_EQ(Platform::IsLetterOrDigit(c.ch), c.letter || c.digit);
    }
}

TEST(PlatformNextChar, KeepsPairsAndCombiningMarksWithTheirBase) {
    struct Case {
        const wchar_t* text;
        int step;
    };
    const Case cases[] = {
        {L"", 0},
        {L"ab", 1},
        {L"\x5728\x7EBF", 1},
        {L"e\x0301x", 2},
        {L"e\x0301\x0302", 3},
        {L"\xD83D\xDE00x", 2},
        {L"\xD83D\xDE00\xFE0Fx", 3},
        {L"\xD83Dx", 1},
        {L"\xDE00x", 1},
        {L"\x0301x", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Platform::NextChar(c.text) - c.text, c.step) << ::testing::PrintToString(std::wstring(c.text));
    }
}

}  // namespace
