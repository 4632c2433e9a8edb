// Image drawing: image strings to draw records, placement inside the item, and the nine-grid
// with tiling, holes and fading, each piece tested against the paint rectangle before any blit.
#include <algorithm>
#include <cwchar>
#include <initializer_list>

#include "ui/core/gdi_handles.h"
#include "ui/core/msimg32.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

// Draws source pieces of one bitmap onto a device context, blended or copied.
class PieceDrawer {
public:
    PieceDrawer(HDC dc, HDC bitmapDC, const RECT& paint, bool blend, uint8_t fade)
        : dc_(dc), bitmapDC_(bitmapDC), paint_(paint), blend_(blend), alphaBlend_(GetAlphaBlend()) {
        function_ = BLENDFUNCTION{AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
    }

    // Draws the piece whole when it meets the paint rectangle; the clip does the rest.
    void Draw(const RECT& target, const RECT& source) const {
        if (Width(target) <= 0 || Height(target) <= 0 || !Meets(target, paint_)) return;
        if (blend_) {
            if (alphaBlend_ != nullptr) {
                alphaBlend_(dc_, target.left, target.top, Width(target), Height(target), bitmapDC_, source.left,
                            source.top, Width(source), Height(source), function_);
            }
        } else {
            StretchBlt(dc_, target.left, target.top, Width(target), Height(target), bitmapDC_, source.left, source.top,
                       Width(source), Height(source), SRCCOPY);
        }
    }

private:
    HDC dc_;
    HDC bitmapDC_;
    RECT paint_;
    bool blend_;
    AlphaBlendFunction alphaBlend_;
    BLENDFUNCTION function_;
};

// Tiles the source centre over the target centre: columns of `tileWidth` (0: one stretched
// column) and rows of `tileHeight` (0: one stretched row); the last ones are cut, and their
// source with them, so tiles are never stretched.
void DrawTiled(const PieceDrawer& drawer, const RECT& target, const RECT& source, int tileWidth, int tileHeight) {
    const int stepX = tileWidth > 0 ? tileWidth : Width(target);
    const int stepY = tileHeight > 0 ? tileHeight : Height(target);
    if (stepX <= 0 || stepY <= 0) return;
    for (LONG top = target.top; top < target.bottom; top += stepY) {
        for (LONG left = target.left; left < target.right; left += stepX) {
            const RECT piece = {left, top, std::min<LONG>(left + stepX, target.right),
                                std::min<LONG>(top + stepY, target.bottom)};
            const RECT from = {source.left, source.top, tileWidth > 0 ? source.left + Width(piece) : source.right,
                               tileHeight > 0 ? source.top + Height(piece) : source.bottom};
            drawer.Draw(piece, from);
        }
    }
}

// Places a span of `size` between `low` and `high` by the first of the words (start, middle, end)
// found in `align`; with none of them the span stays as it is.
void PlaceSpan(const wchar_t* align, std::initializer_list<const wchar_t*> words, LONG low, LONG high, LONG size,
               LONG& start, LONG& end) {
    const wchar_t* const* word = words.begin();
    if (std::wcsstr(align, word[0]) != nullptr) {
        start = low;
    } else if (std::wcsstr(align, word[1]) != nullptr) {
        start = low + (high - size - low) / 2;
    } else if (std::wcsstr(align, word[2]) != nullptr) {
        start = high - size;
    } else {
        return;
    }
    end = start + size;
}

}  // namespace

bool CSkinRender::DrawImageString(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                                  const wchar_t* image, const wchar_t* modifier, HINSTANCE module) {
    if (dc == nullptr || manager == nullptr) return false;
    return DrawImageInfo(dc, manager, item, paint, manager->GetDrawInfo(image, modifier), module);
}

bool CSkinRender::DrawImageInfo(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                                const TSkinDrawInfo* info, HINSTANCE module) {
    if (dc == nullptr || manager == nullptr || info == nullptr) return false;
    RECT target = item;
    if (!IsZeroRect(info->dest)) {
        target = RECT{item.left + info->dest.left, item.top + info->dest.top,
                      std::min(item.left + info->dest.right, item.right),
                      std::min(item.top + info->dest.bottom, item.bottom)};
    }
    const SIZE size = info->size;
    if (size.cx > 0 && size.cy > 0) {
        const wchar_t* align = info->align.GetData();
        PlaceSpan(align, {L"left", L"center", L"right"}, item.left, item.right, size.cx, target.left, target.right);
        PlaceSpan(align, {L"top", L"vcenter", L"bottom"}, item.top, item.bottom, size.cy, target.top, target.bottom);
        OffsetRect(&target, info->padding.left - info->padding.right, info->padding.top - info->padding.bottom);
        target.right = std::min(target.right, item.right);
        target.bottom = std::min(target.bottom, item.bottom);
    }
    return DrawImagePart(dc, manager, item, paint, target, info->name.GetData(), info->resourceType.GetData(),
                         info->source, info->corner, info->colourKey, info->fade, info->hole, info->xTiled,
                         info->yTiled, module);
}

