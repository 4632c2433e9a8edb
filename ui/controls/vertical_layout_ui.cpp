// CVerticalLayoutUI: its interface names, stacking top to bottom (the container's stacking
// passes) and the separator.
#include "ui/controls/vertical_layout_ui.h"

#include "support/platform.h"

namespace Tovik {

void* CVerticalLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"VerticalLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

UINT CVerticalLayoutUI::GetInputFlags() { return splitter_.GetInputFlags(*this); }

void CVerticalLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    StackChildren(true);
}

void CVerticalLayoutUI::HandleEvent(TInputEventUI& event) {
    if (!splitter_.HandleEvent(*this, event)) CContainerUI::HandleEvent(event);
}

void CVerticalLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (!splitter_.ApplyAttribute(*this, name, value)) CContainerUI::SetAttribute(name, value);
}

void CVerticalLayoutUI::PaintOverlay(HDC dc, const RECT&) { splitter_.PaintOverlay(dc); }

}  // namespace Tovik
