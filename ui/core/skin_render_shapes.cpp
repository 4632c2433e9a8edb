// Colours and shapes: solid fills and outlines through GDI+ (so translucent colours blend; most
// opaque fills take GDI's faster path), gradients through GradientFill, lines through GDI; the
// ARGB bitmap helper and colour adjustment.
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <cmath>

#include "ui/core/gdi_handles.h"
#include "ui/core/msimg32.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

BYTE Alpha(DWORD colour) { return static_cast<BYTE>(colour >> 24); }
BYTE Red(DWORD colour) { return static_cast<BYTE>(colour >> 16); }
BYTE Green(DWORD colour) { return static_cast<BYTE>(colour >> 8); }
BYTE Blue(DWORD colour) { return static_cast<BYTE>(colour); }
COLORREF ToColorRef(DWORD colour) { return RGB(Red(colour), Green(colour), Blue(colour)); }

TRIVERTEX Vertex(LONG x, LONG y, DWORD colour) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(Red(colour) << 8),
                     static_cast<COLOR16>(Green(colour) << 8),
                     static_cast<COLOR16>(Blue(colour) << 8),
                     0xFF00};
}

void FillGradient(HDC dc, const RECT& rect, DWORD first, DWORD second, bool vertical) {
    const GradientFillFunction gradientFill = GetGradientFill();
    if (gradientFill == nullptr) return;
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, first), Vertex(rect.right, rect.bottom, second)};
    GRADIENT_RECT mesh = {0, 1};
    gradientFill(dc, vertices, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

}  // namespace

void CSkinRender::DrawColor(HDC dc, const RECT& rect, DWORD colour) {
    if (Alpha(colour) == 0) return;
    // An opaque colour other than black gives the same pixels through GDI, many times faster; a
    // layered window's alpha rules make them opaque. Opaque black stays on GDI+, whose alpha byte
    // is all that tells it from the transparent black of an undrawn pixel.
    if (Alpha(colour) == 255 && (colour & 0xFFFFFF) != 0) {
        const ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(colour)));
        FillRect(dc, &rect, brush.get());
        return;
    }
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left), static_cast<INT>(rect.bottom - rect.top));
}

// A translucent gradient is drawn opaque into a bitmap of its own and blended on at the two
// colours' mean alpha.
void CSkinRender::DrawGradient(HDC dc, const RECT& rect, DWORD first, DWORD second, bool vertical, int) {
    const BYTE alpha = static_cast<BYTE>((Alpha(first) + Alpha(second)) / 2);
    if (alpha == 0) return;
    if (alpha == 255) {
        FillGradient(dc, rect, first, second, vertical);
        return;
    }
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const AlphaBlendFunction alphaBlend = GetAlphaBlend();
    if (width <= 0 || height <= 0 || alphaBlend == nullptr) return;
    ScopedMemoryDC memory(dc);
    uint32_t* bits = nullptr;
    ScopedGdiObject<HBITMAP> bitmap(CreateArgbBitmap(dc, width, height, &bits));
    if (bitmap.get() == nullptr) return;
    ScopedSelectObject select(memory.get(), bitmap.get());
    FillGradient(memory.get(), RECT{0, 0, width, height}, first, second, vertical);
    const BLENDFUNCTION function = {AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    alphaBlend(dc, rect.left, rect.top, width, height, memory.get(), 0, 0, width, height, function);
}

void CSkinRender::DrawLine(HDC dc, const RECT& rect, int width, DWORD colour, int penStyle) {
    ScopedGdiObject<HPEN> pen(CreatePen(penStyle, width, ToColorRef(colour)));
    ScopedSelectObject select(dc, pen.get());
    MoveToEx(dc, rect.left, rect.top, nullptr);
    LineTo(dc, rect.right, rect.bottom);
}

void CSkinRender::DrawRect(HDC dc, const RECT& rect, int width, DWORD colour) {
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Pen pen{Gdiplus::Color(colour), static_cast<Gdiplus::REAL>(width)};
    pen.SetAlignment(Gdiplus::PenAlignmentInset);
    graphics.DrawRectangle(&pen, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left - 1), static_cast<INT>(rect.bottom - rect.top - 1));
}

void CSkinRender::DrawRoundRect(HDC dc, const RECT& rect, int width, int roundX, int, DWORD colour) {
    const INT x = rect.left, y = rect.top, w = rect.right - rect.left - 1, h = rect.bottom - rect.top - 1;
    const INT r = roundX / 2;
    Gdiplus::GraphicsPath path;
    path.AddLine(x + r, y, x + w - r, y);
    if (r > 0) path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
    path.AddLine(x + w, y + r, x + w, y + h - r);
    if (r > 0) path.AddArc(x + w - 2 * r, y + h - 2 * r, 2 * r, 2 * r, 0, 90);
    path.AddLine(x + w - r, y + h, x + r, y + h);
    if (r > 0) path.AddArc(x, y + h - 2 * r, 2 * r, 2 * r, 90, 90);
    path.AddLine(x, y + h - r, x, y + r);
    if (r > 0) path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
    path.CloseFigure();
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    Gdiplus::Pen pen{Gdiplus::Color(colour), static_cast<Gdiplus::REAL>(width)};
    graphics.DrawPath(&pen, &path);
}

HBITMAP CSkinRender::CreateArgbBitmap(HDC dc, int width, int height, uint32_t** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * height * 4;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits != nullptr) *bits = static_cast<uint32_t*>(pixels);
    return bitmap;
}

// Hue is shifted by (hue − 180) degrees, saturation and lightness scaled by percent.
DWORD CSkinRender::AdjustColor(DWORD colour, int hue, int saturation, int lightness) {
    if (hue == 180 && saturation == 100 && lightness == 100) return colour;
    const double r = Red(colour) / 255.0, g = Green(colour) / 255.0, b = Blue(colour) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    double h = 0, s = 0, l = (high + low) / 2;
    if (high != low) {
        const double d = high - low;
        s = l > 0.5 ? d / (2 - high - low) : d / (high + low);
        h = high == r ? (g - b) / d + (g < b ? 6 : 0) : high == g ? (b - r) / d + 2 : (r - g) / d + 4;
        h *= 60;
    }
    h += hue - 180;
    if (h <= 0) h += 360;
    if (h > 360) h -= 360;
    s *= saturation / 100.0;
    l *= lightness / 100.0;
    const auto channel = [&](double offset) {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s, p = 2 * l - q;
        double t = h / 360 + offset;
        if (t < 0) t += 1;
        if (t > 1) t -= 1;
        const double value = t < 1.0 / 6   ? p + (q - p) * 6 * t
                             : t < 0.5     ? q
                             : t < 2.0 / 3 ? p + (q - p) * (2.0 / 3 - t) * 6
                                           : p;
        return static_cast<DWORD>(std::clamp(static_cast<int>(std::lround(value * 255)), 0, 255));
    };
    return (colour & 0xFF000000) | channel(1.0 / 3) << 16 | channel(0) << 8 | channel(-1.0 / 3);
}

}  // namespace Tovik
