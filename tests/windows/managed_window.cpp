// The managed test window and the recording control.
#include "tests/windows/managed_window.h"

namespace TestSupport {
namespace {

constexpr wchar_t kClassName[] = L"CorvanaManagedTestWindow";

void RegisterOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

ManagedWindow::ManagedWindow(POINT origin, bool topmost) {
    RegisterOnce(&Procedure);
    window_ = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, kClassName, L"managed test window", WS_POPUP, origin.x,
                              origin.y, 200, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager_));
    manager_.AttachWindow(window_, L"test");
}

ManagedWindow::~ManagedWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT ManagedWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(window_, message, wParam, lParam);
}

LRESULT CALLBACK ManagedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager = reinterpret_cast<Tovik::CPaintManagerUI*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (manager != nullptr && manager->ProcessMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

void RecordingControl::HandleEvent(Tovik::TInputEventUI& event) {
    events.push_back(event.type);
    records.push_back(event);
    Tovik::CControlUI::HandleEvent(event);
}

}  // namespace TestSupport
