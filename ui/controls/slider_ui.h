// CSliderUI: a progress bar with a draggable thumb, mouse and wheel input and value
// notifications ("valuechanged", "movevaluechanged"). Without the mouse it is a plain progress
// bar, as the installer's download progress is.
#pragma once

#include "ui/controls/progress_ui.h"
#include "ui/controls/slider_geometry.h"

namespace Tovik {

class CSliderUI : public CProgressUI {
public:
    CSliderUI();
    ~CSliderUI() override = default;

    const wchar_t* GetTypeName() const override { return L"SliderUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintForegroundImage(HDC dc) override;

    RECT GetThumbRect() const;
    // SetValue, unless the thumb is being dragged.
    void SetValueUnlessDragging(int value);
    UINT GetSliderState() const { return state_; }
    void SetThumbImage(const wchar_t* image) { SetRepaintingValue(thumbImage_, CStringUI(image)); }
    void SetThumbHotImage(const wchar_t* image) { SetRepaintingValue(thumbHotImage_, CStringUI(image)); }
    void SetThumbPushedImage(const wchar_t* image) { SetRepaintingValue(thumbPushedImage_, CStringUI(image)); }
    void SetThumbSize(SIZE size) { thumbSize_ = size; }
    void SetChangeStep(int step) { step_ = step; }
    void SetSendMove(bool send) { sendMove_ = send; }

private:
    // `scaled` for drawing; markup units for pointer values.
    TSliderTrack Track(bool scaled) const;
    int ValueAt(POINT point, bool integerDivision) const { return SliderValueAt(Track(false), point, integerDivision); }
    void Notify(const wchar_t* type);

    SIZE thumbSize_ = {10, 10};
    UINT state_ = 0;
    int step_ = 1;
    CStringUI thumbImage_;
    CStringUI thumbHotImage_;
    CStringUI thumbPushedImage_;
    bool sendMove_ = false;
};

}  // namespace Tovik
