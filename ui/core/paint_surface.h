// CPaintSurface: a 32-bit bottom-up DIB section selected into its own memory DC, of a known size —
// the window painting's offscreen and background bitmaps. A surface whose bitmap could not be
// made has no pixels, and every pixel operation then does nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/core/gdi_handles.h"

namespace Tovik {

class CPaintSurface {
public:
    CPaintSurface(HDC compatible, int width, int height)
        : dc_(compatible),
          bitmap_(CreateBottomUpDib(width, height, reinterpret_cast<void**>(&bits_))),
          selected_(dc_.get(), bitmap_.get()),
          width_(bitmap_.get() != nullptr ? width : 0),
          height_(bitmap_.get() != nullptr ? height : 0) {
        if (bitmap_.get() == nullptr) bits_ = nullptr;
    }
    CPaintSurface(const CPaintSurface&) = delete;
    CPaintSurface& operator=(const CPaintSurface&) = delete;

    HDC dc() const { return dc_.get(); }
    bool HasPixels() const { return bits_ != nullptr; }
    bool HasSize(int width, int height) const { return HasPixels() && width_ == width && height_ == height; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Calls `visit(uint32_t& pixel, int x, int y)` for every pixel of `area` inside the surface.
    template <typename Visit>
    void ForEachPixel(const RECT& area, Visit visit) {
        if (bits_ == nullptr) return;
        GdiFlush();
        const LONG left = area.left < 0 ? 0 : area.left, top = area.top < 0 ? 0 : area.top;
        const LONG right = area.right > width_ ? width_ : area.right,
                   bottom = area.bottom > height_ ? height_ : area.bottom;
        for (LONG y = top; y < bottom; ++y) {
            uint32_t* row = bits_ + static_cast<size_t>(height_ - 1 - y) * width_;
            for (LONG x = left; x < right; ++x) visit(row[x], static_cast<int>(x), static_cast<int>(y));
        }
    }
    uint32_t PixelAt(int x, int y) const { return bits_[static_cast<size_t>(height_ - 1 - y) * width_ + x]; }
    void Clear() {
        ForEachPixel(RECT{0, 0, width_, height_}, [](uint32_t& pixel, int, int) { pixel = 0; });
    }

private:
    ScopedMemoryDC dc_;
    uint32_t* bits_ = nullptr;
    ScopedGdiObject<HBITMAP> bitmap_;
    ScopedSelectObject selected_;
    int width_;
    int height_;
};

}  // namespace Tovik
