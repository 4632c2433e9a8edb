// Small owners for GDI objects and paired calls, so a handle is released on every path: DIB
// sections, memory and window device contexts, selected objects, saved DC states, paint scopes,
// any GDI object, private font registrations and the GDI+ session.
#pragma once

#include <windows.h>

#include <vector>

namespace Tovik {

// A 32-bit DIB section; a negative height makes its rows run top-down. `bits` receives its
// pixels. Null on failure.
inline HBITMAP CreateDib32(int width, int signedHeight, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = signedHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Top-down: the engine's pixel format for decoded images.
inline HBITMAP CreateTopDownDib(int width, int height, void** bits) { return CreateDib32(width, -height, bits); }

// Bottom-up (a positive height): the window painting's offscreen bitmaps and captures; the pixel
// at (x, y) is at index (height − 1 − y) × width + x.
inline HBITMAP CreateBottomUpDib(int width, int height, void** bits) { return CreateDib32(width, height, bits); }

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

// SaveDC on construction, RestoreDC of that state on destruction.
class ScopedSaveDC {
public:
    explicit ScopedSaveDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
    ~ScopedSaveDC() {
        if (state_ != 0) RestoreDC(dc_, state_);
    }
    ScopedSaveDC(const ScopedSaveDC&) = delete;
    ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

private:
    HDC dc_;
    int state_;
};

// BeginPaint on construction, EndPaint on destruction.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
};

// Owns any GDI object (pen, brush, bitmap, region, font) and deletes it.
template <typename Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~ScopedGdiObject() { reset(); }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    Handle get() const { return handle_; }
    // Deletes the object held so far and takes `handle`.
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }
    // Gives the object up without deleting it.
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    Handle handle_;
};

// The common device context of a window (GetDC), released when the owner is reset or destroyed.
class WindowDC {
public:
    WindowDC() = default;
    ~WindowDC() { reset(nullptr); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    // Releases the context held so far and takes the one of `window` (none for null).
    void reset(HWND window) {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
        window_ = window;
        dc_ = window != nullptr ? GetDC(window) : nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Fonts registered for this process from memory (AddFontMemResourceEx), removed with the owner.
class PrivateFontRegistrations {
public:
    PrivateFontRegistrations() = default;
    ~PrivateFontRegistrations() {
        for (HANDLE registration : registrations_) RemoveFontMemResourceEx(registration);
    }
    PrivateFontRegistrations(const PrivateFontRegistrations&) = delete;
    PrivateFontRegistrations& operator=(const PrivateFontRegistrations&) = delete;

    // False when the bytes hold no font Windows accepts.
    bool Register(const void* bytes, DWORD size) {
        DWORD installed = 0;
        HANDLE registration = AddFontMemResourceEx(const_cast<void*>(bytes), size, nullptr, &installed);
        if (registration == nullptr) return false;
        registrations_.push_back(registration);
        return true;
    }
    int GetCount() const { return static_cast<int>(registrations_.size()); }

private:
    std::vector<HANDLE> registrations_;
};

// Owns a window and destroys it; a window the system destroyed first (with its owner) is noticed
// and forgotten.
class OwnedWindow {
public:
    OwnedWindow() = default;
    ~OwnedWindow() { reset(); }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;

    // Null once the window is gone, however it went.
    HWND get() {
        if (window_ != nullptr && !IsWindow(window_)) window_ = nullptr;
        return window_;
    }
    void reset(HWND window = nullptr) {
        if (get() != nullptr) DestroyWindow(window_);
        window_ = window;
    }

private:
    HWND window_ = nullptr;
};

// A GDI+ (version 1) session: started by the constructor, shut down by the destructor.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

}  // namespace Tovik
