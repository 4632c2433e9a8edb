// libFuzzer target for the formatted-text walk, with the windowless test host: the first byte
// picks the format flags (centre, right, vertical centre, bottom, word break, single line,
// measuring, ellipsis), the second the rectangle's width; the rest, as UTF-8, is the text. Drawn
// and measured both, with two link slots and a mouse over the first one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/platform.h"
#include "tests/portable/fake_text_host.h"
#include "ui/core/formatted_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const unsigned kFlags[] = {Tovik::FormatCenter,   Tovik::FormatRight,      Tovik::FormatVCenter,
                                      Tovik::FormatBottom,   Tovik::FormatWordBreak,  Tovik::FormatSingleLine,
                                      Tovik::FormatCalcRect, Tovik::FormatEndEllipsis};
    unsigned flags = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if ((data[0] >> bit & 1) != 0) flags |= kFlags[bit];
    }
    const std::wstring text = Platform::ToWideString(Platform::CodePage::Utf8,
                                                     std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    RECT rects[2] = {{0, 0, 20, 12}, {}};
    Tovik::CStringUI texts[2];
    Tovik::TTextLinks links;
    links.rects = rects;
    links.texts = texts;
    links.capacity = 2;
    links.count = 1;
    TestText::FakeTextHost host;
    host.mouse = POINT{5, 5};
    RECT area = {3, 2, 3 + data[1], 120};
    Tovik::LayOutFormattedText(host, area, text.c_str(), 0xFF000000, links, flags);
    RECT measured = {0, 0, 1 + data[1], 60};
    Tovik::LayOutFormattedText(host, measured, text.c_str(), 0, links, flags | Tovik::FormatCalcRect);
    return 0;
}
