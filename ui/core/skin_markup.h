// CSkinMarkup reads skin markup (an XML dialect) into a flat, index-linked element table over its
// own UTF-16 copy of the text, parsing in place in one pass: names and values are terminated and
// entities decoded inside that copy, and elements record character offsets into it. CSkinNode is
// the small value handle through which callers walk elements and read attributes.
#pragma once

#include <cstdint>
#include <vector>

namespace Tovik {

// How ParseBuffer decodes its bytes; any value other than Utf8 and Ansi means Utf16.
enum SkinEncoding { Utf8 = 0, Utf16 = 1, Ansi = 2 };

class CSkinMarkup;

class CSkinNode {
public:
    static constexpr int kMaxAttributes = 64;

    CSkinNode() = default;  // the invalid node
    CSkinNode(CSkinMarkup* owner, uint32_t element);

    // False for the invalid node and for a node of a document that has since been cleared or
    // replaced by another parse: such a node behaves as the invalid one.
    bool IsValid() const;
    CSkinNode NextSibling() const;
    CSkinNode FirstChild() const;
    bool HasChildren() const;
    const wchar_t* TagName() const;

    // Attributes are mapped on first use; at most 64 of one element are visible. An index out of
    // range gives an empty string; the invalid node gives null.
    int AttributeCount();
    bool HasAttributes();
    const wchar_t* AttributeNameAt(int index);
    const wchar_t* AttributeValueAt(int index);
    // The value of the first attribute whose name matches, ignoring ASCII case, cut to `max`
    // characters into `buffer` (max + 1 characters), always terminated.
    bool ReadAttribute(const wchar_t* name, wchar_t* buffer, int max);

private:
    void MapAttributes();

    struct Attribute {
        uint32_t name;
        uint32_t value;
    };

    CSkinMarkup* owner_ = nullptr;
    uint32_t element_ = 0;
    uint32_t generation_ = 0;  // the owner's document the node belongs to
    int attributeCount_ = 0;
    Attribute attributes_[kMaxAttributes] = {};
};

class CSkinMarkup {
public:
    static constexpr int kErrorMessageCapacity = 100;
    static constexpr int kErrorContextCapacity = 50;
    static constexpr int kMaxDepth = 256;
    static constexpr uint32_t kMaxSkinFileSize = 4u << 20;

    explicit CSkinMarkup(const wchar_t* text = nullptr);
    CSkinMarkup(const CSkinMarkup&) = delete;
    CSkinMarkup& operator=(const CSkinMarkup&) = delete;

    bool ParseText(const wchar_t* text);
    // A big-endian UTF-16 buffer is byte-swapped in place, in the caller's buffer.
    bool ParseBuffer(unsigned char* bytes, uint32_t size, int encoding);
    // Reads `name` through the resource store (a folder or a ZIP archive); Windows only.
    bool ParseSkinFile(const wchar_t* name, int encoding);
    void Clear();

    CSkinNode RootNode();

    const wchar_t* ErrorMessage() const { return errorMessage_; }
    const wchar_t* ErrorContext() const { return errorContext_; }

private:
    friend class CSkinNode;

    struct Element {
        uint32_t name;
        uint32_t firstChild;
        uint32_t nextSibling;
        uint32_t content;  // after '>' of <x ...>, or at '/' of <x .../>
    };

    bool Parse();
    bool ParseContent(uint32_t parent, wchar_t*& p, int depth);
    bool ParseElement(uint32_t parent, uint32_t& previous, wchar_t*& p, int depth);
    bool ParseAttributes(wchar_t*& p);
    bool ParseClosingTag(uint32_t element, const wchar_t* nameEnd, wchar_t*& p);
    uint32_t ReserveElement();
    uint32_t Offset(const wchar_t* p) const { return static_cast<uint32_t>(p - text_.data()); }
    bool Fail(const wchar_t* message, const wchar_t* context);

    std::vector<wchar_t> text_;  // terminated; empty when there is no document
    std::vector<Element> elements_;
    uint32_t generation_ = 0;  // counts the documents this parser has held
    wchar_t errorMessage_[kErrorMessageCapacity] = {};
    wchar_t errorContext_[kErrorContextCapacity] = {};
};

}  // namespace Tovik
