// CVerticalLayoutUI: stacks its children top to bottom — fixed heights first, the rest shared
// among adjustable children (the last one takes the remainder) — with child alignment, scroll
// bars and an optional draggable separator.
#pragma once

#include "ui/controls/container_ui.h"
#include "ui/controls/layout_splitter.h"

namespace Tovik {

class CVerticalLayoutUI : public CContainerUI {
public:
    const wchar_t* GetTypeName() const override { return L"VerticalLayoutUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintOverlay(HDC dc, const RECT& area) override;

private:
    LayoutSplitter splitter_{true};
};

}  // namespace Tovik
