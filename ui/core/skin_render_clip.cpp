// Clip scopes: intersect the device context's clip with a rectangle or a rounded item, and put
// the previous clip back at the end of the scope.
#include "ui/core/skin_render.h"

namespace Tovik {

void CSkinClip::Begin(HDC dc, const RECT& rect, HRGN region) {
    RECT box;
    GetClipBox(dc, &box);
    dc_ = dc;
    rect_ = rect;
    previous_.reset(CreateRectRgnIndirect(&box));
    region_.reset(region);
    ExtSelectClipRgn(dc, region, RGN_AND);
}

// The regions are deleted after this, by their owners.
CSkinClip::~CSkinClip() {
    if (dc_ != nullptr) SelectClipRgn(dc_, previous_.get());
}

void CSkinRender::ClipToRect(HDC dc, const RECT& rect, CSkinClip& clip) {
    clip.Begin(dc, rect, CreateRectRgnIndirect(&rect));
}

void CSkinRender::ClipToRoundRect(HDC dc, const RECT& paint, const RECT& item, int width, int height, CSkinClip& clip) {
    HRGN region = CreateRectRgnIndirect(&paint);
    const ScopedGdiObject<HRGN> rounded(
        CreateRoundRectRgn(item.left, item.top, item.right + 1, item.bottom + 1, width, height));
    CombineRgn(region, region, rounded.get(), RGN_AND);
    clip.Begin(dc, paint, region);
}

void CSkinRender::UseOldClipBegin(HDC dc, CSkinClip& clip) { SelectClipRgn(dc, clip.previous_.get()); }

void CSkinRender::UseOldClipEnd(HDC dc, CSkinClip& clip) { SelectClipRgn(dc, clip.region_.get()); }

ScopedOldClip::ScopedOldClip(HDC dc, CSkinClip* clip) : dc_(dc), clip_(clip) {
    if (clip_ != nullptr) CSkinRender::UseOldClipBegin(dc_, *clip_);
}

ScopedOldClip::~ScopedOldClip() {
    if (clip_ != nullptr) CSkinRender::UseOldClipEnd(dc_, *clip_);
}

}  // namespace Tovik
