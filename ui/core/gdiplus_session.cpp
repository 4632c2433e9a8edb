// The GDI+ session owner (kept apart so only this file needs the GDI+ headers).
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include "ui/core/gdi_handles.h"

namespace Tovik {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput startup;
    Gdiplus::GdiplusStartup(&token_, &startup, nullptr);
}

GdiplusSession::~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

}  // namespace Tovik
