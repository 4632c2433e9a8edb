// CLabelUI: a text inside the item rectangle with a font, colours, padding and DrawText style
// bits, plain or formatted (inline tags), optionally sizing itself to its text.
#pragma once

#include "ui/controls/control_ui.h"

namespace Tovik {

class CLabelUI : public CControlUI {
public:
    CLabelUI() = default;
    ~CLabelUI() override = default;

    const wchar_t* GetTypeName() const override { return L"LabelUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override;
    // Also re-lays the parent out when the label sizes itself to its text.
    void SetText(const wchar_t* text) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintText(HDC dc) override;

    virtual bool IsAutoCalcWidth() const { return autoWidth_; }
    virtual void SetAutoCalcWidth(bool on) { autoWidth_ = on; }
    virtual bool IsAutoCalcHeight() const { return autoHeight_; }
    virtual void SetAutoCalcHeight(bool on) { autoHeight_ = on; }

    DWORD GetTextColor() const { return textColour_; }
    void SetTextColor(DWORD colour) { SetRepaintingValue(textColour_, colour); }
    DWORD GetDisabledTextColor() const { return disabledTextColour_; }
    void SetDisabledTextColor(DWORD colour) { SetRepaintingValue(disabledTextColour_, colour); }
    int GetFont() const { return font_; }
    void SetFont(int font);
    UINT GetTextStyle() const { return textStyle_; }
    void SetTextStyle(UINT style) { SetRepaintingValue(textStyle_, style); }
    RECT GetTextPadding() const { return Scale(textPadding_); }
    void SetTextPadding(RECT padding);
    bool IsShowHtml() const { return showHtml_; }
    void SetShowHtml(bool show);

protected:
    // A control that does not take the mouse hands mouse events to its parent (or, without one,
    // to the label's handling); true when the event was handed on.
    bool PassMouseOn(TInputEventUI& event);
    // Colours still 0 take the window's defaults, once.
    void TakeDefaultColours();
    // The label's text in `rect` with its style, formatted or plain, with DT_CALCRECT measuring.
    void DrawLabelText(HDC dc, RECT& rect, DWORD colour, int font, UINT style, RECT* links = nullptr,
                       CStringUI* linkTexts = nullptr, int* linkCount = nullptr);
    SIZE MeasureText(RECT area);
    // The text (when there is one) in the item less the scaled text padding.
    void DrawTextInPadding(HDC dc, DWORD colour, int font);

    DWORD textColour_ = 0;
    DWORD disabledTextColour_ = 0;
    int font_ = -1;
    UINT textStyle_ = DT_VCENTER | DT_SINGLELINE;
    RECT textPadding_ = {};
    bool showHtml_ = false;
    bool autoWidth_ = false;
    bool autoHeight_ = false;
    SIZE measuredFor_ = {};
    SIZE measured_ = {};
    bool remeasure_ = true;
};

}  // namespace Tovik
