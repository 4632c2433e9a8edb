#include "ui/controls/label_ui.h"

#include <cwchar>

#include "support/platform.h"
#include "ui/core/attribute_table.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"
#include "ui/core/skin_render.h"

namespace Tovik {
namespace {

void ApplyAlign(CLabelUI& label, const wchar_t* value) {
    UINT style = label.GetTextStyle();
    if (std::wcsstr(value, L"left") != nullptr) AdjustBits(style, 0, DT_CENTER | DT_RIGHT);
    if (std::wcsstr(value, L"center") != nullptr) AdjustBits(style, DT_CENTER, DT_RIGHT);
    if (std::wcsstr(value, L"right") != nullptr) AdjustBits(style, DT_RIGHT, DT_CENTER);
    label.SetTextStyle(style);
}

// Any vertical alignment forces single-line drawing.
void ApplyVAlign(CLabelUI& label, const wchar_t* value) {
    UINT style = label.GetTextStyle();
    if (std::wcsstr(value, L"top") != nullptr) AdjustBits(style, DT_SINGLELINE, DT_BOTTOM | DT_VCENTER | DT_WORDBREAK);
    if (std::wcsstr(value, L"vcenter") != nullptr)
        AdjustBits(style, DT_SINGLELINE | DT_VCENTER, DT_BOTTOM | DT_WORDBREAK);
    if (std::wcsstr(value, L"bottom") != nullptr)
        AdjustBits(style, DT_SINGLELINE | DT_BOTTOM, DT_VCENTER | DT_WORDBREAK);
    label.SetTextStyle(style);
}

void ApplyFlag(CLabelUI& label, UINT on, UINT off, bool value) {
    UINT style = label.GetTextStyle();
    if (value) {
        AdjustBits(style, on, off);
    } else {
        AdjustBits(style, off, on);
    }
    label.SetTextStyle(style);
}

}  // namespace

void* CLabelUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Label") == 0) return this;
    return CControlUI::QueryControlInterface(name);
}

UINT CLabelUI::GetInputFlags() { return IsEnabled() ? FlagSetCursor : 0; }

void CLabelUI::SetText(const wchar_t* text) {
    CControlUI::SetText(text);
    remeasure_ = true;
    if (autoWidth_ || autoHeight_) RequestParentLayout();
}

void CLabelUI::HandleEvent(TInputEventUI& event) {
    if (event.type == EventSetFocus || event.type == EventKillFocus) {
        focused_ = event.type == EventSetFocus;
        return;
    }
    CControlUI::HandleEvent(event);
}

bool CLabelUI::PassMouseOn(TInputEventUI& event) {
    if (IsMouseEnabled() || !IsMouseEvent(event.type)) return false;
    if (parent_ != nullptr) {
        parent_->HandleEvent(event);
    } else {
        CLabelUI::HandleEvent(event);
    }
    return true;
}

void CLabelUI::SetFont(int font) {
    font_ = font;
    remeasure_ = true;
    RequestRepaint();
}

void CLabelUI::SetTextPadding(RECT padding) {
    textPadding_ = padding;
    remeasure_ = true;
    RequestRepaint();
}

void CLabelUI::SetShowHtml(bool show) {
    if (showHtml_ == show) return;
    showHtml_ = show;
    remeasure_ = true;
    RequestRepaint();
}

void CLabelUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name == nullptr || value == nullptr) return;
    using Row = TAttributeRow<CLabelUI>;
    static const Row kRows[] = {
        {L"align", ApplyAlign},
        {L"valign", ApplyVAlign},
        {L"endellipsis", [](CLabelUI& l, const wchar_t* v) { ApplyFlag(l, DT_END_ELLIPSIS, 0, ParseBool(v)); }},
        {L"wordbreak",
         [](CLabelUI& l, const wchar_t* v) {
             ApplyFlag(l, DT_WORDBREAK | DT_EDITCONTROL, DT_SINGLELINE, ParseBool(v));
         }},
        {L"noprefix", [](CLabelUI& l, const wchar_t* v) { ApplyFlag(l, DT_NOPREFIX, 0, ParseBool(v)); }},
        {L"font", [](CLabelUI& l, const wchar_t* v) { l.SetFont(ParseInt(v)); }},
        {L"textcolor", [](CLabelUI& l, const wchar_t* v) { l.SetTextColor(ParseColour(v, false)); }},
        {L"disabledtextcolor", [](CLabelUI& l, const wchar_t* v) { l.SetDisabledTextColor(ParseColour(v, false)); }},
        {L"textpadding", [](CLabelUI& l, const wchar_t* v) { l.SetTextPadding(ParseRect(v)); }},
        {L"showhtml", [](CLabelUI& l, const wchar_t* v) { l.SetShowHtml(ParseBool(v)); }},
        {L"autocalcwidth", [](CLabelUI& l, const wchar_t* v) { l.SetAutoCalcWidth(ParseBool(v)); }},
        {L"autocalcheight", [](CLabelUI& l, const wchar_t* v) { l.SetAutoCalcHeight(ParseBool(v)); }},
    };
    if (!ApplyAttributeRow(kRows, *this, name, value)) CControlUI::SetAttribute(name, value);
}

void CLabelUI::DrawLabelText(HDC dc, RECT& rect, DWORD colour, int font, UINT style, RECT* links, CStringUI* linkTexts,
                             int* linkCount) {
    const CStringUI text = GetText();
    if (showHtml_) {
        int none = 0;
        CSkinRender::DrawFormattedText(dc, manager_, rect, text.GetData(), colour, links, linkTexts,
                                       linkCount != nullptr ? *linkCount : none, font, style);
    } else {
        CSkinRender::DrawText(dc, manager_, rect, text.GetData(), colour, font, style);
    }
}

// The text's extent in `area`, measured with the alignment bits cleared.
SIZE CLabelUI::MeasureText(RECT area) {
    if (manager_ == nullptr || manager_->GetPaintDC() == nullptr) return SIZE{};
    DrawLabelText(manager_->GetPaintDC(), area, 0, font_, (textStyle_ & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

SIZE CLabelUI::MeasureSize(SIZE available) {
    if (fixedSize_.cx >= 1 && fixedSize_.cy >= 1) return Scale(fixedSize_);
    if (available.cx != measuredFor_.cx || available.cy != measuredFor_.cy) remeasure_ = true;
    if (!remeasure_) return measured_;
    measuredFor_ = available;
    remeasure_ = false;
    SIZE size = Scale(fixedSize_);
    const RECT padding = GetTextPadding();
    if ((textStyle_ & DT_SINGLELINE) != 0) {
        if (size.cy == 0 && manager_ != nullptr) {
            size.cy = manager_->FontInfoById(font_)->metrics.tmHeight + padding.top + padding.bottom + 8;
        }
        if (size.cx == 0 && autoWidth_) {
            size.cx = MeasureText(RECT{0, 0, 9999, size.cy}).cx + padding.left + padding.right;
        }
    } else if (size.cy == 0 && autoHeight_) {
        size.cy = MeasureText(RECT{padding.left, 0, size.cx - padding.right, 9999}).cy + padding.top + padding.bottom;
    }
    measured_ = size;
    return size;
}

void CLabelUI::TakeDefaultColours() {
    if (manager_ == nullptr) return;
    if (textColour_ == 0) textColour_ = manager_->GetDefaultColor(CPaintManagerUI::DefaultColor::kText);
    if (disabledTextColour_ == 0) {
        disabledTextColour_ = manager_->GetDefaultColor(CPaintManagerUI::DefaultColor::kDisabledText);
    }
}

void CLabelUI::DrawTextInPadding(HDC dc, DWORD colour, int font) {
    if (GetText().IsEmpty()) return;
    RECT rect = Inset(item_, GetTextPadding());
    DrawLabelText(dc, rect, colour, font, textStyle_);
}

void CLabelUI::PaintText(HDC dc) {
    TakeDefaultColours();
    DrawTextInPadding(dc, IsEnabled() ? textColour_ : disabledTextColour_, font_);
}

}  // namespace Tovik
