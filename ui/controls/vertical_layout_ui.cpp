// CVerticalLayoutUI: its interface names, stacking top to bottom (the container's stacking
// passes) and the separator.
#include "ui/controls/vertical_layout_ui.h"

#include "support/platform.h"
#include "ui/core/attribute_values.h"

namespace Tovik {

void* CVerticalLayoutUI::QueryControlInterface(const wchar_t* name) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"VerticalLayout")) return this;
    return CContainerUI::QueryControlInterface(name);
}

UINT CVerticalLayoutUI::GetInputFlags() { return IsEnabled() && splitter_.GetSize() != 0 ? FlagSetCursor : 0; }

void CVerticalLayoutUI::SetPosition(RECT rect, bool invalidate) {
    CControlUI::SetPosition(rect, invalidate);
    StackChildren(true);
}

void CVerticalLayoutUI::HandleEvent(TInputEventUI& event) {
    if (!splitter_.HandleEvent(*this, event)) CContainerUI::HandleEvent(event);
}

void CVerticalLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value) {
    if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepheight")) {
        splitter_.SetSize(ParseInt(value));
    } else if (name != nullptr && Platform::EqualsIgnoringAsciiCase(name, L"sepimm")) {
        splitter_.SetImmediate(*this, ParseBool(value));
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CVerticalLayoutUI::PaintOverlay(HDC dc, const RECT&) { splitter_.PaintOverlay(dc); }

}  // namespace Tovik
