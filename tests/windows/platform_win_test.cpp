// The platform header on Windows: the value types are the platform's, ANSI goes through CP_ACP,
// and classification agrees with the platform's own character types.
#include "support/platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <type_traits>

namespace {

static_assert(std::is_same<decltype(RECT::left), LONG>::value, "the platform's RECT");
static_assert(std::is_same<decltype(FILETIME::dwLowDateTime), DWORD>::value, "the platform's FILETIME");

TEST(PlatformWindows, AnsiConversionMatchesTheProcessCodePage) {
    const char* text = "C:\\Temp\\qvx_installer_8.4.exe";
    wchar_t expected[64];
    const int expectedLength = MultiByteToWideChar(CP_ACP, 0, text, -1, expected, 64);
    wchar_t actual[64];
    EXPECT_EQ(Platform::ToWide(Platform::CodePage::Ansi, text, -1, actual, 64), expectedLength);
    EXPECT_STREQ(actual, expected);

    char narrow[64];
    EXPECT_EQ(Platform::ToNarrow(Platform::CodePage::Ansi, actual, -1, narrow, 64), expectedLength);
    EXPECT_STREQ(narrow, text);
}

TEST(PlatformWindows, ClassificationAgreesWithIsCharAlphaNumeric) {
    for (const wchar_t ch : {L'A', L'q', L'7', L'_', L':', L' ', wchar_t(0x4E2D), wchar_t(0x3042), wchar_t(0x3000)}) {
        EXPECT_EQ(Platform::IsLetterOrDigit(ch), IsCharAlphaNumericW(ch) != FALSE) << static_cast<unsigned>(ch);
        EXPECT_EQ(Platform::IsLetter(ch), IsCharAlphaW(ch) != FALSE) << static_cast<unsigned>(ch);
    }
}

}  // namespace
