// Helpers for Windows tests: an offscreen 32-bit canvas to draw into and read pixels from, and
// skin files served from an in-memory archive.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "tests/portable/zip_builder.h"
#include "ui/core/gdi_handles.h"

namespace TestSupport {

// A top-down 32-bit DIB section selected into a memory DC, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, uint32_t fill = 0xFFFFFFFF);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The colour at (x, y) as 0xFFRRGGBB: GDI leaves the alpha byte of a canvas undefined.
    uint32_t Pixel(int x, int y) const;
    // Pixels of `area` that differ from `colour`.
    int CountOtherThan(uint32_t colour, const RECT& area) const;

private:
    int width_;
    int height_;
    uint32_t* bits_ = nullptr;
    Tovik::ScopedMemoryDC dc_;
    Tovik::ScopedGdiObject<HBITMAP> bitmap_;
    Tovik::ScopedSelectObject selected_;
};

// Serves skin files from an archive in memory until destroyed, then returns to folder mode.
class ArchiveMode {
public:
    ArchiveMode(std::initializer_list<TestZip::Entry> entries);
    ~ArchiveMode();
    ArchiveMode(const ArchiveMode&) = delete;
    ArchiveMode& operator=(const ArchiveMode&) = delete;

private:
    std::string bytes_;
};

// Channel distance check for colours drawn by blending: every channel within `tolerance`.
bool Near(uint32_t actual, uint32_t expected, int tolerance = 3);

}  // namespace TestSupport
