// CComboWnd: the combo's drop-down, a top-level popup with a paint manager of its own whose list
// borrows the combo's item controls while it is open. It gives them back exactly once, however it
// ends (WM_CLOSE, its owner's destruction, or the combo's), and deletes itself when its window
// is gone.
#pragma once

#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/window_wnd.h"

namespace Tovik {

class CComboUI;

class CComboWnd final : public CWindowWnd, public INotifyUI {
public:
    CComboWnd() = default;

    const wchar_t* GetWindowClassName() const override { return L"ComboWnd"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND window) override;
    // "windowinit" brings the selection into view.
    void Notify(TNotifyMsgUI& msg) override;

    // Places the popup under the combo (above it when there is no room below) and shows it.
    void OpenDropDown(CComboUI* combo);
    // For the combo's destructor: the items go back, the popup forgets the combo and its window
    // is destroyed now.
    void DetachFromCombo();
    CPaintManagerUI& GetPaintManager() { return manager_; }
    CVerticalLayoutUI* GetList() const { return list_; }

private:
    ~CComboWnd() = default;
    void BuildList();
    // The items back to the combo's window and parent, once.
    void ReturnItems();
    void EnsureItemVisible(int index);
    bool IsPointOnItem(POINT point) const;
    void RouteToCombo(TInputEventUI& event);

    CPaintManagerUI manager_;
    CComboUI* combo_ = nullptr;
    CVerticalLayoutUI* list_ = nullptr;  // the manager's root
    int oldSelection_ = -1;
    bool pressedOnItem_ = false;
    bool itemsReturned_ = false;
};

}  // namespace Tovik
