// Attribute value parsing.
#include "ui/core/attribute_values.h"

#include <cstdint>
#include <cstdlib>

#include "support/platform.h"

namespace Tovik {
namespace {

template <typename Number, typename Read>
void ParseNumbers(const wchar_t* value, Number* numbers, int count, Read read) {
    const wchar_t* p = value;
    for (int i = 0; i < count && *p != 0; ++i) {
        wchar_t* end = nullptr;
        numbers[i] = read(p, &end);
        if (*end == 0) break;
        p = end + 1;
    }
}

using Coordinate = decltype(RECT::left);

Coordinate ReadCoordinate(const wchar_t* p, wchar_t** end) { return static_cast<Coordinate>(std::wcstol(p, end, 10)); }

}  // namespace

bool ParseBool(const wchar_t* value) { return Platform::EqualsIgnoringAsciiCase(value, L"true"); }

int ParseInt(const wchar_t* value) { return static_cast<int>(std::wcstol(value, nullptr, 10)); }

RECT ParseRect(const wchar_t* value) {
    Coordinate n[4] = {};
    ParseNumbers(value, n, 4, ReadCoordinate);
    return RECT{n[0], n[1], n[2], n[3]};
}

SIZE ParseSize(const wchar_t* value) {
    Coordinate n[2] = {};
    ParseNumbers(value, n, 2, ReadCoordinate);
    return SIZE{n[0], n[1]};
}

void ParseFractions(const wchar_t* value, double (&fractions)[4]) {
    ParseNumbers(value, fractions, 4, [](const wchar_t* p, wchar_t** end) { return std::wcstod(p, end); });
}

uint32_t ParseColour(const wchar_t* value, bool skipBlanks) {
    if (skipBlanks) {
        while (*value != 0 && static_cast<uint32_t>(*value) <= 0x20) ++value;
    }
    if (*value == L'#') ++value;
    return static_cast<uint32_t>(std::wcstoul(value, nullptr, 16));
}

}  // namespace Tovik
