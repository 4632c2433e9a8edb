// Small owners for GDI objects and paired calls, so a handle is released on every path.
#pragma once

#include <windows.h>

namespace Tovik {

// A 32-bit top-down DIB section (the engine's pixel format for images and offscreen drawing);
// `bits` receives its pixels. Null on failure.
inline HBITMAP CreateTopDownDib(int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// A memory device context compatible with `compatible` (the screen when null).
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
    ~ScopedMemoryDC() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context and restores the previous one.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { SelectObject(dc_, old_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Owns any GDI object (pen, brush, bitmap, region, font) and deletes it.
template <typename Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~ScopedGdiObject() {
        if (handle_ != nullptr) DeleteObject(handle_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    Handle get() const { return handle_; }

private:
    Handle handle_;
};

}  // namespace Tovik
