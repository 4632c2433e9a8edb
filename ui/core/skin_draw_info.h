// TSkinDrawInfo: a parsed image attribute string — a bare image name, or space-separated
// key='value' pairs (file, res, restype, dest, source, corner, mask, fade, hole, xtiled, ytiled,
// hsl, size, align, padding) — with a modifier string whose pairs override.
#pragma once

#include <cstdint>

#include "support/platform.h"
#include "ui/core/dpi_scaler.h"
#include "ui/core/string_ui.h"

namespace Tovik {

struct TSkinDrawInfo {
    CStringUI imageString;
    CStringUI modifierString;
    CStringUI name;
    CStringUI resourceType;
    RECT dest = {};
    RECT source = {};
    RECT corner = {};
    uint32_t colourKey = 0;
    uint8_t fade = 255;
    bool hole = false;
    bool xTiled = false;
    bool yTiled = false;
    bool hsl = false;
    SIZE size = {};
    CStringUI align;
    RECT padding = {};
};

// Resets `info` and parses both strings into it. With a scaler, dest, source, corner and padding
// are scaled as they are read, and at a scale other than 100 % every "." of the image name
// becomes "@<scale>." (a.png → a@150.png).
void ParseDrawInfo(TSkinDrawInfo& info, const wchar_t* image, const wchar_t* modifier, const CDpiScaler* scaler);

}  // namespace Tovik
