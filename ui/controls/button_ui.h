// CButtonUI: a label with hot, pushed, focused and disabled looks (image, background colour, text
// colour and font per state) that sends "click" when activated by the mouse or the keyboard, and
// can switch a tab layout when clicked.
#pragma once

#include "ui/controls/button_press.h"
#include "ui/controls/label_ui.h"

namespace Tovik {

class CButtonUI : public CLabelUI {
public:
    CButtonUI();
    ~CButtonUI() override = default;

    const wchar_t* GetTypeName() const override { return L"ButtonUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override;
    // "click", then the bound tab; false when invisible or disabled.
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintBackgroundColor(HDC dc) override;
    void PaintStateImage(HDC dc) override;
    void PaintForegroundImage(HDC dc) override;
    void PaintText(HDC dc) override;

    virtual CStringUI GetNormalImage() const { return normalImage_; }
    virtual void SetNormalImage(const wchar_t* image) { SetRepaintingValue(normalImage_, CStringUI(image)); }
    virtual CStringUI GetHotImage() const { return hotImage_; }
    virtual void SetHotImage(const wchar_t* image) { SetRepaintingValue(hotImage_, CStringUI(image)); }
    virtual CStringUI GetPushedImage() const { return pushedImage_; }
    virtual void SetPushedImage(const wchar_t* image) { SetRepaintingValue(pushedImage_, CStringUI(image)); }
    virtual CStringUI GetFocusedImage() const { return focusedImage_; }
    virtual void SetFocusedImage(const wchar_t* image) { SetRepaintingValue(focusedImage_, CStringUI(image)); }
    virtual CStringUI GetDisabledImage() const { return disabledImage_; }
    virtual void SetDisabledImage(const wchar_t* image) { SetRepaintingValue(disabledImage_, CStringUI(image)); }
    virtual CStringUI GetHotForeImage() const { return hotForeImage_; }
    virtual void SetHotForeImage(const wchar_t* image) { SetRepaintingValue(hotForeImage_, CStringUI(image)); }
    virtual CStringUI GetStateImage() const { return stateImage_; }
    // Also empties the normal image, which the next paint slices from the state image.
    virtual void SetStateImage(const wchar_t* image);

    UINT GetButtonState() const { return state_; }
    void SetStateCount(int count) { SetRepaintingValue(stateCount_, count); }
    void SetBindTabIndex(int index) { bindTabIndex_ = index; }
    void SetBindTabLayoutName(const wchar_t* name) { bindTabLayoutName_ = name; }
    // Selects page `index` (the bound index when negative) of the bound tab layout.
    void SelectBoundTab(int index);

protected:
    // Focused and disabled bits from the control; in a disabled window only the disabled bit.
    void RefreshStateBits();
    DWORD StateTextColour() const;
    int StateFont() const;

    UINT state_ = 0;
    int hotFont_ = -1;
    int pushedFont_ = -1;
    int focusedFont_ = -1;
    DWORD hotBkColour_ = 0;
    DWORD pushedBkColour_ = 0;
    DWORD disabledBkColour_ = 0;
    DWORD hotTextColour_ = 0;
    DWORD pushedTextColour_ = 0;
    DWORD focusedTextColour_ = 0;
    CStringUI normalImage_;
    CStringUI hotImage_;
    CStringUI hotForeImage_;
    CStringUI pushedImage_;
    CStringUI pushedForeImage_;
    CStringUI focusedImage_;
    CStringUI disabledImage_;
    CStringUI stateImage_;
    int stateCount_ = 0;
    int bindTabIndex_ = -1;
    CStringUI bindTabLayoutName_;
};

}  // namespace Tovik
