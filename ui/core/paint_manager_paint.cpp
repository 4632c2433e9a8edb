// CPaintManagerUI: window painting — the layout deferred to the paint (whole or of the pending
// controls only), "windowinit" and "windowsize", the offscreen path, the layered path (alpha
// rules, the layered image, native children, UpdateLayeredWindow), overlays, "showdirty",
// WM_PRINTCLIENT, and the layered settings.
#include <vector>

#include "ui/controls/control_ui.h"
#include "ui/core/layered_alpha.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {
namespace {

using UpdateLayeredWindowFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                  DWORD);
using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up by name once: the engine runs where these may be missing.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UpdateLayeredWindowFunction UpdateLayered() {
    static const auto function = User32Function<UpdateLayeredWindowFunction>("UpdateLayeredWindow");
    return function;
}

HPEN UpdateRectPen() {
    static const HPEN pen = CreatePen(PS_SOLID, 1, RGB(220, 0, 0));
    return pen;
}

bool IsChildWindow(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0; }

void AddExtendedStyle(HWND window, LONG style) {
    const LONG current = GetWindowLongW(window, GWL_EXSTYLE);
    if ((current & style) == 0) SetWindowLongW(window, GWL_EXSTYLE, current | style);
}

struct PendingSearch {
    std::vector<CControlUI*> found;
};

}  // namespace

// ---- Settings ----

void CPaintManagerUI::SetLayered(bool layered) {
    if (window_ == nullptr || layered == layered_ || IsChildWindow(window_) || UpdateLayered() == nullptr) return;
    layered_ = layered;
    // A skin's window attributes come before its root: the layout waits for the root then.
    if (root_ != nullptr) root_->RequestLayout();
    Invalidate();
}

void CPaintManagerUI::SetLayeredOpacity(BYTE opacity) {
    layeredOpacity_ = opacity;
    layeredChanged_ = true;
    Invalidate();
}

void CPaintManagerUI::SetLayeredImage(const wchar_t* image) {
    ParseDrawInfo(layeredImage_, image, L"", &GetDpiScaler());
    layeredChanged_ = true;
    Invalidate();
}

void CPaintManagerUI::SetOpacity(BYTE opacity) {
    opacity_ = opacity;
    if (window_ == nullptr) return;
    static const auto setAttributes = User32Function<SetLayeredWindowAttributesFunction>("SetLayeredWindowAttributes");
    if (setAttributes == nullptr) return;
    AddExtendedStyle(window_, WS_EX_LAYERED);
    setAttributes(window_, 0, opacity, LWA_ALPHA);
}

bool CPaintManagerUI::AddNativeWindow(CControlUI* control, HWND window) {
    if (nativeWindows_.Find(window) >= 0) return false;
    return nativeWindows_.Add(window) && nativeControls_.Add(control);
}

bool CPaintManagerUI::RemoveNativeWindow(HWND window) {
    const int index = nativeWindows_.Find(window);
    if (index < 0) return false;
    nativeWindows_.Remove(index);
    nativeControls_.Remove(index);
    return true;
}

// A layered window draws its own frame: none is calculated or painted, and activation does not
// repaint it.
bool CPaintManagerUI::OnLayeredFrameMessage(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT: result = 0; return true;
    case WM_NCACTIVATE:
        if (IsIconic(window_)) return false;
        result = wParam == FALSE ? 1 : 0;
        return true;
    default: return false;
    }
}

// ---- WM_PAINT ----

