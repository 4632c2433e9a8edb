// Conversions, classification and stepping for the platform header. UTF-8 is converted by our
// own codec on every build so both builds agree unit for unit; only the Windows ANSI code page
// and the Windows character types go to the platform.
#include "support/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <iterator>
#include <vector>

#ifdef _WIN32
#include <share.h>
#include <windows.h>
#endif

namespace Platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Range {
    char16_t first;
    char16_t last;
};

constexpr Range kCombiningMarks[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x0670, 0x0670}, {0x06D6, 0x06DC}, {0x0900, 0x0903}, {0x093A, 0x094F}, {0x0E31, 0x0E31},
    {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF},
    {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

template <size_t N>
bool InRanges(const Range (&ranges)[N], wchar_t ch) {
    const auto unit = static_cast<uint32_t>(ch);
    const Range* found = std::upper_bound(std::begin(ranges), std::end(ranges), unit,
                                          [](uint32_t u, const Range& r) { return u < r.first; });
    return found != std::begin(ranges) && unit <= (found - 1)->last;
}

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Writes units into a bounded buffer, or only counts them when there is none.
template <typename Unit>
class Sink {
public:
    Sink(Unit* destination, int capacity)
        : destination_(capacity > 0 ? destination : nullptr), capacity_(capacity) {}

    void Put(Unit unit) {
        if (destination_ != nullptr) {
            if (count_ >= capacity_) {
                overflow_ = true;
                return;
            }
            destination_[count_] = unit;
        }
        ++count_;
    }

    int Result() const { return overflow_ ? 0 : count_; }

private:
    Unit* destination_;
    int capacity_;
    int count_ = 0;
    bool overflow_ = false;
};

// Decodes one code point; malformed input yields U+FFFD for its longest valid-looking prefix.
char32_t DecodeUtf8(const unsigned char*& p, const unsigned char* end) {
    const unsigned char lead = *p++;
    if (lead < 0x80) return lead;
    int trailing = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < trailing; ++i) {
        if (p == end || *p < low || *p > high) return kReplacement;
        cp = (cp << 6) | (*p++ & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return cp;
}

int Utf8ToWide(const char* source, int length, wchar_t* destination, int capacity) {
    Sink<wchar_t> sink(destination, capacity);
    auto p = reinterpret_cast<const unsigned char*>(source);
    const auto end = p + length;
    while (p < end) {
        if (*p < 0x80) {
            sink.Put(static_cast<wchar_t>(*p++));
            continue;
        }
        const char32_t cp = DecodeUtf8(p, end);
        if (cp >= 0x10000) {
            sink.Put(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
            sink.Put(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            sink.Put(static_cast<wchar_t>(cp));
        }
    }
    return sink.Result();
}

int WideToUtf8(const wchar_t* source, int length, char* destination, int capacity) {
    Sink<char> sink(destination, capacity);
    for (int i = 0; i < length; ++i) {
        char32_t cp = static_cast<uint32_t>(source[i]) & 0xFFFF;
        if (IsHighSurrogate(cp) && i + 1 < length && IsLowSurrogate(source[i + 1] & 0xFFFF)) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + ((source[++i] & 0xFFFF) - 0xDC00);
        } else if (IsHighSurrogate(cp) || IsLowSurrogate(cp)) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            sink.Put(static_cast<char>(cp));
        } else if (cp < 0x800) {
            sink.Put(static_cast<char>(0xC0 | (cp >> 6)));
            sink.Put(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            sink.Put(static_cast<char>(0xE0 | (cp >> 12)));
            sink.Put(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            sink.Put(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            sink.Put(static_cast<char>(0xF0 | (cp >> 18)));
            sink.Put(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            sink.Put(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            sink.Put(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return sink.Result();
}

size_t WideLength(const wchar_t* text) {
    size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

}  // namespace

int ToWide([[maybe_unused]] CodePage codePage, const char* source, int sourceLength, wchar_t* destination,
           int capacity) {
    if (source == nullptr) return 0;
    if (sourceLength < 0) sourceLength = static_cast<int>(std::strlen(source)) + 1;
#ifdef _WIN32
    if (codePage == CodePage::Ansi) {
        if (sourceLength == 0) return 0;
        return MultiByteToWideChar(CP_ACP, 0, source, sourceLength, capacity > 0 ? destination : nullptr,
                                   capacity > 0 ? capacity : 0);
    }
#endif
    return Utf8ToWide(source, sourceLength, destination, capacity);
}

int ToNarrow([[maybe_unused]] CodePage codePage, const wchar_t* source, int sourceLength, char* destination,
             int capacity) {
    if (source == nullptr) return 0;
    if (sourceLength < 0) sourceLength = static_cast<int>(WideLength(source)) + 1;
#ifdef _WIN32
    if (codePage == CodePage::Ansi) {
        if (sourceLength == 0) return 0;
        return WideCharToMultiByte(CP_ACP, 0, source, sourceLength, capacity > 0 ? destination : nullptr,
                                   capacity > 0 ? capacity : 0, nullptr, nullptr);
    }
#endif
    return WideToUtf8(source, sourceLength, destination, capacity);
}

std::wstring ToWideString(CodePage codePage, const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring result(ToWide(codePage, text.data(), length, nullptr, 0), L'\0');
    if (!result.empty()) ToWide(codePage, text.data(), length, &result[0], static_cast<int>(result.size()));
    return result;
}

std::string ToNarrowString(CodePage codePage, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string result(ToNarrow(codePage, text.data(), length, nullptr, 0), '\0');
    if (!result.empty()) ToNarrow(codePage, text.data(), length, &result[0], static_cast<int>(result.size()));
    return result;
}

// A buffer too small shows as −1 (glibc, which cannot tell it from a bad format) or as the
// needed length (mingw), so the buffer grows until the text fits, up to a bound.
bool FormatWide(std::wstring& text, const wchar_t* format, va_list args) {
    constexpr size_t kMaxFormatted = 16u << 20;
    text.clear();
    if (format == nullptr) return false;
    std::vector<wchar_t> buffer(256);
    while (buffer.size() <= kMaxFormatted) {
        va_list attempt;
        va_copy(attempt, args);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            text.assign(buffer.data(), written);
            return true;
        }
        buffer.resize(written >= 0 ? written + 1 : buffer.size() * 4);
    }
    return false;
}

bool EqualsIgnoringAsciiCase(const wchar_t* a, const wchar_t* b) {
    const auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; };
    for (; *a != 0 && fold(*a) == fold(*b); ++a, ++b) {
    }
    return fold(*a) == fold(*b);
}

std::wstring Format(const wchar_t* format, ...) {
    std::wstring text;
    va_list args;
    va_start(args, format);
    FormatWide(text, format, args);
    va_end(args);
    return text;
}

#ifdef _WIN32
bool SeekFile(FILE* file, int64_t offset, int origin) { return _fseeki64(file, offset, origin) == 0; }
namespace {
int64_t TellFile(FILE* file) { return _ftelli64(file); }
}  // namespace

FILETIME DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime) {
    FILETIME local = {}, utc = {};
    DosDateTimeToFileTime(dosDate, dosTime, &local);
    LocalFileTimeToFileTime(&local, &utc);
    return utc;
}

std::wstring ErrorText(int errorNumber) { return _wcserror(errorNumber); }

FILE* OpenFile(const wchar_t* path, const wchar_t* mode) { return _wfsopen(path, mode, _SH_DENYNO); }
#else
bool SeekFile(FILE* file, int64_t offset, int origin) { return fseeko(file, offset, origin) == 0; }
namespace {
int64_t TellFile(FILE* file) { return ftello(file); }
}  // namespace

FILETIME DosTimeToFileTime(uint16_t dosDate, uint16_t dosTime) {
    std::tm local = {};
    local.tm_year = (dosDate >> 9) + 80;
    local.tm_mon = ((dosDate >> 5) & 0x0F) - 1;
    local.tm_mday = dosDate & 0x1F;
    local.tm_hour = dosTime >> 11;
    local.tm_min = (dosTime >> 5) & 0x3F;
    local.tm_sec = (dosTime & 0x1F) * 2;
    local.tm_isdst = -1;
    const int64_t seconds = static_cast<int64_t>(std::mktime(&local));
    // FILETIME counts 100 ns from 1601-01-01; time_t seconds from 1970-01-01.
    const uint64_t ticks = static_cast<uint64_t>(seconds + 11644473600LL) * 10000000ULL;
    return FILETIME{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
}

std::wstring ErrorText(int errorNumber) {
    return ToWideString(CodePage::Ansi, std::strerror(errorNumber));
}

FILE* OpenFile(const wchar_t* path, const wchar_t* mode) {
    const std::string narrowPath = ToNarrowString(CodePage::Utf8, path);
    const std::string narrowMode = ToNarrowString(CodePage::Utf8, mode);
    return std::fopen(narrowPath.c_str(), narrowMode.c_str());
}
#endif

int64_t FileSize(FILE* file) {
    if (!SeekFile(file, 0, SEEK_END)) return -1;
    const int64_t size = TellFile(file);
    return SeekFile(file, 0, SEEK_SET) ? size : -1;
}

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
    {0x0041, 0x005A}, {0x0061, 0x007A}, {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA},
    {0x00C0, 0x00D6}, {0x00D8, 0x00F6}, {0x00F8, 0x02C1}, {0x02C6, 0x02D1}, {0x02E0, 0x02E4},
    {0x02EC, 0x02EC}, {0x02EE, 0x02EE}, {0x0370, 0x0374}, {0x0376, 0x0377}, {0x037A, 0x037D},
    {0x037F, 0x037F}, {0x0386, 0x0386}, {0x0388, 0x03F5}, {0x03F7, 0x0481}, {0x048A, 0x052F},
    {0x0531, 0x0556}, {0x0561, 0x0587}, {0x05D0, 0x05EA}, {0x0620, 0x064A}, {0x0671, 0x06D3},
    {0x0904, 0x0939}, {0x0E01, 0x0E30}, {0x10A0, 0x10FF}, {0x1100, 0x11FF}, {0x1E00, 0x1FBC},
    {0x2C00, 0x2CE4}, {0x3005, 0x3006}, {0x3031, 0x3035}, {0x3041, 0x3096}, {0x309D, 0x309F},
    {0x30A1, 0x30FA}, {0x30FC, 0x30FF}, {0x3105, 0x312F}, {0x3131, 0x318E}, {0x31A0, 0x31BF},
    {0x31F0, 0x31FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA000, 0xA48C}, {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF}, {0xFF21, 0xFF3A}, {0xFF41, 0xFF5A}, {0xFF66, 0xFFBE},
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
