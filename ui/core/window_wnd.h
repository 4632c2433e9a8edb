// CWindowWnd wraps one window handle: it registers the window class (or a superclass of an
// existing class), creates the window with a pointer back to the object, and routes every message
// of the window to the object's HandleMessage.
#pragma once

#include <windows.h>
// Our members keep these names; the macros would turn them into the W functions' names.
#undef SendMessage
#undef PostMessage

namespace Tovik {

class CWindowWnd {
public:
    CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    // The virtual operations, in slot order.
    virtual const wchar_t* GetWindowClassName() const = 0;
    // Non-null: the class is registered as a superclass of this existing class.
    virtual const wchar_t* GetSuperclassName() const;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY has been processed; the handle is already cleared.
    virtual void OnFinalMessage(HWND window);

    HWND GetHWND() const { return window_; }
    operator HWND() const { return window_; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();
    // Null when the class cannot be registered or the window cannot be made.
    HWND Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU menu = nullptr);
    HWND Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, const RECT& rect, HMENU menu = nullptr);

    void ShowWindow(bool show = true, bool takeFocus = true);
    // Runs a loop of its own until the window is gone, with the owner disabled meanwhile; the
    // result given to Close, or −1 without a window.
    UINT ShowModal();
    // Over the owner window, or the work area without one, kept inside the work area.
    void CenterWindow();
    void SetIcon(UINT resourceId);
    // −1 keeps that dimension.
    void ResizeClient(int cx = -1, int cy = -1);
    // Posts WM_CLOSE with `result`.
    void Close(UINT result = IDOK);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    ~CWindowWnd() = default;

    HWND window_ = nullptr;
    WNDPROC previousProc_ = DefWindowProcW;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Both procedures, once they have found the object.
    static LRESULT Route(CWindowWnd* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         void (*forget)(HWND));
};

}  // namespace Tovik
