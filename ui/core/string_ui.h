// CStringUI: the engine's wide string. Texts of up to kMaxInlineLength characters live in an
// inline buffer; longer ones in a heap buffer of exactly length + 1 characters, which is given
// back as soon as a short text is assigned again. A null text is treated as empty everywhere.
#pragma once

#include <cstdarg>

namespace Tovik {

class CStringUI {
public:
    static constexpr int kInlineCapacity = 64;
    static constexpr int kMaxInlineLength = 62;

    CStringUI();
    CStringUI(const wchar_t* text, int length = -1);
    explicit CStringUI(wchar_t ch);
    CStringUI(const CStringUI& other);
    ~CStringUI();

    CStringUI& operator=(const CStringUI& other);
    CStringUI& operator=(const wchar_t* text);
    CStringUI& operator=(wchar_t ch);
    CStringUI& operator+=(const CStringUI& other);
    CStringUI& operator+=(const wchar_t* text);
    CStringUI& operator+=(wchar_t ch);
    CStringUI operator+(const CStringUI& other) const;
    CStringUI operator+(const wchar_t* text) const;

    bool operator==(const CStringUI& other) const;
    bool operator==(const wchar_t* text) const;
    bool operator!=(const CStringUI& other) const { return !(*this == other); }
    bool operator!=(const wchar_t* text) const { return !(*this == text); }

    // `length` −1 takes the text up to its terminator; a larger length stops at the terminator.
    void Assign(const wchar_t* text, int length = -1);
    void Append(const wchar_t* text);
    void Empty();

    int GetLength() const { return length_; }
    bool IsEmpty() const { return length_ == 0; }
    bool IsInline() const { return data_ == inline_; }
    const wchar_t* GetData() const { return data_; }
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);

    int Compare(const wchar_t* text) const;

    // Parts clamp their range to the text.
    CStringUI Left(int count) const;
    CStringUI Mid(int start, int count = -1) const;
    CStringUI Right(int count) const;

    // Index of the first occurrence at or after `start`, or −1.
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* text, int start = 0) const;
    int ReverseFind(wchar_t ch) const;

    // Replaces every occurrence and returns how many there were.
    int Replace(const wchar_t* from, const wchar_t* to);

    // printf-style with wide formats (%ls for wide strings); returns the new length, or −1 and
    // an empty text when the format fails.
    int Format(const wchar_t* format, ...);
    int FormatV(const wchar_t* format, va_list args);

private:
    void SetLength(int length, bool keep);
    bool IsOwnText(const wchar_t* text) const;

    wchar_t* data_;
    int length_ = 0;
    wchar_t inline_[kInlineCapacity];
};

}  // namespace Tovik
