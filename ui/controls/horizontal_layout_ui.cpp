// CHorizontalLayoutUI: its interface names, stacking left to right (the container's stacking
// passes) and the separator.
#include "ui/controls/horizontal_layout_ui.h"

#include "support/platform.h"

namespace Tovik {

void* CHorizontalLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"HorizontalLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

UINT CHorizontalLayoutUI::GetInputFlags() { return splitter_.GetInputFlags(*this); }

void CHorizontalLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    StackChildren(false);
}

void CHorizontalLayoutUI::HandleEvent(TInputEventUI& event) {
    if (!splitter_.HandleEvent(*this, event)) CContainerUI::HandleEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (!splitter_.ApplyAttribute(*this, name, value)) CContainerUI::SetAttribute(name, value);
}

void CHorizontalLayoutUI::PaintOverlay(HDC dc, const RECT&) { splitter_.PaintOverlay(dc); }

}  // namespace Tovik
