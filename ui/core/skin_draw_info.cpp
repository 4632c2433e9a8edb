// The image attribute string parser.
#include "ui/core/skin_draw_info.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/attribute_values.h"

namespace Tovik {
namespace {

bool IsSpace(wchar_t c) { return c != 0 && static_cast<uint32_t>(c) <= 32; }

// Booleans, numbers and the mask colour follow the control attribute syntax.
RECT ReadRect(const CStringUI& value, const CDpiScaler* scaler) {
    const RECT rect = ParseRect(value.GetData());
    return scaler != nullptr ? scaler->Scale(rect) : rect;
}

void Apply(TSkinDrawInfo& info, const CStringUI& key, const CStringUI& value, const CDpiScaler* scaler) {
    if (value.IsEmpty()) return;
    if (key == L"file" || key == L"res") {
        info.name = value;
    } else if (key == L"restype") {
        info.resourceType = value;
    } else if (key == L"dest") {
        info.dest = ReadRect(value, scaler);
    } else if (key == L"source") {
        info.source = ReadRect(value, scaler);
    } else if (key == L"corner") {
        info.corner = ReadRect(value, scaler);
    } else if (key == L"padding") {
        info.padding = ReadRect(value, scaler);
    } else if (key == L"mask") {
        info.colourKey = ParseColour(value.GetData(), false);
    } else if (key == L"fade") {
        info.fade = static_cast<uint8_t>(std::clamp<long>(std::wcstol(value.GetData(), nullptr, 10), 0, 255));
    } else if (key == L"hole") {
        info.hole = ParseBool(value.GetData());
    } else if (key == L"xtiled") {
        info.xTiled = ParseBool(value.GetData());
    } else if (key == L"ytiled") {
        info.yTiled = ParseBool(value.GetData());
    } else if (key == L"hsl") {
        info.hsl = ParseBool(value.GetData());
    } else if (key == L"size") {
        info.size = ParseSize(value.GetData());
    } else if (key == L"align") {
        info.align = value;
    }
}

// key='value' pairs separated by spaces; the first malformed pair ends the string.
void ParsePairs(TSkinDrawInfo& info, const wchar_t* p, const CDpiScaler* scaler) {
    while (p != nullptr && *p != 0) {
        while (IsSpace(*p)) ++p;
        const wchar_t* key = p;
        while (*p != 0 && !IsSpace(*p) && *p != L'=') ++p;
        const CStringUI keyText(key, static_cast<int>(p - key));
        while (IsSpace(*p)) ++p;
        if (*p != L'=') return;
        ++p;
        while (IsSpace(*p)) ++p;
        if (*p != L'\'') return;
        const wchar_t* value = ++p;
        while (*p != 0 && *p != L'\'') ++p;
        if (*p == 0) return;
        Apply(info, keyText, CStringUI(value, static_cast<int>(p - value)), scaler);
        if (*++p != L' ') return;
        ++p;
    }
}

}  // namespace

void ParseDrawInfo(TSkinDrawInfo& info, const wchar_t* image, const wchar_t* modifier, const CDpiScaler* scaler) {
    info = TSkinDrawInfo();
    info.imageString = image;
    info.modifierString = modifier;
    info.name = image;
    ParsePairs(info, image, scaler);
    ParsePairs(info, modifier, scaler);
    if (scaler != nullptr && scaler->GetScale() != 100) {
        CStringUI scaled;
        scaled.Format(L"@%d.", scaler->GetScale());
        info.name.Replace(L".", scaled.GetData());
    }
}

}  // namespace Tovik
