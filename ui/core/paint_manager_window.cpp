// CPaintManagerUI: the window's settings from the skin — initial size, resize borders, caption,
// round corners, track size limits (and WM_GETMINMAXINFO) — and the default colours.
#include "ui/core/paint_manager_ui.h"

namespace Tovik {

DWORD CPaintManagerUI::sharedColours_[5] = {0xFFA7A6AA, 0xFF000000, 0xFF0000FF, 0xFFD3215F, 0xFFBAE4FF};

SIZE CPaintManagerUI::GetInitSize() { return GetDpiScaler().Scale(initSize_); }

void CPaintManagerUI::SetInitSize(int cx, int cy) {
    initSize_ = SIZE{cx, cy};
    if (window_ == nullptr || root_ != nullptr) return;
    const SIZE scaled = GetInitSize();
    SetWindowPos(window_, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

RECT CPaintManagerUI::GetSizeBox() { return GetDpiScaler().Scale(sizeBox_); }
RECT CPaintManagerUI::GetCaptionRect() { return GetDpiScaler().Scale(caption_); }
SIZE CPaintManagerUI::GetRoundCorner() { return GetDpiScaler().Scale(roundCorner_); }
SIZE CPaintManagerUI::GetMinInfo() { return GetDpiScaler().Scale(minInfo_); }
SIZE CPaintManagerUI::GetMaxInfo() { return GetDpiScaler().Scale(maxInfo_); }

// Each coordinate that is set (above 0) applies on its own; the maximum is also the maximised size.
void CPaintManagerUI::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (info == nullptr) return;
    const SIZE minimum = GetMinInfo(), maximum = GetMaxInfo();
    if (minimum.cx > 0) info->ptMinTrackSize.x = minimum.cx;
    if (minimum.cy > 0) info->ptMinTrackSize.y = minimum.cy;
    if (maximum.cx > 0) info->ptMaxTrackSize.x = info->ptMaxSize.x = maximum.cx;
    if (maximum.cy > 0) info->ptMaxTrackSize.y = info->ptMaxSize.y = maximum.cy;
}

void CPaintManagerUI::SetDefaultColor(DefaultColor which, DWORD colour, bool shared) {
    const int index = static_cast<int>(which);
    if (!shared) {
        colours_[index] = colour;
        return;
    }
    if (colours_[index] == sharedColours_[index]) colours_[index] = colour;
    sharedColours_[index] = colour;
}

}  // namespace Tovik
