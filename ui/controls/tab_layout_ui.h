// CTabLayoutUI: shows exactly one child (a page) at a time; selecting a page shows it, hides the
// others and sends "tabselect" with the new and the previous index.
#pragma once

#include "ui/controls/container_ui.h"

namespace Tovik {

class CTabLayoutUI : public CContainerUI {
public:
    const wchar_t* GetTypeName() const override { return L"TabLayoutUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control) override;
    void RemoveAllItems() override;

    virtual bool SelectTabControl(CControlUI* control);
    virtual bool SelectTab(int index);
    int GetSelectedIndex() const { return selected_; }

private:
    int selected_ = -1;
};

}  // namespace Tovik
