#include "ui/controls/progress_ui.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/skin_render.h"

namespace Tovik {

CProgressUI::CProgressUI() {
    textStyle_ = DT_CENTER | DT_SINGLELINE;
    SetFixedHeight(12);
}

void* CProgressUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Progress") == 0) return this;
    return CLabelUI::QueryControlInterface(name);
}

void CProgressUI::SetValue(int value) {
    if (value == value_ || value < minimum_ || value > maximum_) return;
    value_ = value;
    RequestRepaint();
    UpdateValueText();
}

void CProgressUI::UpdateValueText() {
    if (!showPercent_ || maximum_ == minimum_) return;
    CStringUI text;
    text.Format(L"%.0f%%", (value_ - minimum_) * 100.0 / (maximum_ - minimum_));
    SetText(text.GetData());
}

void CProgressUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CProgressUI>;
    static const Row kRows[] = {
        {L"hor", [](CProgressUI& p, const wchar_t* v) { p.SetHorizontal(ParseBool(v)); }},
        {L"min", [](CProgressUI& p, const wchar_t* v) { p.SetMinValue(ParseInt(v)); }},
        {L"max", [](CProgressUI& p, const wchar_t* v) { p.SetMaxValue(ParseInt(v)); }},
        {L"value", [](CProgressUI& p, const wchar_t* v) { p.SetValue(ParseInt(v)); }},
        {L"isstretchfore", [](CProgressUI& p, const wchar_t* v) { p.SetStretchForeImage(ParseBool(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CLabelUI::SetAttribute(name, value);
}

void CProgressUI::Normalise() {
    if (minimum_ >= maximum_) maximum_ = minimum_ + 1;
    value_ = std::max(std::min(value_, maximum_), minimum_);
}

void CProgressUI::PaintForegroundColor(HDC dc) {
    Normalise();
    if (foreColor_ == 0) return;
    const int64_t range = maximum_ - minimum_;
    RECT filled = item_;
    if (horizontal_) {
        filled.right = item_.left + static_cast<LONG>((item_.right - item_.left) * int64_t{value_ - minimum_} / range);
    } else {
        filled.top = item_.top + static_cast<LONG>((item_.bottom - item_.top) * int64_t{maximum_ - value_} / range);
    }
    CSkinRender::DrawColor(dc, filled, AdjustColor(foreColor_));
}

void CProgressUI::PaintForegroundImage(HDC dc) {
    Normalise();
    const double range = maximum_ - minimum_;
    const LONG width = item_.right - item_.left, height = item_.bottom - item_.top;
    RECT dest = {0, 0, width, height};
    if (horizontal_) {
        dest.right = static_cast<LONG>(static_cast<double>(int64_t{width} * (value_ - minimum_)) / range);
    } else {
        dest.top = static_cast<LONG>(static_cast<double>(int64_t{height} * (maximum_ - value_)) / range);
    }
    if (foreImage_.IsEmpty()) return;
    DrawImageString(dc, foreImage_.GetData(), DestModifier(dest, !stretchFore_).GetData());
}

}  // namespace Tovik
