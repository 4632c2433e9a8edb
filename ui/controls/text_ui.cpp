#include "ui/controls/text_ui.h"

#include <cwchar>

#include "ui/core/paint_manager_ui.h"
#include "ui/core/rect_math.h"

namespace Tovik {
CTextUI::CTextUI() {
    textStyle_ = DT_WORDBREAK;
    textPadding_ = RECT{2, 0, 2, 0};
}

void* CTextUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && std::wcscmp(name, L"Text") == 0) return this;
    return CLabelUI::QueryControlInterface(name);
}

UINT CTextUI::GetInputFlags() { return IsEnabled() && linkCount_ > 0 ? FlagSetCursor : 0; }

int CTextUI::LinkAt(POINT point) const {
    for (int i = 0; i < linkCount_; ++i) {
        if (PtInRect(&links_[i], point)) return i;
    }
    return -1;
}

void CTextUI::HandleEvent(TInputEventUI& event) {
    if (PassMouseOn(event)) return;
    const int link = LinkAt(event.mouse);
    switch (event.type) {
    case EventSetCursor:
        if (link < 0) break;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return;
    case EventButtonDown:
    case EventDoubleClick:
        if (link < 0 || (event.type == EventDoubleClick && !IsEnabled())) break;
        RequestRepaint();
        return;
    case EventButtonUp:
        if (link < 0 || !IsEnabled()) break;
        if (manager_ != nullptr) manager_->SendNotify(this, L"link", static_cast<WPARAM>(link));
        return;
    case EventContextMenu: return;
    case EventMouseMove:
        if (IsEnabled() && linkCount_ > 0 && link != hoveredLink_) {
            hoveredLink_ = link;
            RequestRepaint();
            return;
        }
        break;
    case EventMouseLeave:
        if (IsEnabled() && hoveredLink_ >= 0) {
            hoveredLink_ = -1;
            RequestRepaint();
            return;
        }
        break;
    default: break;
    }
    CLabelUI::HandleEvent(event);
}

// With auto width the fixed width follows the text (stored unscaled).
SIZE CTextUI::MeasureSize(SIZE available) {
    const RECT padding = GetTextPadding();
    const LONG width = autoWidth_ ? 9999 : Scale(fixedSize_).cx;
    const SIZE text = MeasureText(RECT{padding.left, 0, width - padding.right, 9999});
    if (autoWidth_ && Scale(100) > 0) fixedSize_.cx = MulDiv(text.cx + padding.left + padding.right, 100, Scale(100));
    return CControlUI::MeasureSize(available);
}

void CTextUI::PaintText(HDC dc) {
    TakeDefaultColours();
    linkCount_ = 0;
    if (GetText().IsEmpty()) return;
    RECT rect = Inset(item_, textPadding_);
    int count = kMaxLinks;
    DrawLabelText(dc, rect, IsEnabled() ? textColour_ : disabledTextColour_, font_, textStyle_, links_, linkTexts_,
                  &count);
    linkCount_ = showHtml_ ? count : 0;
}

}  // namespace Tovik
