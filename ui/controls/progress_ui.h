// CProgressUI: a value between a minimum and a maximum shown as a partly drawn foreground (colour
// and/or image, stretched or cropped) over the control's background, horizontally or vertically.
#pragma once

#include "ui/controls/label_ui.h"

namespace Tovik {

class CProgressUI : public CLabelUI {
public:
    CProgressUI();
    ~CProgressUI() override = default;

    const wchar_t* GetTypeName() const override { return L"ProgressUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintForegroundColor(HDC dc) override;
    void PaintForegroundImage(HDC dc) override;

    // With the show-percent flag, the text becomes the value's share of the range.
    virtual void UpdateValueText();

    int GetValue() const { return value_; }
    // Ignored when equal or outside the range (never clamped).
    void SetValue(int value);
    int GetMinValue() const { return minimum_; }
    void SetMinValue(int minimum) { SetRepaintingValue(minimum_, minimum); }
    int GetMaxValue() const { return maximum_; }
    void SetMaxValue(int maximum) { SetRepaintingValue(maximum_, maximum); }
    bool IsHorizontal() const { return horizontal_; }
    void SetHorizontal(bool horizontal) { SetRepaintingValue(horizontal_, horizontal); }
    bool IsStretchForeImage() const { return stretchFore_; }
    void SetStretchForeImage(bool stretch) { SetRepaintingValue(stretchFore_, stretch); }

protected:
    // A range of zero or less becomes 1; the value is brought into the range.
    void Normalise();

    bool showPercent_ = false;
    bool horizontal_ = true;
    bool stretchFore_ = true;
    int maximum_ = 100;
    int minimum_ = 0;
    int value_ = 0;
};

}  // namespace Tovik