bool CPaintManagerUI::OnPaint() {
    if (root_ == nullptr) {
        PaintWithoutRoot();
        return true;
    }
    RECT client;
    GetClientRect(window_, &client);
    RECT paint;
    if (!::GetUpdateRect(window_, &paint, FALSE)) return true;
    if (focusNeeded_) MoveTabFocus(true);
    const LayoutOutcome layout = LayOutIfNeeded(client);
    if (layout == LayoutOutcome::kStop) return true;
    if (layout == LayoutOutcome::kNone && layered_ && layeredChanged_) {
        if (offscreen_ != nullptr) offscreen_->Clear();
        root_->SetPosition(client, true);
    }
    if (layered_) PrepareLayeredPaint(client, paint);
    PaintOffscreen(client, paint);
    layeredChanged_ = false;
    // A focus move postponed during this paint (a Tab while the layout was pending) gets its paint.
    if (updateNeeded_ || focusNeeded_) Invalidate();
    if (layout == LayoutOutcome::kDone) SendNotify(root_.get(), L"windowsize", 0, 0, true);
    return true;
}

void CPaintManagerUI::PaintWithoutRoot() {
    const ScopedPaint painting(window_);
    CSkinRender::DrawColor(windowDC_.get(), painting.area(), 0xFF000000);
}

// The whole tree when the root waits for a layout (the bitmaps follow the new size), else only
// the top-most pending controls. The first layout sends "windowinit".
CPaintManagerUI::LayoutOutcome CPaintManagerUI::LayOutIfNeeded(const RECT& client) {
    if (!updateNeeded_) return LayoutOutcome::kNone;
    updateNeeded_ = false;
    if (HasNoArea(client) || IsIconic(window_)) return LayoutOutcome::kNone;
    if (root_->IsLayoutPending()) {
        offscreen_.reset();
        background_.reset();
        root_->SetPosition(client, true);
    } else {
        LayOutPendingControls();
    }
    if (firstLayout_) {
        firstLayout_ = false;
        SendNotify(root_.get(), L"windowinit");
        if (layered_ && layeredChanged_) {
            Invalidate();
            return LayoutOutcome::kStop;
        }
    }
    return LayoutOutcome::kDone;
}

// A pending container is collected without its children (it lays them out itself); a pending
// control without children ends the search.
void CPaintManagerUI::LayOutPendingControls() {
    PendingSearch search;
    root_->LocateControl(
        [](CControlUI* control, void* data) -> CControlUI* {
            if (!control->IsLayoutPending()) return nullptr;
            static_cast<PendingSearch*>(data)->found.push_back(control);
            return control;
        },
        &search, FindVisible | FindUpdateTest | FindMeFirst);
    for (CControlUI* control : search.found) {
        control->SetPosition(control->IsFloat() ? control->GetPosInParent() : control->GetPosition(), true);
    }
}

// The accumulated update rectangle joins the paint: a layered window pushes whole bitmaps.
void CPaintManagerUI::PrepareLayeredPaint(const RECT& client, RECT& paint) {
    AddExtendedStyle(window_, WS_EX_LAYERED);
    UnionRect(&paint, &paint, &updateRect_);
    if (paint.right > client.right) paint.right = client.right;
    if (paint.bottom > client.bottom) paint.bottom = client.bottom;
    updateRect_ = RECT{};
}

// The tree into the offscreen bitmap (made, or made anew, at the client size), then to the
// window: copied for an ordinary window, composed and pushed for a layered one.
void CPaintManagerUI::PaintOffscreen(const RECT& client, const RECT& paint) {
    const int width = Width(client), height = Height(client);
    if (offscreen_ == nullptr || !offscreen_->HasSize(width, height)) {
        offscreen_ = std::make_unique<CPaintSurface>(windowDC_.get(), width, height);
    }
    const ScopedPaint painting(window_);
    const HDC dc = offscreen_->dc();
    {
        const ScopedSaveDC saved(dc);
        if (layered_) offscreen_->ForEachPixel(paint, [](uint32_t& pixel, int, int) { pixel = 0; });
        root_->Paint(dc, paint, nullptr);
        if (layered_) ComposeNativeWindows(paint);
        for (int i = 0; i < postPaint_.GetSize(); ++i) static_cast<CControlUI*>(postPaint_[i])->PaintOverlay(dc, paint);
    }
    if (layered_) {
        ComposeLayeredAlpha(client, paint);
        return;
    }
    BitBlt(windowDC_.get(), paint.left, paint.top, Width(paint), Height(paint), dc, paint.left, paint.top, SRCCOPY);
    if (showUpdateRect_) {
        const ScopedSelectObject pen(windowDC_.get(), UpdateRectPen());
        const ScopedSelectObject brush(windowDC_.get(), GetStockObject(NULL_BRUSH));
        Rectangle(windowDC_.get(), paint.left, paint.top, paint.right, paint.bottom);
    }
}

