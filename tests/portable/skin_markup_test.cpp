// CSkinMarkup and CSkinNode: structure, attributes, entities, every parse error, encodings.
#include "ui/core/skin_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Tovik::CSkinMarkup;
using Tovik::CSkinNode;

namespace {

std::wstring Attribute(CSkinNode node, const wchar_t* name) {
    wchar_t value[500];
    return node.ReadAttribute(name, value, 499) ? value : L"<none>";
}

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

TEST(SkinMarkupStructure, AnEmptyElementWithOneAttribute) {
    CSkinMarkup markup(L"<Window size=\"560,400\"/>");
    CSkinNode root = markup.RootNode();
    ASSERT_TRUE(root.IsValid());
    EXPECT_STREQ(root.TagName(), L"Window");
    EXPECT_EQ(root.AttributeCount(), 1);
    EXPECT_STREQ(root.AttributeNameAt(0), L"size");
    EXPECT_STREQ(root.AttributeValueAt(0), L"560,400");
    EXPECT_EQ(Attribute(root, L"SIZE"), L"560,400");
    EXPECT_EQ(Attribute(root, L"caption"), L"<none>");
    EXPECT_FALSE(root.HasChildren());
}

TEST(SkinMarkupStructure, ChildrenAndSiblingsInDocumentOrder) {
    CSkinMarkup markup(
        L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- the window -->\n"
        L"<Window caption=\"0,0,0,30\">\n  <VerticalLayout>\n    <Button name=\"BtnDown\" />\n"
        L"    <!-- between -->\n    <Label text=\"a\"></Label>\n  </VerticalLayout>\n  <TabLayout/>\n</Window>\n");
    CSkinNode window = markup.RootNode();
    ASSERT_STREQ(window.TagName(), L"Window");
    EXPECT_EQ(Attribute(window, L"caption"), L"0,0,0,30");
    CSkinNode vertical = window.FirstChild();
    ASSERT_STREQ(vertical.TagName(), L"VerticalLayout");
    EXPECT_FALSE(vertical.HasAttributes());
    CSkinNode button = vertical.FirstChild();
    EXPECT_STREQ(button.TagName(), L"Button");
    EXPECT_EQ(Attribute(button, L"name"), L"BtnDown");
    CSkinNode label = button.NextSibling();
    EXPECT_STREQ(label.TagName(), L"Label");
    EXPECT_FALSE(label.NextSibling().IsValid());
    EXPECT_STREQ(vertical.NextSibling().TagName(), L"TabLayout");
    EXPECT_FALSE(vertical.NextSibling().NextSibling().IsValid());
    EXPECT_FALSE(window.NextSibling().IsValid());
}

TEST(SkinMarkupStructure, DocumentsWithoutElementsAndUnclosedTopElements) {
    struct Case {
        const wchar_t* text;
        const wchar_t* root;  // null: the invalid node
    };
    const Case cases[] = {
        {L"<!-- only a comment -->", nullptr},
        {L"  \r\n\t ", nullptr},
        {L"", nullptr},
        {L"<a><b/>", L"a"},
        {L"<a>text", L"a"},
        {L"<a/> </b> ignored", L"a"},
        {L"<!-- no end", nullptr},
    };
    for (const Case& c : cases) {
        CSkinMarkup markup;
        ASSERT_TRUE(markup.ParseText(c.text)) << markup.ErrorMessage();
        CSkinNode root = markup.RootNode();
        if (c.root == nullptr) {
            EXPECT_FALSE(root.IsValid());
            EXPECT_EQ(root.TagName(), nullptr);
            EXPECT_EQ(root.AttributeNameAt(0), nullptr);
            EXPECT_EQ(root.AttributeCount(), 0);
        } else {
            EXPECT_STREQ(root.TagName(), c.root);
        }
    }
    CSkinMarkup markup(L"<a><b/>");
    EXPECT_STREQ(markup.RootNode().FirstChild().TagName(), L"b");
}

TEST(SkinMarkupAttributes, EntitiesAreDecodedAndOthersKept) {
    CSkinMarkup markup(
        L"<a v=\"x &amp; y\" n=\"&#65;\" u=\"&unknown;\" all=\"&lt;&gt;&quot;&apos;&amp;\" after=\"2\">"
        L"t &amp; c</a>");
    CSkinNode a = markup.RootNode();
    EXPECT_EQ(a.AttributeCount(), 5);
    EXPECT_EQ(Attribute(a, L"v"), L"x & y");
    EXPECT_EQ(Attribute(a, L"n"), L"&#65;");
    EXPECT_EQ(Attribute(a, L"u"), L"&unknown;");
    EXPECT_EQ(Attribute(a, L"all"), L"<>\"'&");
    EXPECT_EQ(Attribute(a, L"after"), L"2");
}

TEST(SkinMarkupAttributes, SixtyFiveAttributesShowSixtyFour) {
    std::wstring text = L"<a";
    for (int i = 0; i < 65; ++i) text += L" a" + std::to_wstring(i) + L"=\"" + std::to_wstring(i) + L"\"";
    text += L"/>";
    CSkinMarkup markup(text.c_str());
    CSkinNode a = markup.RootNode();
    EXPECT_EQ(a.AttributeCount(), 64);
    EXPECT_EQ(Attribute(a, L"a63"), L"63");
    EXPECT_EQ(Attribute(a, L"a64"), L"<none>");
    EXPECT_STREQ(a.AttributeNameAt(64), L"");
    EXPECT_STREQ(a.AttributeValueAt(-1), L"");
}

TEST(SkinMarkupAttributes, ReadAttributeCutsToMaxAndIgnoresAsciiCase) {
    CSkinMarkup markup(L"<a Text=\"abcdef\" text=\"second\"/>");
    CSkinNode a = markup.RootNode();
    wchar_t value[4] = {L'#', L'#', L'#', L'#'};
    ASSERT_TRUE(a.ReadAttribute(L"TEXT", value, 3));
    EXPECT_STREQ(value, L"abc");
    EXPECT_FALSE(CSkinNode().ReadAttribute(L"text", value, 3));
}

TEST(SkinMarkupAttributes, IdeographNamesAreIdentifiers) {
    CSkinMarkup markup(L"<\x7A97\x53E3 \x6807\x9898=\"\x5B89\x88C5\"/>");
    CSkinNode root = markup.RootNode();
    ASSERT_TRUE(root.IsValid()) << markup.ErrorMessage();
    EXPECT_STREQ(root.TagName(), L"\x7A97\x53E3");
    EXPECT_EQ(Attribute(root, L"\x6807\x9898"), L"\x5B89\x88C5");
}

TEST(SkinMarkupErrors, EachMalformedDocumentGivesItsMessage) {
    struct Case {
        const wchar_t* text;
        const wchar_t* message;
        const wchar_t* context;
    };
    const Case cases[] = {
        {L"<a v='x'/>", L"Expected attribute value", L"x'/>"},
        {L"<a v \"x\"/>", L"Error while parsing attributes", L"\"x\"/>"},
        {L"<a v=\"x", L"Error while parsing attribute string", L""},
        {L"<a v=", L"Expected attribute value", L""},
        {L"<a><b></a>", L"Unmatched closing tag", L"a>"},
        {L"<ab></abc>", L"Unmatched closing tag", L">"},
        {L"<a></a", L"Unmatched closing tag", L""},
        {L"<a>text<b/>more</a>", L"Expected start tag", L"more</a>"},
        {L"<x><y><a>text", L"Expected end-tag start", L""},
        {L"<x><y><a><b/>", L"Expected start tag", L""},
        {L"<a", L"Error parsing element name", L""},
        {L"<a v=\"1\"/ >", L"Expected start-tag closing", L"/ >"},
        {L"plain text", L"Expected start tag", L"plain text"},
    };
    for (const Case& c : cases) {
        CSkinMarkup markup;
        EXPECT_FALSE(markup.ParseText(c.text)) << c.text;
        EXPECT_STREQ(markup.ErrorMessage(), c.message) << c.text;
        EXPECT_STREQ(markup.ErrorContext(), c.context) << c.text;
        EXPECT_FALSE(markup.RootNode().IsValid());
    }
}

TEST(SkinMarkupErrors, DeepNestingFailsInsteadOfOverflowingTheStack) {
    std::wstring deep;
    for (int i = 0; i < 100000; ++i) deep += L"<a>";
    CSkinMarkup markup;
    EXPECT_FALSE(markup.ParseText(deep.c_str()));
    EXPECT_STREQ(markup.ErrorMessage(), L"Elements nested too deeply");

    std::wstring fine;
    for (int i = 0; i < 200; ++i) fine += L"<a>";
    for (int i = 0; i < 200; ++i) fine += L"</a>";
    EXPECT_TRUE(markup.ParseText(fine.c_str())) << markup.ErrorMessage();
}

std::wstring Nested(int levels) {
    std::wstring text;
    for (int i = 0; i < levels; ++i) text += L"<a>";
    for (int i = 0; i < levels; ++i) text += L"</a>";
    return text;
}

TEST(SkinMarkupErrors, TheDepthLimitIsExactly256Levels) {
    CSkinMarkup markup;
    EXPECT_TRUE(markup.ParseText(Nested(256).c_str())) << markup.ErrorMessage();
    EXPECT_FALSE(markup.ParseText(Nested(257).c_str()));
    EXPECT_STREQ(markup.ErrorMessage(), L"Elements nested too deeply");
}

// A node of a document that was cleared or replaced behaves as the invalid node: no reads
// outside the element table or the text that is there now.
TEST(SkinNodes, ANodeOfAGoneDocumentIsInvalid) {
    CSkinMarkup markup(L"<Window a=\"1\" b=\"2\"><Child/><Child/><Child/></Window>");
    CSkinNode root = markup.RootNode();
    CSkinNode third = root.FirstChild().NextSibling().NextSibling();
    ASSERT_TRUE(third.IsValid());
    ASSERT_EQ(root.AttributeCount(), 2);
    markup.Clear();
    for (CSkinNode* node : {&root, &third}) {
        EXPECT_FALSE(node->IsValid());
        EXPECT_EQ(node->TagName(), nullptr);
        EXPECT_FALSE(node->HasChildren());
        EXPECT_FALSE(node->FirstChild().IsValid());
        EXPECT_FALSE(node->NextSibling().IsValid());
        EXPECT_EQ(node->AttributeCount(), 0);
        EXPECT_EQ(node->AttributeNameAt(0), nullptr);
        EXPECT_EQ(node->AttributeValueAt(0), nullptr);
    }
    ASSERT_TRUE(markup.ParseText(L"<W/>"));
    EXPECT_FALSE(third.IsValid());  // its element index is past the new table
    EXPECT_EQ(third.TagName(), nullptr);
    EXPECT_FALSE(root.IsValid());
    EXPECT_EQ(root.AttributeValueAt(1), nullptr);
    EXPECT_STREQ(markup.RootNode().TagName(), L"W");
}

TEST(SkinMarkupErrors, ContextIsCutAt49Characters) {
    const std::wstring text = L"<a>x<b/>" + std::wstring(100, L'y');
    CSkinMarkup markup;
    EXPECT_FALSE(markup.ParseText(text.c_str()));
    EXPECT_EQ(std::wstring(markup.ErrorContext()), std::wstring(49, L'y'));
}

TEST(SkinMarkupTable, ManyElementsGrowTheTable) {
    std::wstring text = L"<list>";
    for (int i = 0; i < 3000; ++i) text += L"<item i=\"" + std::to_wstring(i) + L"\"/>";
    text += L"</list>";
    CSkinMarkup markup(text.c_str());
    int count = 0;
    for (CSkinNode item = markup.RootNode().FirstChild(); item.IsValid(); item = item.NextSibling()) {
        EXPECT_EQ(Attribute(item, L"i"), std::to_wstring(count));
        ++count;
    }
    EXPECT_EQ(count, 3000);
}

TEST(SkinMarkupBuffer, Utf8WithAndWithoutTheMarkGiveTheSameDocument) {
    const std::string utf8 = "<Label text=\"\xE5\xAE\x89\xE8\xA3\x85\"/>";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        std::vector<unsigned char> buffer = Bytes(bytes);
        CSkinMarkup markup;
        ASSERT_TRUE(markup.ParseBuffer(buffer.data(), static_cast<uint32_t>(buffer.size()), Tovik::Utf8));
        EXPECT_EQ(Attribute(markup.RootNode(), L"text"), L"\x5B89\x88C5");
    }
}

