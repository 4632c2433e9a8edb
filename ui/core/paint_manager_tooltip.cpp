// CPaintManagerUI: mouse hover and the window's one tooltip window. The common controls library
// that registers the tooltip class is loaded from the system folder when first needed, so the
// program imports nothing beyond the system's known libraries.
#include <windowsx.h>

#include "ui/controls/control_ui.h"
#include "ui/core/key_state.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

using InitCommonControlsExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// Registers the tooltip class once; false when the library cannot be had.
bool TooltipClassReady() {
    static const bool ready = [] {
        HMODULE library = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library == nullptr) return false;
        const auto init = reinterpret_cast<InitCommonControlsExFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
        return init != nullptr && init(&classes) != FALSE;
    }();
    return ready;
}

}  // namespace

// The tooltip's own initial delay once it exists, so hovering and showing agree.
DWORD CPaintManagerUI::HoverDelay() {
    if (HWND tooltip = tooltip_.get())
        return static_cast<DWORD>(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    return static_cast<DWORD>(hoverTime_);
}

void CPaintManagerUI::HideTooltip() {
    if (HWND tooltip = tooltip_.get())
        SendMessageW(tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tooltipInfo_));
}

// The hover control hears of the hover; a control with a tooltip shows it over its rectangle.
// The first such control's tooltip width stays the window's.
bool CPaintManagerUI::OnMouseHover(WPARAM wParam, LPARAM lParam) {
    mouseTracking_ = false;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    CControlUI* control = FindControlAt(point);
    if (control == nullptr) return false;
    SendEvent(hover_, EventMouseHover, wParam, lParam, CurrentKeyState(), 0, &point);
    tooltipText_ = control->GetToolTip();
    if (tooltipText_.IsEmpty()) return true;
    tooltipInfo_ = TTTOOLINFOW{};
    tooltipInfo_.cbSize = sizeof tooltipInfo_;
    tooltipInfo_.uFlags = TTF_IDISHWND;
    tooltipInfo_.hwnd = window_;
    tooltipInfo_.uId = reinterpret_cast<UINT_PTR>(window_);
    tooltipInfo_.hinst = GetModuleInstance();
    tooltipInfo_.lpszText = const_cast<wchar_t*>(tooltipText_.GetData());
    tooltipInfo_.rect = control->GetPosition();
    if (tooltip_.get() == nullptr && TooltipClassReady()) {
        tooltip_.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                       GetModuleInstance(), nullptr));
        if (HWND tooltip = tooltip_.get()) {
            SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tooltipInfo_));
            SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, control->GetToolTipWidth());
        }
    }
    HWND tooltip = tooltip_.get();
    if (tooltip != nullptr && !IsWindowVisible(tooltip)) {
        SendMessageW(tooltip, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tooltipInfo_));
        SendMessageW(tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tooltipInfo_));
    }
    return true;
}

}  // namespace Tovik
