// CStringUI storage rules, comparisons, parts, search, replacement and formatting.
#include "ui/core/string_ui.h"

#include <cstring>
#include <cwchar>
#include <functional>
#include <string>

#include "support/platform.h"
#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

int TextLength(const wchar_t* text, int limit) {
    if (text == nullptr) return 0;
    int n = 0;
    while ((limit < 0 || n < limit) && text[n] != 0) ++n;
    return n;
}

}  // namespace

CStringUI::CStringUI() : data_(inline_) { inline_[0] = 0; }

CStringUI::CStringUI(const wchar_t* text, int length) : CStringUI() { Assign(text, length); }

CStringUI::CStringUI(wchar_t ch) : CStringUI() { Assign(&ch, 1); }

CStringUI::CStringUI(const CStringUI& other) : CStringUI() { Assign(other.data_, other.length_); }

CStringUI::~CStringUI() {
    if (!IsInline()) delete[] data_;
}

CStringUI& CStringUI::operator=(const CStringUI& other) {
    if (this != &other) Assign(other.data_, other.length_);
    return *this;
}

CStringUI& CStringUI::operator=(const wchar_t* text) {
    Assign(text);
    return *this;
}

CStringUI& CStringUI::operator=(wchar_t ch) {
    Assign(&ch, 1);
    return *this;
}

CStringUI& CStringUI::operator+=(const CStringUI& other) {
    Append(other.data_);
    return *this;
}

CStringUI& CStringUI::operator+=(const wchar_t* text) {
    Append(text);
    return *this;
}

CStringUI& CStringUI::operator+=(wchar_t ch) {
    const wchar_t text[2] = {ch, 0};
    Append(text);
    return *this;
}

CStringUI CStringUI::operator+(const CStringUI& other) const { return *this + other.data_; }

CStringUI CStringUI::operator+(const wchar_t* text) const {
    CStringUI result(*this);
    result.Append(text);
    return result;
}

bool CStringUI::operator==(const CStringUI& other) const {
    return length_ == other.length_ && std::wmemcmp(data_, other.data_, length_) == 0;
}

bool CStringUI::operator==(const wchar_t* text) const { return Compare(text) == 0; }

// Moves to the storage the new length needs and sets the terminator; with `keep` the characters
// up to min(old, new) length survive the move. Heap storage is always exactly length + 1.
void CStringUI::SetLength(int length, bool keep) {
    const bool wantInline = length <= kMaxInlineLength;
    const bool sameStorage = wantInline ? IsInline() : !IsInline() && length == length_;
    if (!sameStorage) {
        wchar_t* target = wantInline ? inline_ : new wchar_t[length + 1];
        if (keep) std::wmemcpy(target, data_, length < length_ ? length : length_);
        if (!IsInline()) delete[] data_;
        data_ = target;
    }
    length_ = length;
    data_[length_] = 0;
}

bool CStringUI::IsOwnText(const wchar_t* text) const {
    const std::less<const wchar_t*> before;
    return !before(text, data_) && before(text, data_ + length_ + 1);
}

void CStringUI::Assign(const wchar_t* text, int length) {
    length = TextLength(text, length);
    if (IsOwnText(text)) {
        const CStringUI copy(text, length);
        Assign(copy.data_, copy.length_);
        return;
    }
    SetLength(length, false);
    std::wmemcpy(data_, text, length);
}

void CStringUI::Append(const wchar_t* text) {
    if (IsOwnText(text)) {
        const CStringUI copy(text);
        Append(copy.data_);
        return;
    }
    const int extra = TextLength(text, -1);
    const int old = length_;
    SetLength(old + extra, true);
    std::wmemcpy(data_ + old, text, extra);
}

void CStringUI::Empty() { SetLength(0, false); }

wchar_t CStringUI::GetAt(int index) const { return index >= 0 && index < length_ ? data_[index] : 0; }

void CStringUI::SetAt(int index, wchar_t ch) {
    if (index >= 0 && index < length_) data_[index] = ch;
}

int CStringUI::Compare(const wchar_t* text) const {
    if (text == nullptr) text = L"";
    for (int i = 0;; ++i) {
        const auto a = static_cast<unsigned>(data_[i]);
        const auto b = static_cast<unsigned>(text[i]);
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) return 0;
    }
}

CStringUI CStringUI::Left(int count) const { return CStringUI(data_, Clamp(count, 0, length_)); }

CStringUI CStringUI::Mid(int start, int count) const {
    start = Clamp(start, 0, length_);
    const int available = length_ - start;
    count = count < 0 ? available : Clamp(count, 0, available);
    return CStringUI(data_ + start, count);
}

CStringUI CStringUI::Right(int count) const {
    count = Clamp(count, 0, length_);
    return CStringUI(data_ + length_ - count, count);
}

int CStringUI::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= length_) return -1;
    const wchar_t* found = std::wmemchr(data_ + start, ch, length_ - start);
    return found == nullptr ? -1 : static_cast<int>(found - data_);
}

int CStringUI::Find(const wchar_t* text, int start) const {
    if (text == nullptr || start < 0 || start > length_) return -1;
    const wchar_t* found = std::wcsstr(data_ + start, text);
    return found == nullptr ? -1 : static_cast<int>(found - data_);
}

int CStringUI::ReverseFind(wchar_t ch) const {
    for (int i = length_ - 1; i >= 0; --i) {
        if (data_[i] == ch) return i;
    }
    return -1;
}

int CStringUI::Replace(const wchar_t* from, const wchar_t* to) {
    const int fromLength = TextLength(from, -1);
    if (fromLength == 0) return 0;
    CStringUI result;
    int count = 0;
    int copied = 0;
    for (int at = Find(from); at >= 0; at = Find(from, at + fromLength)) {
        result += Mid(copied, at - copied);
        result.Append(to);
        copied = at + fromLength;
        ++count;
    }
    if (count > 0) {
        result += Mid(copied);
        *this = result;
    }
    return count;
}

int CStringUI::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = FormatV(format, args);
    va_end(args);
    return length;
}

int CStringUI::FormatV(const wchar_t* format, va_list args) {
    std::wstring text;
    if (!Platform::FormatWide(text, format, args)) {
        Empty();
        return -1;
    }
    Assign(text.c_str(), static_cast<int>(text.size()));
    return GetLength();
}

}  // namespace Tovik
