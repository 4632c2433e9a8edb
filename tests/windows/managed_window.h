// A real top-level window whose messages go to its own paint manager first, for tests that drive
// the manager with messages: SendMessage and PostMessage with client coordinates.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/controls/control_ui.h"
#include "ui/core/paint_manager_ui.h"

namespace TestSupport {

// Shown windows stay clear of each other's screen areas: tests run in parallel with the end-to-end
// checks, which read the screen around (100, 100).
class ManagedWindow {
public:
    static constexpr POINT kDefaultOrigin = {900, 700};

    // A topmost window keeps other test windows from covering it when its pixels are read back
    // from the screen.
    explicit ManagedWindow(POINT origin = kDefaultOrigin, bool topmost = false);
    ~ManagedWindow();
    ManagedWindow(const ManagedWindow&) = delete;
    ManagedWindow& operator=(const ManagedWindow&) = delete;

    HWND get() const { return window_; }
    Tovik::CPaintManagerUI& manager() { return manager_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Dispatches this thread's queued messages for up to `milliseconds`, or until `done` is true.
    template <typename Done>
    void Pump(int milliseconds, Done done) const {
        const DWORD end = GetTickCount() + milliseconds;
        MSG msg;
        while (!done() && GetTickCount() < end) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (Tovik::CPaintManagerUI::TranslateUIMessage(&msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(5);
        }
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Tovik::CPaintManagerUI manager_;
    HWND window_ = nullptr;
};

// A control that records the events it receives, then handles them as any control does.
class RecordingControl : public Tovik::CControlUI {
public:
    explicit RecordingControl(UINT inputFlags = 0, const wchar_t* typeName = L"RecordingUI")
        : inputFlags_(inputFlags), typeName_(typeName) {}

    const wchar_t* GetTypeName() const override { return typeName_; }
    UINT GetInputFlags() override { return inputFlags_; }
    void HandleEvent(Tovik::TInputEventUI& event) override;

    std::vector<int> events;
    std::vector<Tovik::TInputEventUI> records;

private:
    UINT inputFlags_;
    const wchar_t* typeName_;
};

}  // namespace TestSupport
