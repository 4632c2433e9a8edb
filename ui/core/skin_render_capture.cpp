// Captures: the window's tree or one control painted into a bitmap made from the window's DC and
// copied, cut to a rectangle, into a DIB section of its own.
#include "ui/controls/control_ui.h"
#include "ui/core/gdi_handles.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

HBITMAP Capture(CPaintManagerUI* manager, CControlUI* painted, const RECT& rect, CControlUI* stop, DWORD tint) {
    const HDC windowDC = manager->GetPaintDC();
    ScopedMemoryDC paintDC(windowDC);
    const ScopedGdiObject<HBITMAP> canvas(CreateCompatibleBitmap(windowDC, rect.right, rect.bottom));
    if (paintDC.get() == nullptr || canvas.get() == nullptr) return nullptr;
    const ScopedSelectObject paintSelected(paintDC.get(), canvas.get());
    painted->Paint(paintDC.get(), rect, stop);
    void* bits = nullptr;
    HBITMAP copy = CreateBottomUpDib(Width(rect), Height(rect), &bits);
    if (copy == nullptr) return nullptr;
    {
        ScopedMemoryDC copyDC(windowDC);
        const ScopedSelectObject copySelected(copyDC.get(), copy);
        BitBlt(copyDC.get(), 0, 0, Width(rect), Height(rect), paintDC.get(), rect.left, rect.top, SRCCOPY);
        if ((tint >> 24) != 0) CSkinRender::DrawColor(copyDC.get(), RECT{0, 0, Width(rect), Height(rect)}, tint);
    }
    GdiFlush();
    return copy;
}

}  // namespace

HBITMAP CSkinRender::CaptureWindowBitmap(CPaintManagerUI* manager, const RECT& rect, CControlUI* stop, DWORD tint) {
    if (manager == nullptr || manager->GetRoot() == nullptr) return nullptr;
    return Capture(manager, manager->GetRoot(), rect, stop, tint);
}

HBITMAP CSkinRender::CaptureControlBitmap(CPaintManagerUI* manager, CControlUI* control, const RECT& rect, DWORD tint) {
    if (manager == nullptr || control == nullptr) return nullptr;
    return Capture(manager, control, rect, nullptr, tint);
}

}  // namespace Tovik