// Native children print themselves into a bitmap of their own; every pixel they drew becomes
// opaque on the way in. A child that is gone leaves both lists.
void CPaintManagerUI::ComposeNativeWindows(const RECT& paint) {
    for (int i = 0; i < nativeWindows_.GetSize();) {
        auto* child = static_cast<HWND>(nativeWindows_[i]);
        if (!IsWindow(child)) {
            nativeWindows_.Remove(i);
            nativeControls_.Remove(i);
            continue;
        }
        ++i;
        if (!IsWindowVisible(child)) continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
        if (!Meets(place, paint)) continue;
        CPaintSurface printed(offscreen_->dc(), Width(place), Height(place));
        if (!printed.HasPixels()) continue;
        printed.Clear();
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(printed.dc()),
                     PRF_CHECKVISIBLE | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED);
        printed.ForEachPixel(RECT{0, 0, printed.width(), printed.height()}, [](uint32_t& pixel, int, int) {
            if (pixel != 0) pixel |= 0xFF000000;
        });
        BitBlt(offscreen_->dc(), place.left, place.top, printed.width(), printed.height(), printed.dc(), 0, 0, SRCCOPY);
    }
}

// The alpha rules of layered_alpha.h over the paint rectangle, then the whole bitmap is pushed.
void CPaintManagerUI::ComposeLayeredAlpha(const RECT& client, const RECT& paint) {
    if (!offscreen_->HasPixels()) return;
    if (layeredImage_.name.IsEmpty()) {
        offscreen_->ForEachPixel(paint, [](uint32_t& pixel, int, int) { pixel = OpaqueWhereDrawn(pixel); });
    } else {
        const bool fresh = background_ == nullptr || !background_->HasSize(offscreen_->width(), offscreen_->height());
        if (fresh)
            background_ = std::make_unique<CPaintSurface>(windowDC_.get(), offscreen_->width(), offscreen_->height());
        if (fresh || layeredChanged_) {
            background_->Clear();
            CSkinRender::DrawImageInfo(background_->dc(), this, client, client, &layeredImage_);
        }
        if (!background_->HasPixels()) return;
        offscreen_->ForEachPixel(paint, [this](uint32_t& pixel, int x, int y) {
            pixel = PremultiplyBy(pixel, background_->PixelAt(x, y) >> 24);
        });
    }
    RECT frame;
    GetWindowRect(window_, &frame);
    POINT destination = {frame.left, frame.top}, source = {0, 0};
    SIZE size = {offscreen_->width(), offscreen_->height()};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, layeredOpacity_, AC_SRC_ALPHA};
    UpdateLayered()(window_, windowDC_.get(), &destination, &size, offscreen_->dc(), &source, 0, &blend, ULW_ALPHA);
}

// ---- WM_PRINTCLIENT ----

void CPaintManagerUI::OnPrintClient(HDC dc, LPARAM flags) {
    if (root_ == nullptr || dc == nullptr) return;
    RECT client;
    GetClientRect(window_, &client);
    const ScopedSaveDC saved(dc);
    root_->Paint(dc, client, nullptr);
    if ((flags & PRF_CHILDREN) == 0) return;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
        SetWindowOrgEx(dc, -place.left, -place.top, nullptr);
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT);
    }
}

}  // namespace Tovik
