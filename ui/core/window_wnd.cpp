#include "ui/core/window_wnd.h"

#include "ui/core/paint_manager_ui.h"

namespace Tovik {
namespace {

// Superclassed windows keep their object in a property: the class's own procedure may use the
// user data.
constexpr wchar_t kObjectProperty[] = L"WndX";

void ForgetUserData(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, 0); }
void ForgetProperty(HWND window) { RemovePropW(window, kObjectProperty); }

// The large-icon size rounded up to a multiple of 16.
int IconSize(int metric) { return (GetSystemMetrics(metric) + 15) / 16 * 16; }

}  // namespace

const wchar_t* CWindowWnd::GetSuperclassName() const { return nullptr; }
UINT CWindowWnd::GetClassStyle() const { return 0; }
LRESULT CWindowWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(previousProc_, window_, message, wParam, lParam);
}
void CWindowWnd::OnFinalMessage(HWND) {}

bool CWindowWnd::RegisterWindowClass() {
    WNDCLASSW windowClass = {};
    windowClass.style = GetClassStyle();
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = CPaintManagerUI::GetModuleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = GetWindowClassName();
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    const HINSTANCE instance = CPaintManagerUI::GetModuleInstance();
    if (!GetClassInfoExW(nullptr, GetSuperclassName(), &windowClass) &&
        !GetClassInfoExW(instance, GetSuperclassName(), &windowClass)) {
        return false;
    }
    previousProc_ = windowClass.lpfnWndProc;
    windowClass.lpfnWndProc = ControlProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = GetWindowClassName();
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                        HMENU menu) {
    const bool registered = GetSuperclassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered) return nullptr;
    window_ = CreateWindowExW(exStyle, GetWindowClassName(), name, style, x, y, cx, cy, parent, menu,
                              CPaintManagerUI::GetModuleInstance(), this);
    return window_;
}

HWND CWindowWnd::Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, const RECT& rect, HMENU menu) {
    return Create(parent, name, style, exStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  menu);
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* object = nullptr;
    if (message == WM_NCCREATE) {
        object = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        object->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    } else {
        object = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    return Route(object, window, message, wParam, lParam, ForgetUserData);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* object = nullptr;
    if (message == WM_NCCREATE) {
        object = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        object->window_ = window;
        SetPropW(window, kObjectProperty, object);
    } else {
        object = static_cast<CWindowWnd*>(GetPropW(window, kObjectProperty));
    }
    return Route(object, window, message, wParam, lParam, ForgetProperty);
}

// The object learns of its window's end only after the window's own WM_NCDESTROY work is done.
LRESULT CWindowWnd::Route(CWindowWnd* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          void (*forget)(HWND)) {
    if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return object->HandleMessage(message, wParam, lParam);
    const LRESULT result = CallWindowProcW(object->previousProc_, window, message, wParam, lParam);
    forget(window);
    object->window_ = nullptr;
    object->OnFinalMessage(window);
    return result;
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    if (!IsWindow(window_)) return;
    ::ShowWindow(window_, !show ? SW_HIDE : takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
}

UINT CWindowWnd::ShowModal() {
    if (!IsWindow(window_)) return static_cast<UINT>(-1);
    const HWND owner = GetWindow(window_, GW_OWNER);
    const HWND self = window_;
    ::ShowWindow(self, SW_SHOWNORMAL);
    if (owner != nullptr) EnableWindow(owner, FALSE);
    UINT result = 0;
    MSG msg = {};
    bool quit = false;
    while (IsWindow(self)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = got == 0;
            break;
        }
        if (msg.hwnd == self && msg.message == WM_CLOSE) {
            result = static_cast<UINT>(msg.wParam);
            // The owner comes back before this window goes, so that it is the one activated.
            if (owner != nullptr) EnableWindow(owner, TRUE);
        }
        if (!CPaintManagerUI::TranslateUIMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
        SetFocus(owner);
    }
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
    return result;
}

void CWindowWnd::CenterWindow() {
    if (!IsWindow(window_)) return;
    RECT window;
    GetWindowRect(window_, &window);
    const HWND owner = GetWindow(window_, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT centre = work;
    if (owner != nullptr) GetWindowRect(owner, &centre);
    const int width = window.right - window.left, height = window.bottom - window.top;
    int x = (centre.left + centre.right) / 2 - width / 2;
    int y = (centre.top + centre.bottom) / 2 - height / 2;
    if (x < work.left) {
        x = work.left;
    } else if (x + width > work.right) {
        x = work.right - width;
    }
    if (y < work.top) {
        y = work.top;
    } else if (y + height > work.bottom) {
        y = work.bottom - height;
    }
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT resourceId) {
    const HINSTANCE instance = CPaintManagerUI::GetModuleInstance();
    const int cx = IconSize(SM_CXICON), cy = IconSize(SM_CYICON);
    for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
        HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR);
        ::SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}

void CWindowWnd::ResizeClient(int cx, int cy) {
    RECT rect;
    if (!GetClientRect(window_, &rect)) return;
    if (cx != -1) rect.right = cx;
    if (cy != -1) rect.bottom = cy;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
    const BOOL hasMenu = (style & WS_CHILD) == 0 && GetMenu(window_) != nullptr;
    if (!AdjustWindowRectEx(&rect, style, hasMenu, exStyle)) return;
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CWindowWnd::Close(UINT result) {
    if (IsWindow(window_)) ::PostMessageW(window_, WM_CLOSE, result, 0);
}

LRESULT CWindowWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(window_, message, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(window_, message, wParam, lParam);
}

}  // namespace Tovik
