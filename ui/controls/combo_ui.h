// CComboUI: a closed drop-down list showing its selected item's text; activated, it opens a popup
// window (CComboWnd) that hosts the very same item controls in a list of its own.
#pragma once

#include "ui/controls/container_ui.h"
#include "ui/controls/list_ui.h"

namespace Tovik {

class CComboWnd;

class CComboUI : public CContainerUI, public IListOwnerUI {
public:
    CComboUI() = default;
    // An open popup is given the items back and destroyed at once, after it forgot this combo.
    ~CComboUI() override;

    const wchar_t* GetTypeName() const override { return L"ComboUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    UINT GetInputFlags() override { return FlagTabStop | FlagSetCursor; }
    // "predropdown", then the popup opens ("dropdown") unless it is open already.
    bool Activate() override;
    CStringUI GetText() const override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override { CControlUI::MoveBy(dx, dy, invalidate); }
    void SetEnabled(bool enabled = true) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    SIZE MeasureSize(SIZE available) override;
    bool PaintContent(HDC dc, const RECT& area, CControlUI* stop) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

    bool MoveItemTo(CControlUI* control, int index) override;
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control) override;
    bool RemoveItemAt(int index) override;
    void RemoveAllItems() override;

    // IListOwnerUI
    int ListKind() const override { return 1; }
    TListStyleUI* GetListStyle() override { return &itemStyle_; }
    int GetSelectedIndex() const override { return selected_; }
    bool SelectIndex(int index, bool takeFocus = false) override;
    bool SelectIndexMulti(int index, bool takeFocus = false) override { return SelectIndex(index, takeFocus); }
    bool UnselectIndex(int, bool = false) override { return false; }
    void RouteItemEvent(TInputEventUI& event) override { HandleEvent(event); }

    CComboWnd* GetPopup() const { return popup_; }
    const CStringUI& GetDropBoxAttributes() const { return dropBoxAttributes_; }
    SIZE GetDropBoxSize() const { return dropBoxSize_; }
    RECT GetDropBoxInset() const { return dropBoxInset_; }
    bool IsScrollSelect() const { return scrollSelect_; }
    bool IsShowShadow() const { return showShadow_; }
    UINT GetButtonState() const { return state_; }
    // The popup is gone: called by it as it ends.
    void ForgetPopup();

private:
    friend class CComboWnd;
    // The selection moved by a key or the wheel; past the ends the selection stays.
    void StepSelection(int index, bool forward);
    void Renumber(int from);

    CComboWnd* popup_ = nullptr;
    int selected_ = -1;
    DWORD textColour_ = 0;
    DWORD disabledTextColour_ = 0;
    int font_ = -1;
    UINT textStyle_ = DT_VCENTER | DT_SINGLELINE;
    RECT textPadding_ = {};
    bool showHtml_ = false;
    bool showShadow_ = false;
    CStringUI dropBoxAttributes_;
    SIZE dropBoxSize_ = {0, 150};
    RECT dropBoxInset_ = {};
    CStringUI normalImage_;
    CStringUI hotImage_;
    CStringUI pushedImage_;
    CStringUI focusedImage_;
    CStringUI disabledImage_;
    bool scrollSelect_ = true;
    TListStyleUI itemStyle_;
    UINT state_ = 0;
};

}  // namespace Tovik
