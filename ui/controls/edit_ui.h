// CEditUI: a one-line text input that paints itself while unfocused (images, text or a tip,
// password masking) and, while focused, opens a native edit window (CEditWnd, a superclass of
// the system "Edit") over its text area.
#pragma once

#include "ui/controls/label_ui.h"

namespace Tovik {

class CEditWnd;

class CEditUI : public CLabelUI {
public:
    CEditUI();
    // An open native window is destroyed at once, after it forgot this edit.
    ~CEditUI() override;

    const wchar_t* GetTypeName() const override { return L"EditUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override { return IsEnabled() ? FlagTabStop | FlagSetCursor : 0; }
    void SetText(const wchar_t* text) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetInheritedVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

    void SetMaxChar(int count);
    int GetMaxChar() const { return maxChar_; }
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return readOnly_; }
    void SetPasswordMode(bool password);
    bool IsPasswordMode() const { return password_; }
    void SetPasswordChar(wchar_t ch);
    wchar_t GetPasswordChar() const { return passwordChar_; }
    void SetNumberOnly(bool numberOnly) { windowStyle_ = numberOnly ? ES_NUMBER : 0; }
    UINT GetWindowStyle() const { return windowStyle_; }
    bool IsAutoSelAll() const { return autoSelAll_; }
    void SetTipValue(const wchar_t* tip) { SetRepaintingValue(tip_, CStringUI(tip)); }
    void SetTipValueColor(DWORD colour) { SetRepaintingValue(tipColour_, colour); }
    DWORD GetNativeBkColor() const { return nativeBkColour_; }
    void SetNativeBkColor(DWORD colour) { nativeBkColour_ = colour; }
    DWORD GetTextColor() const { return textColour_; }
    CEditWnd* GetNativeWindow() const { return native_; }
    // The item rectangle minus the text padding, one text line high and cut by every ancestor.
    RECT GetNativeEditRect() const;
    // The native window is gone: called by it as it ends.
    void ForgetNativeWindow();
    // The native window's text changed: taken without SetText.
    void TakeNativeText(const wchar_t* text) { text_ = text; }

private:
    void OpenNativeWindow();
    void CloseWhenHidden();

    CEditWnd* native_ = nullptr;
    int maxChar_ = 255;
    bool readOnly_ = false;
    bool password_ = false;
    bool autoSelAll_ = false;
    wchar_t passwordChar_ = L'*';
    CStringUI normalImage_;
    CStringUI hotImage_;
    CStringUI focusedImage_;
    CStringUI disabledImage_;
    CStringUI tip_;
    DWORD tipColour_ = 0xFFBAC0C5;
    DWORD nativeBkColour_ = 0xFFFFFFFF;
    DWORD nativeTextColour_ = 0;
    UINT windowStyle_ = 0;
    UINT state_ = 0;
};

}  // namespace Tovik
