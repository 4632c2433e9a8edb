// The in-place markup parser: decoding of byte buffers, the recursive content and attribute
// scanner, entity decoding, and the lazy attribute mapping of nodes.
#include "ui/core/skin_markup.h"

#include <algorithm>
#include <cwchar>

#include "support/platform.h"

namespace Tovik {
namespace {

bool IsWhitespace(wchar_t c) { return c != 0 && static_cast<uint32_t>(c) <= 32; }

bool IsIdentifier(wchar_t c) { return Platform::IsLetterOrDigit(c) || c == L'_' || c == L':'; }

void SkipWhitespace(wchar_t*& p) {
    while (IsWhitespace(*p)) ++p;
}

void SkipIdentifier(wchar_t*& p) {
    while (*p != 0 && IsIdentifier(*p)) p = const_cast<wchar_t*>(Platform::NextChar(p));
}

struct EntityName {
    const wchar_t* name;  // with its ';'
    wchar_t character;
};

constexpr EntityName kEntities[] = {
    {L"amp;", L'&'}, {L"lt;", L'<'}, {L"gt;", L'>'}, {L"quot;", L'"'}, {L"apos;", L'\''},
};

// Decodes the text at `p` up to `end` (or the end of the text) in place and leaves `p` on the
// character that stopped it. Returns the write position; the characters after it up to `p` become
// spaces so the attribute mapping can walk across a value that got shorter.
wchar_t* DecodeData(wchar_t*& p, wchar_t end) {
    wchar_t* read = p;
    wchar_t* write = p;
    while (*read != 0 && *read != end) {
        if (*read == L'&') {
            const EntityName* entity = std::find_if(
                std::begin(kEntities), std::end(kEntities),
                [&](const EntityName& e) { return std::wcsncmp(read + 1, e.name, std::wcslen(e.name)) == 0; });
            if (entity != std::end(kEntities)) {
                *write++ = entity->character;
                read += 1 + std::wcslen(entity->name);
                continue;
            }
        }
        const wchar_t* next = Platform::NextChar(read);
        while (read < next) *write++ = *read++;
    }
    for (wchar_t* gap = write + 1; gap < read; ++gap) *gap = L' ';
    p = read;
    return write;
}

}  // namespace

// ---- CSkinMarkup ----

CSkinMarkup::CSkinMarkup(const wchar_t* text) {
    if (text != nullptr) ParseText(text);
}

// Nodes of the document that goes become invalid.
void CSkinMarkup::Clear() {
    text_ = std::vector<wchar_t>();
    elements_ = std::vector<Element>();
    ++generation_;
}

bool CSkinMarkup::ParseText(const wchar_t* text) {
    Clear();
    if (text != nullptr) text_.assign(text, text + std::wcslen(text) + 1);
    if (Parse()) return true;
    Clear();
    return false;
}

// A parser holds one document: a new buffer replaces whatever was parsed before.
bool CSkinMarkup::ParseBuffer(unsigned char* bytes, uint32_t size, int encoding) {
    Clear();
    if (bytes != nullptr && (encoding == Utf8 || encoding == Ansi)) {
        const bool mark = encoding == Utf8 && size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
        const char* source = reinterpret_cast<const char*>(bytes) + (mark ? 3 : 0);
        const int length = static_cast<int>(size - (mark ? 3 : 0));
        const auto codePage = encoding == Utf8 ? Platform::CodePage::Utf8 : Platform::CodePage::Ansi;
        const int converted = length > 0 ? Platform::ToWide(codePage, source, length, nullptr, 0) : 0;
        text_.assign(converted + 1, 0);
        if (converted > 0) Platform::ToWide(codePage, source, length, text_.data(), converted);
    } else if (bytes != nullptr && size >= 2 &&
               ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        const uint32_t count = size / 2 - 1;
        unsigned char* units = bytes + 2;
        if (bytes[0] == 0xFE) {
            for (uint32_t i = 0; i < count; ++i) std::swap(units[2 * i], units[2 * i + 1]);
        }
        text_.assign(count + 1, 0);
        for (uint32_t i = 0; i < count; ++i) text_[i] = static_cast<wchar_t>(units[2 * i] | units[2 * i + 1] << 8);
    }
    if (Parse()) return true;
    Clear();
    return false;
}

CSkinNode CSkinMarkup::RootNode() { return elements_.size() > 1 ? CSkinNode(this, 1) : CSkinNode(); }

uint32_t CSkinMarkup::ReserveElement() {
    if (elements_.size() == elements_.capacity()) {
        elements_.reserve(elements_.capacity() + elements_.capacity() / 2 + 500);
    }
    elements_.push_back(Element{});
    return static_cast<uint32_t>(elements_.size() - 1);
}

bool CSkinMarkup::Fail(const wchar_t* message, const wchar_t* context) {
    std::wcsncpy(errorMessage_, message, kErrorMessageCapacity - 1);
    errorMessage_[kErrorMessageCapacity - 1] = 0;
    errorContext_[0] = 0;
    if (context != nullptr) {
        std::wcsncpy(errorContext_, context, kErrorContextCapacity - 1);
        errorContext_[kErrorContextCapacity - 1] = 0;
    }
    return false;
}

bool CSkinMarkup::Parse() {
    std::fill(std::begin(errorMessage_), std::end(errorMessage_), 0);
    std::fill(std::begin(errorContext_), std::end(errorContext_), 0);
    // A buffer that decoded to no text at all (UTF-16 without a byte-order mark) is not a document.
    if (text_.empty()) return Fail(L"Expected start tag", nullptr);
    ReserveElement();
    wchar_t* p = text_.data();
    return ParseContent(0, p, 0);
}

// The content list of `parent`: elements, comments and processing instructions, up to the
// parent's closing tag or, near the top, the end of the text.
bool CSkinMarkup::ParseContent(uint32_t parent, wchar_t*& p, int depth) {
    uint32_t previous = 0;
    for (;;) {
        SkipWhitespace(p);
        if (*p == 0 && parent <= 1) return true;
        if (*p != L'<') return Fail(L"Expected start tag", p);
        if (p[1] == L'/') return true;
        *p++ = 0;
        SkipWhitespace(p);
        if (*p == L'!' || *p == L'?') {
            const wchar_t* marker = *p == L'!' ? L"->" : L"?>";
            wchar_t* found = std::wcsstr(p, marker);
            p = found != nullptr ? found + 2 : p + std::wcslen(p);
            continue;
        }
        if (!ParseElement(parent, previous, p, depth)) return false;
    }
}

// `depth` is the number of elements around this one: at most kMaxDepth levels in all.
bool CSkinMarkup::ParseElement(uint32_t parent, uint32_t& previous, wchar_t*& p, int depth) {
    if (depth >= kMaxDepth) return Fail(L"Elements nested too deeply", p);
    SkipWhitespace(p);
    const uint32_t element = ReserveElement();
    elements_[element].name = Offset(p);
    if (previous != 0) {
        elements_[previous].nextSibling = element;
    } else if (parent > 0) {
        elements_[parent].firstChild = element;
    }
    previous = element;

    SkipIdentifier(p);
    if (*p == 0) return Fail(L"Error parsing element name", p);
    wchar_t* nameEnd = p;
    if (!ParseAttributes(p)) return false;

    SkipWhitespace(p);
    if (p[0] == L'/' && p[1] == L'>') {
        elements_[element].content = Offset(p);
        *p = 0;
        p += 2;
    } else if (*p != L'>') {
        return Fail(L"Expected start-tag closing", p);
    } else {
        elements_[element].content = Offset(++p);
        wchar_t* contentEnd = DecodeData(p, L'<');
        if (*p == 0 && parent <= 1) {  // an unclosed element near the top is accepted
            *nameEnd = 0;
            return true;
        }
        if (*p != L'<') return Fail(L"Expected end-tag start", p);
        if (p[1] != L'/' && !ParseContent(element, p, depth + 1)) return false;
        if (p[0] == L'<' && p[1] == L'/') {
            *contentEnd = 0;
            if (!ParseClosingTag(element, nameEnd, p)) return false;
        }
    }
    *nameEnd = 0;
    return true;
}

// At "</": the closing name must repeat the opening one (over its length) and end with '>'.
bool CSkinMarkup::ParseClosingTag(uint32_t element, const wchar_t* nameEnd, wchar_t*& p) {
    *p = 0;
    p += 2;
    SkipWhitespace(p);
    const wchar_t* name = text_.data() + elements_[element].name;
    const size_t length = static_cast<size_t>(nameEnd - name);
    if (std::wcsncmp(p, name, length) != 0) return Fail(L"Unmatched closing tag", p);
    p += length;
    SkipWhitespace(p);
    if (*p == 0) return Fail(L"Unmatched closing tag", p);
    if (*p++ != L'>') return Fail(L"Unmatched closing tag", p);
    return true;
}

bool CSkinMarkup::ParseAttributes(wchar_t*& p) {
    if ((p[0] == L'/' && p[1] == L'>') || p[0] == L'>') return true;
    *p++ = 0;
    SkipWhitespace(p);
    while (*p != 0 && *p != L'>' && *p != L'/') {
        SkipIdentifier(p);
        wchar_t* nameEnd = p;
        SkipWhitespace(p);
        if (*p != L'=') return Fail(L"Error while parsing attributes", p);
        *p++ = L' ';
        *nameEnd = 0;
        SkipWhitespace(p);
        if (*p == 0) return Fail(L"Expected attribute value", p);
        if (*p++ != L'"') return Fail(L"Expected attribute value", p);
        wchar_t* valueEnd = DecodeData(p, L'"');
        if (*p == 0) return Fail(L"Error while parsing attribute string", p);
        *valueEnd = 0;
        if (valueEnd != p) *p = L' ';
        ++p;
        SkipWhitespace(p);
    }
    return true;
}

// ---- CSkinNode ----

CSkinNode::CSkinNode(CSkinMarkup* owner, uint32_t element)
    : owner_(owner), element_(element), generation_(owner != nullptr ? owner->generation_ : 0) {}

bool CSkinNode::IsValid() const {
    return owner_ != nullptr && generation_ == owner_->generation_ && element_ < owner_->elements_.size();
}

CSkinNode CSkinNode::NextSibling() const {
    if (!IsValid()) return CSkinNode();
    const uint32_t next = owner_->elements_[element_].nextSibling;
    return next != 0 ? CSkinNode(owner_, next) : CSkinNode();
}

CSkinNode CSkinNode::FirstChild() const {
    if (!IsValid()) return CSkinNode();
    const uint32_t child = owner_->elements_[element_].firstChild;
    return child != 0 ? CSkinNode(owner_, child) : CSkinNode();
}

bool CSkinNode::HasChildren() const { return IsValid() && owner_->elements_[element_].firstChild != 0; }

const wchar_t* CSkinNode::TagName() const {
    return IsValid() ? owner_->text_.data() + owner_->elements_[element_].name : nullptr;
}

// Walks from the element name across the terminated strings of the attribute area: each name is
// followed by its terminator, optional whitespace and the opening quote of its value. The walk
// never passes the document's final terminator.
void CSkinNode::MapAttributes() {
    const std::vector<wchar_t>& text = owner_->text_;
    const uint32_t last = static_cast<uint32_t>(text.size() - 1);
    const auto pastString = [&](uint32_t at) {
        at += static_cast<uint32_t>(std::wcslen(text.data() + at));
        return at < last ? at + 1 : last;
    };
    const auto pastWhitespace = [&](uint32_t at) {
        while (IsWhitespace(text[at])) ++at;
        return at;
    };
    const uint32_t content = owner_->elements_[element_].content;
    uint32_t position = owner_->elements_[element_].name;
    while (attributeCount_ < kMaxAttributes) {
        position = pastString(position);
        if (position >= content || position >= last) break;
        const uint32_t name = pastWhitespace(position);
        position = pastWhitespace(pastString(name));
        if (text[position] != L'"') break;
        attributes_[attributeCount_++] = Attribute{name, position + 1};
        position = position + 1;
    }
}

int CSkinNode::AttributeCount() {
    if (!IsValid()) return 0;
    if (attributeCount_ == 0) MapAttributes();
    return attributeCount_;
}

bool CSkinNode::HasAttributes() { return AttributeCount() > 0; }

const wchar_t* CSkinNode::AttributeNameAt(int index) {
    if (!IsValid()) return nullptr;
    if (index < 0 || index >= AttributeCount()) return L"";
    return owner_->text_.data() + attributes_[index].name;
}

const wchar_t* CSkinNode::AttributeValueAt(int index) {
    if (!IsValid()) return nullptr;
    if (index < 0 || index >= AttributeCount()) return L"";
    return owner_->text_.data() + attributes_[index].value;
}

bool CSkinNode::ReadAttribute(const wchar_t* name, wchar_t* buffer, int max) {
    if (!IsValid() || name == nullptr || buffer == nullptr || max < 0) return false;
    const int count = AttributeCount();
    for (int i = 0; i < count; ++i) {
        if (!Platform::EqualsIgnoringAsciiCase(AttributeNameAt(i), name)) continue;
        const wchar_t* value = AttributeValueAt(i);
        const size_t length = std::min<size_t>(std::wcslen(value), static_cast<size_t>(max));
        std::wmemcpy(buffer, value, length);
        buffer[length] = 0;
        return true;
    }
    return false;
}

}  // namespace Tovik
