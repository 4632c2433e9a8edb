// The few platform services that portable code needs, behind one header: conversions between
// UTF-16 (always one code unit per wchar_t, on Windows and natively) and the UTF-8 or ANSI code
// page, character classification and stepping that do not depend on the process locale, and the
// Win32 value types used by portable code. Natively the ANSI code page is UTF-8.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windef.h>
#else
struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct SIZE {
    int32_t cx;
    int32_t cy;
};

struct POINT {
    int32_t x;
    int32_t y;
};

struct FILETIME {
    uint32_t dwLowDateTime;
    uint32_t dwHighDateTime;
};
#endif

namespace Platform {

enum class CodePage { Utf8, Ansi };

// Both conversions follow the platform's convention: `sourceLength` −1 converts up to and
// including the terminator; with no destination (or capacity 0) the result is the number of units
// needed; otherwise it is the number written, or 0 when the destination is too small.
// Malformed input becomes U+FFFD.
int ToWide(CodePage codePage, const char* source, int sourceLength, wchar_t* destination, int capacity);
int ToNarrow(CodePage codePage, const wchar_t* source, int sourceLength, char* destination, int capacity);

std::wstring ToWideString(CodePage codePage, const std::string& text);
std::string ToNarrowString(CodePage codePage, const std::wstring& text);

// printf-style formatting with wide formats (%ls for wide strings, as on every build). The
// result has exactly the formatted length; false (and an empty text) when the format fails.
bool FormatWide(std::wstring& text, const wchar_t* format, va_list args);
std::wstring Format(const wchar_t* format, ...);

// The C runtime's text for an errno value.
std::wstring ErrorText(int errorNumber);

// fopen with a wide path; on Windows the file is shared with every other opener (read, write
// and delete). On failure returns null with errno set.
FILE* OpenFile(const wchar_t* path, const wchar_t* mode);

// 64-bit positions in stdio files: seeking (false on failure) and the size of a whole file, which
// leaves the position at the start (−1 on failure).
bool SeekFile(FILE* file, int64_t offset, int origin);
int64_t FileSize(FILE* file);

// A DOS date and time (local time) as a UTC FILETIME.
FILETIME DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime);

// True when both texts are equal after mapping a–z to A–Z (no other case folding).
bool EqualsIgnoringAsciiCase(const wchar_t* a, const wchar_t* b);

// Letters and digits as Windows classifies them: ideographs, kana and hangul are letters.
bool IsLetter(wchar_t ch);
bool IsDigit(wchar_t ch);
bool IsNonAsciiLetterOrDigit(wchar_t ch);

// Parsers call these for every character, so the ASCII answer is given inline.
inline bool IsLetterOrDigit(wchar_t ch) {
    const auto c = static_cast<uint32_t>(ch);
    if (c < 0x80) return ((c | 0x20) - 'a') < 26u || (c - '0') < 10u;
    return IsNonAsciiLetterOrDigit(ch);
}

// The start of the character after `text`'s first one, keeping a surrogate pair and any
// combining marks that follow together with their base. At the terminator returns `text`.
const wchar_t* NextCharSlow(const wchar_t* text);
constexpr uint32_t kFirstCombiningMark = 0x0300;

inline const wchar_t* NextChar(const wchar_t* text) {
    // The common case: a character below the surrogates, not followed by a combining mark.
    const auto current = static_cast<uint32_t>(text[0]);
    if (current - 1 < 0xD7FFu && static_cast<uint32_t>(text[1]) < kFirstCombiningMark) return text + 1;
    return NextCharSlow(text);
}

}  // namespace Platform
