// Character classes and stepping for the platform header: letters and digits as Windows
// classifies them (the platform on Windows, our own tables natively, independent of the locale)
// and the next-character step that keeps surrogate pairs and combining marks together.
#include <algorithm>
#include <iterator>

#include "support/platform.h"
#include "support/utf16.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {
namespace {

struct Range {
    char16_t first;
    char16_t last;
};

constexpr Range kCombiningMarks[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x0900, 0x0903}, {0x093A, 0x094F}, {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E},
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

template <size_t N>
bool InRanges(const Range (&ranges)[N], wchar_t ch) {
    const auto unit = static_cast<uint32_t>(ch);
    const Range* found = std::upper_bound(std::begin(ranges), std::end(ranges), unit,
                                          [](uint32_t u, const Range& r) { return u < r.first; });
    return found != std::begin(ranges) && unit <= (found - 1)->last;
}

}  // namespace

#ifdef _WIN32
namespace {
bool IsAsciiLetter(wchar_t c) { return ((static_cast<uint32_t>(c) | 0x20) - 'a') < 26u; }
bool IsAsciiDigit(wchar_t c) { return (static_cast<uint32_t>(c) - '0') < 10u; }

// ASCII is answered here; the rest by the platform, which is slow per character.
template <typename Ascii, typename Lookup>
bool IsAsciiOr(wchar_t ch, Ascii ascii, Lookup lookup) {
    return static_cast<uint32_t>(ch) < 0x80 ? ascii(ch) : lookup(ch);
}

WORD CharacterType(wchar_t ch) {
    WORD type = 0;
    GetStringTypeW(CT_CTYPE1, &ch, 1, &type);
    return type;
}
}  // namespace

bool IsLetter(wchar_t ch) {
    return IsAsciiOr(ch, IsAsciiLetter, [](wchar_t c) { return (CharacterType(c) & C1_ALPHA) != 0; });
}

bool IsDigit(wchar_t ch) {
    return IsAsciiOr(ch, IsAsciiDigit, [](wchar_t c) { return (CharacterType(c) & C1_DIGIT) != 0; });
}
#else
namespace {
// Letters of the scripts a skin is likely to contain; ideographs, kana and hangul included.
constexpr Range kLetters[] = {
    {0x0041, 0x005A}, {0x0061, 0x007A}, {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA}, {0x00C0, 0x00D6},
    {0x00D8, 0x00F6}, {0x00F8, 0x02C1}, {0x02C6, 0x02D1}, {0x02E0, 0x02E4}, {0x02EC, 0x02EC}, {0x02EE, 0x02EE},
    {0x0370, 0x0374}, {0x0376, 0x0377}, {0x037A, 0x037D}, {0x037F, 0x037F}, {0x0386, 0x0386}, {0x0388, 0x03F5},
    {0x03F7, 0x0481}, {0x048A, 0x052F}, {0x0531, 0x0556}, {0x0561, 0x0587}, {0x05D0, 0x05EA}, {0x0620, 0x064A},
    {0x0671, 0x06D3}, {0x0904, 0x0939}, {0x0E01, 0x0E30}, {0x10A0, 0x10FF}, {0x1100, 0x11FF}, {0x1E00, 0x1FBC},
    {0x2C00, 0x2CE4}, {0x3005, 0x3006}, {0x3031, 0x3035}, {0x3041, 0x3096}, {0x309D, 0x309F}, {0x30A1, 0x30FA},
    {0x30FC, 0x30FF}, {0x3105, 0x312F}, {0x3131, 0x318E}, {0x31A0, 0x31BF}, {0x31F0, 0x31FF}, {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF}, {0xA000, 0xA48C}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFF21, 0xFF3A}, {0xFF41, 0xFF5A},
    {0xFF66, 0xFFBE},
};

constexpr Range kDigits[] = {
    {0x0030, 0x0039}, {0x00B2, 0x00B3}, {0x00B9, 0x00B9}, {0x0660, 0x0669},
    {0x06F0, 0x06F9}, {0x0966, 0x096F}, {0xFF10, 0xFF19},
};
}  // namespace

bool IsLetter(wchar_t ch) { return InRanges(kLetters, ch); }
bool IsDigit(wchar_t ch) { return InRanges(kDigits, ch); }
#endif

bool IsNonAsciiLetterOrDigit(wchar_t ch) { return IsLetter(ch) || IsDigit(ch); }

const wchar_t* NextCharSlow(const wchar_t* text) {
    if (*text == 0) return text;
    if (IsHighSurrogate(*text & 0xFFFF) && IsLowSurrogate(text[1] & 0xFFFF)) ++text;
    ++text;
    while (static_cast<uint32_t>(*text) >= kFirstCombiningMark && InRanges(kCombiningMarks, *text)) ++text;
    return text;
}

}  // namespace Platform
