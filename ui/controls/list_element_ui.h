// List items: CListElementUI holds an item's index, selection and owner; CListLabelElementUI is a
// one-text item painted with its owner's style.
#pragma once

#include "ui/controls/control_ui.h"
#include "ui/controls/list_ui.h"

namespace Tovik {

class CListElementUI : public CControlUI, public IListItemUI {
public:
    const wchar_t* GetTypeName() const override { return L"ListElementUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override { return 4; }
    // "itemactivate".
    bool Activate() override;
    // Hiding the selected item leaves the owner without a selection.
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    // IListItemUI
    int ListIndex() const override { return index_; }
    void SetListIndex(int index) override { index_ = index; }
    IListOwnerUI* OwnerList() const override { return owner_; }
    void SetOwnerList(CControlUI* owner) override;
    bool IsSelected() const override { return selected_; }
    bool MarkSelected(bool selected) override;
    bool MarkSelectedMulti(bool selected) override;
    bool IsExpanded() const override { return false; }
    bool ExpandItem(bool) override { return false; }

protected:
    // The owner's style fills, images and lines behind the item.
    void PaintItemBackground(HDC dc);

    int index_ = 0;
    bool selected_ = false;
    UINT state_ = 0;
    IListOwnerUI* owner_ = nullptr;
};

class CListLabelElementUI : public CListElementUI {
public:
    const wchar_t* GetTypeName() const override { return L"ListLabelElementUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void HandleEvent(TInputEventUI& event) override;
    SIZE MeasureSize(SIZE available) override;
    bool PaintContent(HDC dc, const RECT& area, CControlUI* stop) override;
    void PaintItemText(HDC dc, const RECT& rect) override;

private:
    void Select();
};

}  // namespace Tovik
