// The shape of every control's attribute setter: a table of rows, each a markup name and how its
// value is applied. Names match without regard to ASCII case unless a row asks for exact case.
#pragma once

#include <cstddef>
#include <cwchar>

#include "support/platform.h"

namespace Tovik {

template <typename Control>
struct TAttributeRow {
    const wchar_t* name;
    void (*apply)(Control& control, const wchar_t* value);
    bool exactCase = false;
};

// Applies the first row named `name`; false when no row is.
template <typename Control, size_t N>
bool ApplyAttributeRow(const TAttributeRow<Control> (&rows)[N], Control& control, const wchar_t* name,
                       const wchar_t* value) {
    for (const TAttributeRow<Control>& row : rows) {
        const bool matches =
            row.exactCase ? std::wcscmp(name, row.name) == 0 : Platform::EqualsIgnoringAsciiCase(name, row.name);
        if (!matches) continue;
        row.apply(control, value);
        return true;
    }
    return false;
}

}  // namespace Tovik
