// CSkinRender: the engine's static drawing operations — images from image attribute strings (a
// nine-grid with tiling, holes, colour keys and fading), solid colours and gradients, lines and
// rectangles, plain text through GDI or GDI+, measuring, colour adjustment and clip scopes. They
// draw into the device context the caller hands in; images come from the paint manager's tables.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/core/gdi_handles.h"
#include "ui/core/skin_draw_info.h"
#include "ui/core/skin_resources.h"

#ifdef DrawText
#undef DrawText
#endif

namespace Tovik {

class CControlUI;
class CPaintManagerUI;

// A clip scope kept on the caller's stack: ending it selects the previous clip (a rectangle region
// of the clip box it replaced) again and deletes both regions.
class CSkinClip {
public:
    CSkinClip() = default;
    CSkinClip(const CSkinClip&) = delete;
    CSkinClip& operator=(const CSkinClip&) = delete;
    ~CSkinClip();

private:
    friend class CSkinRender;
    void Begin(HDC dc, const RECT& rect, HRGN region);

    HDC dc_ = nullptr;
    RECT rect_ = {};
    ScopedGdiObject<HRGN> previous_;
    ScopedGdiObject<HRGN> region_;
};

// Inside a clip scope, the previous clip for the length of this scope (UseOldClipBegin), then the
// scope's own clip again (UseOldClipEnd). A null `clip` changes nothing.
class ScopedOldClip {
public:
    ScopedOldClip(HDC dc, CSkinClip* clip);
    ~ScopedOldClip();
    ScopedOldClip(const ScopedOldClip&) = delete;
    ScopedOldClip& operator=(const ScopedOldClip&) = delete;

private:
    HDC dc_;
    CSkinClip* clip_;
};

class CSkinRender {
public:
    // ---- Images ----
    // With a resource type, the resource `name` of that type in `module` (the resource module when
    // null), or `resourceId` when there is no name; otherwise the skin file `name`. Null when the
    // bytes cannot be had or decoded.
    static TSkinImage* LoadSkinImage(const wchar_t* name, unsigned resourceId, const wchar_t* type, DWORD colourKey,
                                     HINSTANCE module);
    static TSkinImage* DecodeSkinImage(const std::vector<unsigned char>& bytes, DWORD colourKey);
    static void FreeSkinImage(TSkinImage* image);

    static bool DrawImageString(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                                const wchar_t* image, const wchar_t* modifier, HINSTANCE module = nullptr);
    static bool DrawImageInfo(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                              const TSkinDrawInfo* info, HINSTANCE module = nullptr);
    static bool DrawImagePart(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint, const RECT& target,
                              const wchar_t* name, const wchar_t* type, RECT source, const RECT& corner,
                              DWORD colourKey, uint8_t fade, bool hole, bool xTiled, bool yTiled,
                              HINSTANCE module = nullptr);
    // The nine-grid: corners unstretched, borders and centre stretched or tiled; only pieces that
    // meet `paint` are drawn.
    static void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& target, const RECT& paint, const RECT& source,
                           const RECT& corner, bool alpha, uint8_t fade, bool hole, bool xTiled, bool yTiled);

    // ---- Colours and shapes (colours are 0xAARRGGBB) ----
    static void DrawColor(HDC dc, const RECT& rect, DWORD colour);
    static void DrawGradient(HDC dc, const RECT& rect, DWORD first, DWORD second, bool vertical, int steps);
    static void DrawLine(HDC dc, const RECT& rect, int width, DWORD colour, int penStyle = PS_SOLID);
    static void DrawRect(HDC dc, const RECT& rect, int width, DWORD colour);
    static void DrawRoundRect(HDC dc, const RECT& rect, int width, int roundX, int roundY, DWORD colour);
    static HBITMAP CreateArgbBitmap(HDC dc, int width, int height, uint32_t** bits);
    static DWORD AdjustColor(DWORD colour, int hue, int saturation, int lightness);

    // ---- Text ----
    static void DrawText(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD colour, int font,
                         UINT format);
    // Text with inline tags (links, bold, colours, fonts, images, paragraphs, selection, …) drawn
    // into `rect`, or measured into it with DT_CALCRECT. `linkCount` gives the capacity of the
    // link arrays (whose rectangles of the previous call find the hovered link) and returns the
    // number of links recorded.
    static void DrawFormattedText(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD colour,
                                  RECT* linkRects, CStringUI* linkTexts, int& linkCount, int font, UINT format);
    static void DrawTextOnColor(HDC dc, CPaintManagerUI* manager, RECT& rect, const wchar_t* text, DWORD textColour,
                                int font, UINT format, DWORD background);
    static SIZE MeasureText(HDC dc, CPaintManagerUI* manager, const wchar_t* text, int font);

    // ---- Captures: a new 32-bit bottom-up DIB section the caller owns, null without a manager ----
    // The window's tree (up to `stop`) or one control, painted and cut to `rect`; a tint whose
    // alpha is not 0 is drawn over the copy.
    static HBITMAP CaptureWindowBitmap(CPaintManagerUI* manager, const RECT& rect, CControlUI* stop, DWORD tint);
    static HBITMAP CaptureControlBitmap(CPaintManagerUI* manager, CControlUI* control, const RECT& rect, DWORD tint);

    // ---- Clipping ----
    static void ClipToRect(HDC dc, const RECT& rect, CSkinClip& clip);
    static void ClipToRoundRect(HDC dc, const RECT& paint, const RECT& item, int width, int height, CSkinClip& clip);
    static void UseOldClipBegin(HDC dc, CSkinClip& clip);
    static void UseOldClipEnd(HDC dc, CSkinClip& clip);
};

}  // namespace Tovik