bool CSkinRender::DrawImagePart(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                                const RECT& target, const wchar_t* name, const wchar_t* type, RECT source,
                                const RECT& corner, DWORD colourKey, uint8_t fade, bool hole, bool xTiled, bool yTiled,
                                HINSTANCE module) {
    if (dc == nullptr || manager == nullptr || name == nullptr || *name == 0) return false;
    const TSkinImage* image =
        manager->AcquireSkinImage(name, type != nullptr && *type != 0 ? type : nullptr, colourKey, module);
    if (image == nullptr) return false;
    if (IsZeroRect(source)) source = RECT{0, 0, image->width, image->height};
    source.right = std::min<LONG>(source.right, image->width);
    source.bottom = std::min<LONG>(source.bottom, image->height);
    if (!Meets(target, item) || !Meets(target, paint)) return true;
    const bool alpha = manager->IsLayered() || image->alpha;
    // A plain stretch is drawn from a copy stretched once to the target's size.
    const SIZE size = {Width(target), Height(target)};
    if (IsZeroRect(corner) && !hole && !xTiled && !yTiled && (size.cx != Width(source) || size.cy != Height(source))) {
        if (HBITMAP copy = image->stretched.Get(image->bitmap, source, size, alpha || fade < 255)) {
            DrawBitmap(dc, copy, target, paint, RECT{0, 0, size.cx, size.cy}, corner, alpha, fade, false, false, false);
            return true;
        }
    }
    DrawBitmap(dc, image->bitmap, target, paint, source, corner, alpha, fade, hole, xTiled, yTiled);
    return true;
}

void CSkinRender::DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, const RECT& paint, const RECT& source,
                             const RECT& corner, bool alpha, uint8_t fade, bool hole, bool xTiled, bool yTiled) {
    if (bitmap == nullptr) return;
    ScopedMemoryDC bitmapDC(dc);
    ScopedSelectObject select(bitmapDC.get(), bitmap);
    SetStretchBltMode(dc, HALFTONE);
    const bool blend = alpha || fade < 255;
    const RECT& t = target;
    const RECT& s = source;
    const RECT& c = corner;

    // An unblended image at its own size without corners is one copy of what the paint needs.
    if (!blend && Width(t) == Width(s) && Height(t) == Height(s) && IsZeroRect(c)) {
        RECT part;
        if (!IntersectRect(&part, &t, &paint)) return;
        BitBlt(dc, part.left, part.top, Width(part), Height(part), bitmapDC.get(), s.left + part.left - t.left,
               s.top + part.top - t.top, SRCCOPY);
        return;
    }

    const PieceDrawer drawer(dc, bitmapDC.get(), paint, blend, fade);
    const RECT centre = {t.left + c.left, t.top + c.top, t.right - c.right, t.bottom - c.bottom};
    const RECT sourceCentre = {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom};
    if (!hole && Meets(centre, paint)) {
        const int tileWidth = Width(sourceCentre), tileHeight = Height(sourceCentre);
        if (xTiled || yTiled) {
            if (tileWidth > 0 && tileHeight > 0) {
                DrawTiled(drawer, centre, sourceCentre, xTiled ? tileWidth : 0, yTiled ? tileHeight : 0);
            }
        } else {
            drawer.Draw(centre, sourceCentre);
        }
    }
    // The eight border cells, row by row around the centre; a side of size 0 has none.
    const LONG targetX[] = {t.left, centre.left, centre.right, t.right};
    const LONG targetY[] = {t.top, centre.top, centre.bottom, t.bottom};
    const LONG sourceX[] = {s.left, sourceCentre.left, sourceCentre.right, s.right};
    const LONG sourceY[] = {s.top, sourceCentre.top, sourceCentre.bottom, s.bottom};
    const bool columns[] = {c.left > 0, true, c.right > 0};
    const bool rows[] = {c.top > 0, true, c.bottom > 0};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if ((row == 1 && column == 1) || !rows[row] || !columns[column]) continue;
            drawer.Draw({targetX[column], targetY[row], targetX[column + 1], targetY[row + 1]},
                        {sourceX[column], sourceY[row], sourceX[column + 1], sourceY[row + 1]});
        }
    }
}

}  // namespace Tovik
