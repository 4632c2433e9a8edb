// CTextUI: a multi-line label whose formatted links can be hovered and clicked ("link").
#pragma once

#include "ui/controls/label_ui.h"

namespace Tovik {

class CTextUI : public CLabelUI {
public:
    static constexpr int kMaxLinks = 8;

    CTextUI();

    const wchar_t* GetTypeName() const override { return L"TextUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override;
    void HandleEvent(TInputEventUI& event) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintText(HDC dc) override;

    int GetLinkCount() const { return linkCount_; }
    const RECT& GetLinkRect(int index) const { return links_[index]; }
    const CStringUI& GetLinkText(int index) const { return linkTexts_[index]; }

private:
    // The link under the point, or −1.
    int LinkAt(POINT point) const;

    RECT links_[kMaxLinks] = {};
    CStringUI linkTexts_[kMaxLinks];
    int linkCount_ = 0;
    int hoveredLink_ = -1;
};

}  // namespace Tovik
