// The thumb drag, by the captured and hot bits of the slider's state:
//
//   state     event                     condition   next      effect
//   idle      button down / dbl click   enabled     captured  value from the pointer when changed and in range
//   captured  mouse move                —           captured  value follows the pointer; "movevaluechanged" with
//   send-move captured  button up / right up      enabled     idle      value from the pointer when in range,
//   "valuechanged" idle      mouse move                —           idle      hot while enabled with the pointer on the
//   thumb any       mouse leave               enabled     − hot     — idle      wheel up / down           enabled idle
//   value ± step (not while dragging), "valuechanged"
#include "ui/controls/slider_ui.h"

#include <cwchar>

#include "ui/controls/button_press.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"

namespace Tovik {

CSliderUI::CSliderUI() { textStyle_ = DT_CENTER | DT_SINGLELINE; }

void* CSliderUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Slider") == 0) return this;
    return CProgressUI::QueryControlInterface(name);
}

void CSliderUI::SetEnabled(bool enabled) {
    CProgressUI::SetEnabled(enabled);
    if (!enabled) state_ = 0;
}

TSliderTrack CSliderUI::Track(bool scaled) const {
    return TSliderTrack{item_, scaled ? Scale(thumbSize_) : thumbSize_, minimum_, maximum_, value_, horizontal_};
}

RECT CSliderUI::GetThumbRect() const { return SliderThumbRect(Track(true)); }

void CSliderUI::SetValueUnlessDragging(int value) {
    if ((state_ & StateCaptured) == 0) SetValue(value);
}

void CSliderUI::Notify(const wchar_t* type) {
    if (manager_ != nullptr) manager_->SendNotify(this, type);
}

void CSliderUI::HandleEvent(TInputEventUI& event) {
    if (PassMouseOn(event)) return;
    const bool enabled = IsEnabled();
    switch (event.type) {
    case EventButtonDown:
    case EventDoubleClick: {
        if (!enabled) break;
        state_ |= StateCaptured;
        const int value = ValueAt(event.mouse, false);
        if (value != value_ && value >= minimum_ && value <= maximum_) {
            value_ = value;
            RequestRepaint();
        }
        UpdateValueText();
        return;
    }
    case EventButtonUp:
    case EventRightButtonUp: {
        if (!enabled) break;
        state_ &= ~StateCaptured;
        const int value = ValueAt(event.mouse, true);
        if (value >= minimum_ && value <= maximum_) {
            value_ = value;
            Notify(L"valuechanged");
            RequestRepaint();
        }
        UpdateValueText();
        return;
    }
    case EventContextMenu: return;
    case EventScrollWheel:
        if (!enabled) break;
        if (LOWORD(event.wParam) == SB_LINEUP) SetValueUnlessDragging(value_ + step_);
        if (LOWORD(event.wParam) == SB_LINEDOWN) SetValueUnlessDragging(value_ - step_);
        Notify(L"valuechanged");
        return;
    case EventMouseMove: {
        if ((state_ & StateCaptured) != 0) {
            value_ = ValueAt(event.mouse, false);
            if (sendMove_) {
                UpdateValueText();
                Notify(L"movevaluechanged");
            }
            RequestRepaint();
        }
        const RECT thumb = GetThumbRect();
        state_ = enabled && PtInRect(&thumb, event.mouse) ? state_ | StateHot : state_ & ~StateHot;
        RequestRepaint();
        return;
    }
    case EventSetCursor:
        if (!enabled) break;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return;
    case EventMouseLeave:
        if (enabled) {
            state_ &= ~StateHot;
            RequestRepaint();
        }
        return;
    default: break;
    }
    CProgressUI::HandleEvent(event);
}

void CSliderUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CSliderUI>;
    static const Row kRows[] = {
        {L"thumbimage", [](CSliderUI& s, const wchar_t* v) { s.SetThumbImage(v); }},
        {L"thumbhotimage", [](CSliderUI& s, const wchar_t* v) { s.SetThumbHotImage(v); }},
        {L"thumbpushedimage", [](CSliderUI& s, const wchar_t* v) { s.SetThumbPushedImage(v); }},
        {L"thumbsize", [](CSliderUI& s, const wchar_t* v) { s.SetThumbSize(ParseSize(v)); }},
        {L"step", [](CSliderUI& s, const wchar_t* v) { s.SetChangeStep(ParseInt(v)); }},
        {L"sendmove", [](CSliderUI& s, const wchar_t* v) { s.SetSendMove(ParseBool(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CProgressUI::SetAttribute(name, value);
}

void CSliderUI::PaintForegroundImage(HDC dc) {
    CProgressUI::PaintForegroundImage(dc);
    RECT thumb = GetThumbRect();
    OffsetRect(&thumb, -item_.left, -item_.top);
    const CStringUI modifier = DestModifier(thumb);
    const CStringUI* image = (state_ & StateCaptured) != 0 ? &thumbPushedImage_
                             : (state_ & StateHot) != 0    ? &thumbHotImage_
                                                           : nullptr;
    if (image != nullptr && !image->IsEmpty() && DrawImageString(dc, image->GetData(), modifier.GetData())) return;
    if (!thumbImage_.IsEmpty()) DrawImageString(dc, thumbImage_.GetData(), modifier.GetData());
}

}  // namespace Tovik
