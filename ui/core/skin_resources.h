// The decoded resources a paint manager keeps in its tables: images and fonts.
#pragma once

#include <windows.h>

#include "ui/core/stretched_copies.h"
#include "ui/core/string_ui.h"

namespace Tovik {

// One decoded image: a 32-bit top-down DIB section with premultiplied BGRA pixels. Owned by the
// table that holds it and freed with CSkinRender::FreeSkinImage.
struct TSkinImage {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
    bool alpha = false;      // some pixel is not opaque, or the colour key cleared one
    CStringUI resourceType;  // empty for files
    DWORD colourKey = 0;     // the "mask" it was decoded with, 0 = none
    mutable CStretchedCopiesUI stretched;
};

// One font; owned by its table, which frees it with FreeSkinFont.
struct TSkinFont {
    HFONT handle = nullptr;
    CStringUI face;
    int size = 0;  // as given in markup, before DPI scaling
    bool bold = false;
    bool underline = false;
    bool italic = false;
    TEXTMETRICW metrics = {};  // tmHeight 0: not measured yet
};

// Deletes the record's font handle, if any, and clears it.
void ReleaseFontHandle(TSkinFont& font);
// Frees a table's font record: its handle, then the record.
void FreeSkinFont(TSkinFont* font);

}  // namespace Tovik
