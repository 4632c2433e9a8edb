// Text conversion for the platform header: UTF-8 by our own codec on every build, so both builds
// agree unit for unit, the Windows ANSI code page through the platform; wide formatting and the
// ASCII case fold.
#include <cstring>
#include <cwchar>
#include <vector>

#include "support/platform.h"
#include "support/utf16.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Writes units into a bounded buffer, or only counts them when there is none.
template <typename Unit>
class Sink {
public:
    Sink(Unit* destination, int capacity) : destination_(capacity > 0 ? destination : nullptr), capacity_(capacity) {}

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
    for (; *a != 0 && fold(*a) == fold(*b); ++a, ++b) {}
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

}  // namespace Platform
