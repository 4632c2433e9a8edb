// libFuzzer target for the markup parser: the first byte picks the encoding (UTF-8, UTF-16 or
// ANSI), the rest is the buffer. A parsed document is walked whole and every attribute read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/core/skin_markup.h"

using Tovik::CSkinMarkup;
using Tovik::CSkinNode;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const int kEncodings[] = {Tovik::Utf8, Tovik::Utf16, Tovik::Ansi};
    const int encoding = kEncodings[data[0] % 3];
    // An exact-size copy: the parser may swap a big-endian buffer in place.
    std::vector<unsigned char> bytes(data + 1, data + size);
    CSkinMarkup markup;
    if (!markup.ParseBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()), encoding)) return 0;
    std::vector<CSkinNode> pending;
    if (markup.RootNode().IsValid()) pending.push_back(markup.RootNode());
    wchar_t value[500];
    while (!pending.empty()) {
        CSkinNode node = pending.back();
        pending.pop_back();
        (void)node.TagName();
        for (int i = 0; i < node.AttributeCount(); ++i) {
            node.ReadAttribute(node.AttributeNameAt(i), value, 499);
            (void)node.AttributeValueAt(i);
        }
        if (node.NextSibling().IsValid()) pending.push_back(node.NextSibling());
        if (node.FirstChild().IsValid()) pending.push_back(node.FirstChild());
    }
    return 0;
}
