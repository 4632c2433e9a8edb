// CHorizontalLayoutUI: stacks its children left to right — fixed widths first, the rest shared
// among adjustable children (the last one takes the remainder); a child's height fills the row
// unless its fixed or maximum height says otherwise. Child alignment, scroll bars and an optional
// draggable separator as in the vertical layout.
#pragma once

#include "ui/controls/container_ui.h"
#include "ui/controls/layout_splitter.h"

namespace Tovik {

class CHorizontalLayoutUI : public CContainerUI {
public:
    const wchar_t* GetTypeName() const override { return L"HorizontalLayoutUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintOverlay(HDC dc, const RECT& area) override;

private:
    LayoutSplitter splitter_{false};
};

}  // namespace Tovik