TEST(SkinMarkupBuffer, AnsiAscii) {
    std::vector<unsigned char> buffer = Bytes("<Window size=\"1,2\"/>");
    CSkinMarkup markup;
    ASSERT_TRUE(markup.ParseBuffer(buffer.data(), static_cast<uint32_t>(buffer.size()), Tovik::Ansi));
    EXPECT_EQ(Attribute(markup.RootNode(), L"size"), L"1,2");
}

std::vector<unsigned char> Utf16(const std::wstring& text, bool bigEndian) {
    std::vector<unsigned char> bytes =
        bigEndian ? std::vector<unsigned char>{0xFE, 0xFF} : std::vector<unsigned char>{0xFF, 0xFE};
    for (wchar_t c : text) {
        const unsigned char low = static_cast<unsigned char>(c & 0xFF),
                            high = static_cast<unsigned char>((c >> 8) & 0xFF);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes;
}

TEST(SkinMarkupBuffer, Utf16BothByteOrdersAndTheBigEndianSwapInPlace) {
    const std::wstring text = L"<Option group=\"\x76D8\"/>";
    std::vector<unsigned char> little = Utf16(text, false);
    std::vector<unsigned char> big = Utf16(text, true);
    CSkinMarkup markup;
    ASSERT_TRUE(markup.ParseBuffer(little.data(), static_cast<uint32_t>(little.size()), Tovik::Utf16));
    EXPECT_EQ(Attribute(markup.RootNode(), L"group"), L"\x76D8");
    ASSERT_TRUE(markup.ParseBuffer(big.data(), static_cast<uint32_t>(big.size()), 7));  // any other value is UTF-16
    EXPECT_EQ(Attribute(markup.RootNode(), L"group"), L"\x76D8");
    std::vector<unsigned char> swapped = Utf16(text, false);
    swapped[0] = 0xFE;
    swapped[1] = 0xFF;
    EXPECT_EQ(big, swapped);
}

TEST(SkinMarkupBuffer, Utf16OddSizesShortBuffersAndMissingMarks) {
    std::vector<unsigned char> odd = Utf16(L"<a/>", false);
    odd.push_back('<');  // the odd byte is ignored
    CSkinMarkup markup;
    EXPECT_TRUE(markup.ParseBuffer(odd.data(), static_cast<uint32_t>(odd.size()), Tovik::Utf16));
    EXPECT_STREQ(markup.RootNode().TagName(), L"a");

    std::vector<unsigned char> one = {0xFF};
    EXPECT_FALSE(markup.ParseBuffer(one.data(), 1, Tovik::Utf16));
    EXPECT_STREQ(markup.ErrorMessage(), L"Expected start tag");
    std::vector<unsigned char> unmarked = Bytes("<a/>");
    EXPECT_FALSE(markup.ParseBuffer(unmarked.data(), static_cast<uint32_t>(unmarked.size()), Tovik::Utf16));
    EXPECT_FALSE(markup.ParseBuffer(nullptr, 10, Tovik::Utf8) && markup.RootNode().IsValid());
}

TEST(SkinMarkupBuffer, ANewBufferReplacesThePreviousDocument) {
    CSkinMarkup markup(L"<first a=\"1\"><child/></first>");
    std::vector<unsigned char> second = Bytes("<second/>");
    ASSERT_TRUE(markup.ParseBuffer(second.data(), static_cast<uint32_t>(second.size()), Tovik::Utf8));
    EXPECT_STREQ(markup.RootNode().TagName(), L"second");
    EXPECT_FALSE(markup.RootNode().HasChildren());
}

}  // namespace
