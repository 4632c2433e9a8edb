// The formatted-text walk. Each line is laid out twice when drawing: a measuring pass finds its
// height and its links, then the state saved at the line's start is restored and a drawing pass
// puts every run on the line's bottom. Measuring alone takes one pass.
#include "ui/core/formatted_text.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace Tovik {
namespace {

using Coordinate = decltype(RECT::left);  // LONG on Windows, int32_t natively

bool IsTagLetter(wchar_t ch) { return ch >= L'a' && ch <= L'z'; }
bool IsAsciiLetter(wchar_t ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }
bool IsHighSurrogate(wchar_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(wchar_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }
// One code unit, or two for a surrogate pair.
int FirstCharacterLength(const wchar_t* run, int length) {
    return length > 1 && IsHighSurrogate(run[0]) && IsLowSurrogate(run[1]) ? 2 : 1;
}
bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// One piece of markup at the read position.
struct Token {
    enum Kind { kText, kSpace, kLiteral, kOpen, kClose } kind = kText;
    wchar_t letter = 0;  // of a tag; the character of a literal
    const wchar_t* argument = nullptr;
    int argumentLength = 0;
    const wchar_t* next = nullptr;  // after the token (for text: unset, the run decides)
};

// A tag, an escape, a space, or else text starting here.
Token ReadToken(const wchar_t* p) {
    Token token;
    const wchar_t open = p[0];
    if (open == L' ') return Token{Token::kSpace, L' ', nullptr, 0, p + 1};
    if (open != L'<' && open != L'{') return token;
    const wchar_t close = open == L'<' ? L'>' : L'}';
    const bool escape = open == L'<' ? (p[1] == L'{' || p[1] == L'}') : (p[1] == L'<' || p[1] == L'>');
    if (escape && p[2] == close) return Token{Token::kLiteral, p[1], nullptr, 0, p + 3};
    if (p[1] == L'/' && IsTagLetter(p[2]) && (p[3] == L'>' || p[3] == L'}')) {
        return Token{Token::kClose, p[2], nullptr, 0, p + 4};
    }
    if (IsTagLetter(p[1]) && (p[2] == L' ' || p[2] == L'>' || p[2] == L'}')) {
        const wchar_t* argument = p + 2;
        while (*argument == L' ') ++argument;
        const wchar_t* end = argument;
        while (*end != 0 && *end != L'>' && *end != L'}') ++end;
        return Token{Token::kOpen, p[1], argument, static_cast<int>(end - argument), *end != 0 ? end + 1 : end};
    }
    return token;
}

// A whitespace-separated word of an argument, advancing `p` past it.
CStringUI NextWord(const wchar_t*& p, const wchar_t* end) {
    while (p < end && *p == L' ') ++p;
    const wchar_t* start = p;
    while (p < end && *p != L' ') ++p;
    return CStringUI(start, static_cast<int>(p - start));
}

int ToInt(const CStringUI& word, int fallback) {
    if (word.IsEmpty()) return fallback;
    wchar_t* end = nullptr;
    const long value = std::wcstol(word.GetData(), &end, 10);
    return end != word.GetData() ? static_cast<int>(std::clamp<long>(value, -1000000, 1000000)) : fallback;
}

bool ContainsIgnoringCase(const CStringUI& text, const wchar_t* word) {
    const int length = static_cast<int>(std::wcslen(word));
    for (int i = 0; i + length <= text.GetLength(); ++i) {
        int j = 0;
        while (j < length && std::towlower(text.GetAt(i + j)) == static_cast<wint_t>(word[j])) ++j;
        if (j == length) return true;
    }
    return false;
}

// The value of key='value' inside an image attribute string, or empty.
CStringUI QuotedValue(const CStringUI& text, const wchar_t* key) {
    const int at = text.Find((CStringUI(key) + L"='").GetData());
    if (at < 0) return CStringUI();
    const int start = at + static_cast<int>(std::wcslen(key)) + 2;
    const int end = text.Find(L'\'', start);
    return text.Mid(start, end < 0 ? -1 : end - start);
}

TInlineImage ParseImage(const CStringUI& argument) {
    TInlineImage image;
    if (argument.Find(L"file='") >= 0 || argument.Find(L"res='") >= 0) {
        image.name = QuotedValue(argument, L"file");
        if (image.name.IsEmpty()) image.name = QuotedValue(argument, L"res");
        image.resourceType = QuotedValue(argument, L"restype");
        return image;
    }
    const wchar_t* p = argument.GetData();
    const wchar_t* end = p + argument.GetLength();
    image.name = NextWord(p, end);
    image.frames = std::max(1, ToInt(NextWord(p, end), 1));
    image.frame = ToInt(NextWord(p, end), 0);
    if (image.frame < 0 || image.frame >= image.frames) image.frame = 0;
    return image;
}

class Walk {
public:
    Walk(IFormattedTextHost& host, RECT& rect, const wchar_t* text, uint32_t colour, TTextLinks& links, unsigned flags)
        : host_(host), rect_(rect), colour_(colour), links_(links), flags_(flags) {
        state_.p = text;
    }

    void Run();

private:
    // Everything a line's drawing pass must start from again.
    struct State {
        std::vector<const void*> fonts;
        std::vector<uint32_t> colours;
        std::vector<int> spacings;
        const wchar_t* p = nullptr;
        bool raw = false;
        bool selected = false;
        bool inLink = false;
        CStringUI linkText;
    };

    bool Measuring() const { return !drawPass_; }
    bool SingleLine() const { return (flags_ & FormatSingleLine) != 0; }
    const void* Font() const { return state_.fonts.empty() ? base_ : state_.fonts.back(); }
    uint32_t Colour() const { return state_.colours.empty() ? colour_ : state_.colours.back(); }
    int Spacing() const { return state_.spacings.empty() ? 0 : state_.spacings.back(); }
    int LineHeightOf(const void* font) {
        const TTextMetrics metrics = host_.MetricsOf(font);
        return metrics.height + metrics.externalLeading;
    }
    bool AtLineStart() const { return pen_.x == rect_.left; }
    // Where a run of a font with `metrics` starts so that it sits on the line's bottom.
    int RunTop(const TTextMetrics& metrics) const {
        return pen_.y + lineHeight_ - metrics.height - metrics.externalLeading;
    }

    void LayLine();
    void NextToken();
    void OpenTag(const struct Token& token);
    void CloseTag(wchar_t letter);
    void TextRun(const wchar_t* start);
    int FittingLength(const wchar_t* run, int length, int& width);
    int BreakLength(const wchar_t* run, int fitting) const;
    void Literal(const wchar_t* text, int length);
    bool Image(const CStringUI& argument);
    void PushFont(const void* font);
    void PushStyle(unsigned style);
    void PopFont();
    void RaiseLineHeight(int height);
    void FontChanged();
    void EndLineUnlessAtStart();
    RECT LinkPart() const;
    void RecordLink(const RECT& area);
    void CloseLineLinks();
    void FindHoveredLink();
    void AlignRect();

    IFormattedTextHost& host_;
    RECT& rect_;
    uint32_t colour_;
    TTextLinks& links_;
    unsigned flags_;
    const void* base_ = nullptr;
    State state_;
    bool drawPass_ = false;
    bool lineEnded_ = false;
    POINT pen_ = {};
    int lineHeight_ = 0;
    int imageBottom_ = 0;
    int widest_ = 0;
    POINT linkStart_ = {};
    int recorded_ = 0;
    int lineFirstLink_ = 0;
    CStringUI hoveredText_;
    bool hovered_ = false;
};

void Walk::Run() {
    base_ = host_.BaseFont();
    host_.SelectFont(base_);
    const bool drawing = (flags_ & FormatCalcRect) == 0;
    if (drawing) AlignRect();
    FindHoveredLink();
    pen_ = POINT{rect_.left, rect_.top};
    lineHeight_ = LineHeightOf(base_);
    widest_ = rect_.left;
    while (true) {
        linkStart_ = pen_;
        const State lineStart = state_;
        drawPass_ = false;
        LayLine();
        CloseLineLinks();
        if (drawing) {
            state_ = lineStart;
            host_.SelectFont(Font());
            pen_.x = rect_.left;
            drawPass_ = true;
            LayLine();
        }
        if (SingleLine() || *state_.p == 0) break;
        if (state_.p == lineStart.p && pen_.x == rect_.left) ++state_.p;  // never the same empty line again
        pen_.x = rect_.left;
        pen_.y += lineHeight_;
        if (drawing && pen_.y > rect_.bottom) break;
        lineHeight_ = Spacing() + LineHeightOf(Font());
    }
    links_.count = recorded_;
    if (!drawing) {
        rect_.bottom = std::max<Coordinate>(pen_.y + lineHeight_, imageBottom_);
        rect_.right = std::min<Coordinate>(rect_.right, widest_);
    }
}

// Measured first on a wide rectangle; the text's extent then places the rectangle.
void Walk::AlignRect() {
    if ((flags_ & (FormatCenter | FormatRight | FormatVCenter | FormatBottom)) == 0) return;
    RECT extent = {0, 0, 9999, 100};
    TTextLinks none;
    LayOutFormattedText(host_, extent, state_.p, colour_, none, flags_ | FormatCalcRect);
    host_.SelectFont(base_);
    const int width = extent.right - extent.left, height = extent.bottom - extent.top;
    if (SingleLine()) {
        if ((flags_ & FormatCenter) != 0) {
            rect_.left += (rect_.right - rect_.left - width) / 2;
            rect_.right = rect_.left + width;
        } else if ((flags_ & FormatRight) != 0) {
            rect_.left = rect_.right - width;
        }
    }
    if ((flags_ & FormatVCenter) != 0) {
        rect_.top += (rect_.bottom - rect_.top - height) / 2;
        rect_.bottom = rect_.top + height;
    } else if ((flags_ & FormatBottom) != 0) {
        rect_.top = rect_.bottom - height;
    }
}

void Walk::FindHoveredLink() {
    const POINT mouse = host_.MousePoint();
    for (int i = 0; i < std::min(links_.count, links_.capacity); ++i) {
        if (!Inside(links_.rects[i], mouse)) continue;
        hoveredText_ = links_.texts[i];
        hovered_ = true;
        return;
    }
}

// Tokens until the line ends; a line feed that ends it is consumed with it.
void Walk::LayLine() {
    lineEnded_ = false;
    while (!lineEnded_ && *state_.p != 0 && *state_.p != L'\n') {
        NextToken();
        if (pen_.x >= rect_.right) lineEnded_ = true;
    }
    if (*state_.p == L'\n') ++state_.p;
}

void Walk::NextToken() {
    if (state_.raw) return TextRun(state_.p);
    const struct Token token = ReadToken(state_.p);
    switch (token.kind) {
    case Token::kSpace:
    case Token::kLiteral: state_.p = token.next; return Literal(&token.letter, 1);
    case Token::kOpen: return OpenTag(token);
    case Token::kClose: state_.p = token.next; return CloseTag(token.letter);
    default: return TextRun(state_.p);
    }
}

void Walk::OpenTag(const struct Token& token) {
    const CStringUI argument(token.argument, token.argumentLength);
    if (token.letter == L'i' && !argument.IsEmpty()) {
        if (Image(argument)) state_.p = token.next;
        return;
    }
    state_.p = token.next;
    switch (token.letter) {
    case L'a': {
        state_.linkText = argument;
        if (Measuring() && recorded_ < links_.capacity) links_.texts[recorded_] = argument;
        uint32_t colour = colour_ != 0 ? colour_ : host_.LinkColour();
        if (hovered_ && argument == hoveredText_) colour = host_.LinkHoverColour();
        state_.colours.push_back(colour);
        state_.inLink = true;
        linkStart_ = pen_;
        PushStyle(StyleUnderline);
        break;
    }
    case L'b': PushStyle(StyleBold); break;
    case L'c': {
        const wchar_t* digits = argument.GetData() + (argument.GetAt(0) == L'#' ? 1 : 0);
        state_.colours.push_back(static_cast<uint32_t>(std::wcstoul(digits, nullptr, 16)));
        break;
    }
    case L'f': {
        if (argument.GetLength() > 0 && std::iswdigit(argument.GetAt(0))) {
            PushFont(host_.FontById(ToInt(argument, 0)));
            break;
        }
        const wchar_t* p = argument.GetData();
        const wchar_t* end = p + argument.GetLength();
        const CStringUI face = NextWord(p, end);
        const CStringUI rest(p, static_cast<int>(end - p));
        const unsigned styles = (ContainsIgnoringCase(rest, L"bold") ? unsigned{StyleBold} : 0u) |
                                (ContainsIgnoringCase(rest, L"underline") ? unsigned{StyleUnderline} : 0u) |
                                (ContainsIgnoringCase(rest, L"italic") ? unsigned{StyleItalic} : 0u);
        if (const void* font = host_.FontByDescription(face.GetData(), ToInt(NextWord(p, end), 10), styles)) {
            PushFont(font);
        }
        break;
    }
    case L'i': PushStyle(StyleItalic); break;
    case L'n':
        if (!SingleLine()) lineEnded_ = true;
        break;
    case L'p':
        EndLineUnlessAtStart();
        state_.spacings.push_back(ToInt(argument, 0));
        RaiseLineHeight(Spacing() + LineHeightOf(Font()));
        break;
    case L'r': state_.raw = true; break;
    case L's': state_.selected = !state_.selected; break;
    case L'u': PushStyle(StyleUnderline); break;
    case L'x': pen_.x += ToInt(argument, 0); break;
    case L'y':
        if (Measuring()) lineHeight_ = ToInt(argument, 0);
        break;
    default: break;  // unknown letters go with their argument
    }
}

// Closing tags pop what is there to pop: on an empty stack the base font, colour or spacing stay.
void Walk::CloseTag(wchar_t letter) {
    switch (letter) {
    case L'a':
        if (state_.inLink) {
            RecordLink(LinkPart());
            state_.inLink = false;
        }
        if (!state_.colours.empty()) state_.colours.pop_back();
        PopFont();
        break;
    case L'b':
    case L'f':
    case L'i':
    case L'u': PopFont(); break;
    case L'c':
        if (!state_.colours.empty()) state_.colours.pop_back();
        break;
    case L'p':
        if (!state_.spacings.empty()) state_.spacings.pop_back();
        EndLineUnlessAtStart();
        RaiseLineHeight(Spacing() + LineHeightOf(Font()));
        break;
    case L's': state_.selected = false; break;
    default: break;
    }
}

void Walk::EndLineUnlessAtStart() {
    if (!AtLineStart()) lineEnded_ = true;
}

void Walk::RaiseLineHeight(int height) {
    if (Measuring()) lineHeight_ = std::max(lineHeight_, height);
}

void Walk::PushFont(const void* font) {
    if (font == nullptr) return;
    state_.fonts.push_back(font);
    FontChanged();
}

// The current font with one more style; nothing when it has the style already.
void Walk::PushStyle(unsigned style) {
    const void* font = Font();
    if ((host_.StylesOf(font) & style) == 0) PushFont(host_.Variant(font, style));
}

void Walk::PopFont() {
    if (state_.fonts.empty()) return;
    const bool wasItalic = (host_.StylesOf(Font()) & StyleItalic) != 0;
    state_.fonts.pop_back();
    FontChanged();
    if (wasItalic && (host_.StylesOf(Font()) & StyleItalic) == 0) pen_.x += host_.SpaceOverhang() / 2;
}

void Walk::FontChanged() {
    host_.SelectFont(Font());
    RaiseLineHeight(Spacing() + LineHeightOf(Font()));
}

// The open link's rectangle on this line so far.
RECT Walk::LinkPart() const {
    RECT area = {};
    area.left = linkStart_.x;
    area.top = linkStart_.y;
    area.right = std::min(pen_.x, rect_.right);
    area.bottom = pen_.y + lineHeight_;
    return area;
}

void Walk::RecordLink(const RECT& area) {
    if (!Measuring() || recorded_ >= links_.capacity) return;
    links_.rects[recorded_] = area;
    links_.texts[recorded_] = state_.linkText;
    ++recorded_;
}

// After a measuring pass: the open link's part on this line, and every link of the line reaches
// down to the line's bottom.
void Walk::CloseLineLinks() {
    if (state_.inLink) {
        RecordLink(LinkPart());
    }
    for (int i = lineFirstLink_; i < recorded_; ++i) links_.rects[i].bottom = pen_.y + lineHeight_;
    lineFirstLink_ = recorded_;
}

void Walk::Literal(const wchar_t* text, int length) {
    const int width = host_.TextWidth(text, length);
    if (drawPass_) {
        const TTextMetrics metrics = host_.MetricsOf(Font());
        host_.DrawRun(pen_.x, RunTop(metrics), text, length, Colour(), state_.selected);
    }
    pen_.x += width;
    widest_ = std::max<int>(widest_, pen_.x);
}

// An image wider than the rest of the line waits for the next line, unless the line is new.
bool Walk::Image(const CStringUI& argument) {
    const TInlineImage image = ParseImage(argument);
    int width = 0, height = 0;
    if (image.name.IsEmpty() || !host_.ImageSize(image, width, height) || width <= 0 || height <= 0) return true;
    const int frameWidth = width / image.frames;
    if (!SingleLine() && !AtLineStart() && pen_.x + frameWidth > rect_.right) {
        lineEnded_ = true;
        return false;
    }
    RaiseLineHeight(height);
    imageBottom_ = std::max<int>(imageBottom_, pen_.y + height);
    if (drawPass_) {
        const int top = height < lineHeight_ ? pen_.y + (lineHeight_ - height) / 2 : pen_.y + lineHeight_ - height;
        host_.DrawImage(image, RECT{pen_.x, top, pen_.x + frameWidth, top + height},
                        RECT{image.frame * frameWidth, 0, (image.frame + 1) * frameWidth, height});
    }
    pen_.x += frameWidth;
    widest_ = std::max<int>(widest_, pen_.x);
    return true;
}

// How many of the run's `length` characters fit before the right edge (never half a surrogate
// pair); at the start of a line at least one character does, so every line moves on.
int Walk::FittingLength(const wchar_t* run, int length, int& width) {
    const int room = rect_.right - pen_.x;
    width = host_.TextWidth(run, length);
    if (width <= room) return length;
    int low = 0, high = length;  // low fits, high does not
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (host_.TextWidth(run, middle) <= room ? low : high) = middle;
    }
    if (low > 0 && IsHighSurrogate(run[low - 1]) && IsLowSurrogate(run[low])) --low;
    if (low == 0 && AtLineStart()) low = FirstCharacterLength(run, length);
    return low;
}

// A word break falls after any character that is not an ASCII letter; with none in the run, a
// run that does not start the line moves to the next one whole.
int Walk::BreakLength(const wchar_t* run, int fitting) const {
    for (int i = fitting; i > 0; --i) {
        if (!IsAsciiLetter(run[i - 1]) && !IsHighSurrogate(run[i - 1])) return i;
    }
    return AtLineStart() ? fitting : 0;
}

// Text up to the next tag, line feed or end (raw text up to its closing tag), cut where the line
// ends, measured, and drawn on the line's bottom in the drawing pass.
void Walk::TextRun(const wchar_t* start) {
    const wchar_t* end = start;
    if (state_.raw) {
        while (*end != 0 && *end != L'\n' && std::wcsncmp(end, L"</r>", 4) != 0 && std::wcsncmp(end, L"{/r}", 4) != 0) {
            ++end;
        }
    } else {
        if (*end == L'<' || *end == L'{') ++end;  // begins no tag: ordinary text
        while (*end != 0 && *end != L'\n' && *end != L'<' && *end != L'{' && *end != L' ') ++end;
    }
    int length = static_cast<int>(end - start);
    const TTextMetrics metrics = host_.MetricsOf(Font());
    int width = 0;
    bool ellipsis = false;
    if (length > 0 && pen_.x + static_cast<long long>(length) * metrics.maxCharWidth > rect_.right) {
        const int fitting = FittingLength(start, length, width);
        if (fitting < length) {
            length = (flags_ & FormatWordBreak) != 0 ? BreakLength(start, fitting) : fitting;
            if ((flags_ & FormatEndEllipsis) != 0) {
                // A line's first run keeps its first character, so that the next line moves on.
                const int keep = !AtLineStart() ? 0 : FirstCharacterLength(start, length);
                const int dots = host_.TextWidth(L"...", 3);
                while (length > keep && pen_.x + host_.TextWidth(start, length) + dots > rect_.right) --length;
                if (length > keep && IsHighSurrogate(start[length - 1])) --length;
                ellipsis = true;
            }
            lineEnded_ = true;
        }
    }
    width = length > 0 ? host_.TextWidth(start, length) : 0;
    if (drawPass_ && length > 0) {
        int x = pen_.x;
        if (!SingleLine() && (flags_ & FormatCenter) != 0) x += (rect_.right - rect_.left - width) / 2;
        if (!SingleLine() && (flags_ & FormatRight) != 0) x += rect_.right - rect_.left - width;
        const int y = RunTop(metrics);
        host_.DrawRun(x, y, start, length, Colour(), state_.selected);
        if (ellipsis) host_.DrawRun(x + width, y, L"...", 3, Colour(), state_.selected);
    } else if (drawPass_ && ellipsis) {
        host_.DrawRun(pen_.x, RunTop(metrics), L"...", 3, Colour(), state_.selected);
    }
    state_.p = start + length;
    if (state_.raw && length == static_cast<int>(end - start) && *end != 0 && *end != L'\n') {
        state_.p = end + 4;  // the raw text's closing tag
        state_.raw = false;
    }
    pen_.x += width;
    widest_ = std::max<int>(widest_, pen_.x);
}

}  // namespace

void LayOutFormattedText(IFormattedTextHost& host, RECT& rect, const wchar_t* text, uint32_t textColour,
                         TTextLinks& links, unsigned flags) {
    if (text == nullptr || rect.right <= rect.left || rect.bottom <= rect.top) return;
    Walk(host, rect, text, textColour, links, flags).Run();
}

}  // namespace Tovik
