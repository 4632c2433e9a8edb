// CEditWnd: the native edit window of a focused CEditUI, over its text area. It reports text
// changes and Return to the edit, closes as soon as it loses the focus, and deletes itself when
// its window is gone; it never calls into an edit that forgot it.
#pragma once

#include "ui/core/gdi_handles.h"
#include "ui/core/window_wnd.h"

namespace Tovik {

class CEditUI;

class CEditWnd final : public CWindowWnd {
public:
    CEditWnd() = default;

    const wchar_t* GetWindowClassName() const override { return L"EditWnd"; }
    const wchar_t* GetSuperclassName() const override { return L"Edit"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND window) override;

    void OpenFor(CEditUI* edit);
    // For the edit's destructor: forget it and destroy the window now.
    void DetachFromEdit();
    // Where the window goes: client coordinates for a child, screen coordinates for a popup.
    RECT WindowRect() const;
    // The brush of the last colour message (for tests: one at a time).
    HBRUSH GetBrush() const { return brush_.get(); }

private:
    ~CEditWnd() = default;
    LRESULT OnColour(HDC dc);
    void OnTextChanged();
    bool IsLayered() const;

    CEditUI* edit_ = nullptr;
    // The pattern's bitmap goes with its brush; a solid brush is made once.
    ScopedGdiObject<HBRUSH> brush_;
    ScopedGdiObject<HBITMAP> pattern_;
    bool initialised_ = false;
};

}  // namespace Tovik
