// The walk of formatted text: a text with one-letter inline tags (links, bold, colour, fonts,
// images, paragraphs, raw text, selection, underline, offsets) laid out into lines inside a
// rectangle, measured, and drawn through a host that owns every font, image and pixel. The walk
// itself holds no window state, so it runs (and is tested and fuzzed) without a window; the
// render engine's DrawFormattedText is its GDI host.
#pragma once

#include <cstdint>

#include "support/platform.h"
#include "ui/core/string_ui.h"

namespace Tovik {

// Format flags, with the platform's DT_ values.
enum FormatFlags : unsigned {
    FormatCenter = 0x1,
    FormatRight = 0x2,
    FormatVCenter = 0x4,
    FormatBottom = 0x8,
    FormatWordBreak = 0x10,
    FormatSingleLine = 0x20,
    FormatCalcRect = 0x400,
    FormatEndEllipsis = 0x8000,
};

enum FontStyle : unsigned { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4 };

struct TTextMetrics {
    int height = 0;
    int externalLeading = 0;
    int maxCharWidth = 0;
};

// An inline image: a skin image name (or the file of an image attribute string), its frames and
// the frame shown.
struct TInlineImage {
    CStringUI name;
    CStringUI resourceType;
    int frames = 1;
    int frame = 0;
};

// What the walk needs from the window. Fonts are opaque handles that stay valid for the call.
class IFormattedTextHost {
public:
    virtual const void* BaseFont() = 0;
    // The window's font `id`, or its default font.
    virtual const void* FontById(int id) = 0;
    // An equal font or a new one; null when none can be had.
    virtual const void* FontByDescription(const wchar_t* face, int size, unsigned styles) = 0;
    // The font with one more style (an equal font or a new one); null when none can be had.
    virtual const void* Variant(const void* font, unsigned style) = 0;
    virtual unsigned StylesOf(const void* font) = 0;
    virtual TTextMetrics MetricsOf(const void* font) = 0;
    virtual void SelectFont(const void* font) = 0;
    // Of the selected font.
    virtual int TextWidth(const wchar_t* text, int length) = 0;
    // The C width of the selected font's space; 0 when the font cannot tell.
    virtual int SpaceOverhang() = 0;
    virtual bool ImageSize(const TInlineImage& image, int& width, int& height) = 0;
    virtual uint32_t LinkColour() = 0;
    virtual uint32_t LinkHoverColour() = 0;
    virtual POINT MousePoint() = 0;
    // The drawing pass; `selected` text sits on the selected colour.
    virtual void DrawRun(int x, int y, const wchar_t* text, int length, uint32_t colour, bool selected) = 0;
    virtual void DrawImage(const TInlineImage& image, const RECT& target, const RECT& source) = 0;

protected:
    ~IFormattedTextHost() = default;
};

// The caller's link slots: `count` is the number of rectangles of the previous call on entry
// (hover detection) and the number recorded on return; at most `capacity` are recorded.
struct TTextLinks {
    RECT* rects = nullptr;
    CStringUI* texts = nullptr;
    int capacity = 0;
    int count = 0;
};

// Lays `text` out in `rect` and draws it, or with FormatCalcRect only measures it (then `rect`
// becomes the text's extent). Links are recorded while measuring.
void LayOutFormattedText(IFormattedTextHost& host, RECT& rect, const wchar_t* text, uint32_t textColour,
                         TTextLinks& links, unsigned flags);

}  // namespace Tovik
