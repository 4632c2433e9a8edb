// DrawFormattedText: the formatted-text walk with GDI as its host — the window's fonts (style
// variants kept in the window's table), GDI measuring, TextOutW, and inline skin images.
#include "ui/core/formatted_text.h"
#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

using Colour = CPaintManagerUI::DefaultColor;

COLORREF ToColorRef(uint32_t colour) { return RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF); }

class GdiTextHost : public IFormattedTextHost {
public:
    GdiTextHost(HDC dc, CPaintManagerUI& manager, int fontId) : dc_(dc), manager_(manager) {
        base_ = manager.FontInfoById(fontId);
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, ToColorRef(manager.GetDefaultColor(Colour::kSelectedBackground)));
    }

    const void* BaseFont() override { return base_; }
    const void* FontById(int id) override { return manager_.FontInfoById(id); }
    const void* FontByDescription(const wchar_t* face, int size, unsigned styles) override {
        return manager_.AcquireVariantFont(face, size, (styles & StyleBold) != 0, (styles & StyleUnderline) != 0,
                                           (styles & StyleItalic) != 0);
    }
    const void* Variant(const void* font, unsigned style) override {
        const TSkinFont& from = Font(font);
        return FontByDescription(from.face.GetData(), from.size, StylesOf(font) | style);
    }
    unsigned StylesOf(const void* font) override {
        const TSkinFont& f = Font(font);
        return (f.bold ? unsigned{StyleBold} : 0u) | (f.italic ? unsigned{StyleItalic} : 0u) |
               (f.underline ? unsigned{StyleUnderline} : 0u);
    }
    TTextMetrics MetricsOf(const void* font) override {
        const TEXTMETRICW& metrics = Font(font).metrics;
        TTextMetrics result;
        result.height = metrics.tmHeight;
        result.externalLeading = metrics.tmExternalLeading;
        result.maxCharWidth = metrics.tmMaxCharWidth;
        return result;
    }
    void SelectFont(const void* font) override { SelectObject(dc_, Font(font).handle); }
    int TextWidth(const wchar_t* text, int length) override {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text, length, &size);
        return size.cx;
    }
    // Only TrueType fonts have ABC widths; others have no overhang to make up for.
    int SpaceOverhang() override {
        ABC widths = {};
        return GetCharABCWidthsW(dc_, L' ', L' ', &widths) ? widths.abcC : 0;
    }
    bool ImageSize(const TInlineImage& image, int& width, int& height) override {
        const TSkinImage* decoded = Acquire(image);
        if (decoded == nullptr) return false;
        width = decoded->width;
        height = decoded->height;
        return true;
    }
    uint32_t LinkColour() override { return manager_.GetDefaultColor(Colour::kLink); }
    uint32_t LinkHoverColour() override { return manager_.GetDefaultColor(Colour::kLinkHover); }
    POINT MousePoint() override { return manager_.GetMousePosition(); }
    void DrawRun(int x, int y, const wchar_t* text, int length, uint32_t colour, bool selected) override {
        SetBkMode(dc_, selected ? OPAQUE : TRANSPARENT);
        SetTextColor(dc_, ToColorRef(colour));
        TextOutW(dc_, x, y, text, length);
    }
    void DrawImage(const TInlineImage& image, const RECT& target, const RECT& source) override {
        if (const TSkinImage* decoded = Acquire(image)) {
            CSkinRender::DrawBitmap(dc_, decoded->bitmap, target, target, source, RECT{}, decoded->alpha, 255, false,
                                    false, false);
        }
    }

private:
    static const TSkinFont& Font(const void* font) { return *static_cast<const TSkinFont*>(font); }
    const TSkinImage* Acquire(const TInlineImage& image) {
        return manager_.AcquireSkinImage(image.name.GetData(),
                                         image.resourceType.IsEmpty() ? nullptr : image.resourceType.GetData(), 0);
    }

    HDC dc_;
    CPaintManagerUI& manager_;
    const TSkinFont* base_ = nullptr;
};

}  // namespace

void CSkinRender::DrawFormattedText(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD colour,
                                    RECT* linkRects, CStringUI* linkTexts, int& linkCount, int font, UINT format) {
    if (dc == nullptr || manager == nullptr || text == nullptr || IsRectEmpty(&rect)) return;
    const bool drawing = (format & DT_CALCRECT) == 0;
    const ScopedSaveDC saved(dc);  // the clip, the font and the text settings come back with it
    if (drawing) IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    GdiTextHost host(dc, *manager, font);
    TTextLinks links;
    links.rects = linkRects;
    links.texts = linkTexts;
    links.capacity = linkRects != nullptr && linkTexts != nullptr ? linkCount : 0;
    links.count = links.capacity;
    LayOutFormattedText(host, rect, text, colour, links, format);
    linkCount = links.count;
}

}  // namespace Tovik
