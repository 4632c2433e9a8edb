// CContainerUI: owns and arranges child controls — the ordered child list, inner margins, the gap
// between children, child alignment, optional scroll bars with keyboard and wheel scrolling,
// floating children, clipping while painting, and the rules for removing and deleting children.
// A container that owns its children deletes the ones it removes (through the paint manager's
// delayed clean-up when it defers deletion).
#pragma once

#include "ui/controls/control_ui.h"
#include "ui/controls/scroll_bar_ui.h"
#include "ui/core/ptr_array_ui.h"

namespace Tovik {

class IContainerUI {
public:
    virtual CControlUI* ItemAt(int index) const = 0;
    virtual int IndexOfItem(CControlUI* control) const = 0;
    virtual bool MoveItemTo(CControlUI* control, int index) = 0;
    virtual int ItemCount() const = 0;
    virtual bool AddItem(CControlUI* control) = 0;
    virtual bool InsertItemAt(CControlUI* control, int index) = 0;
    virtual bool RemoveItem(CControlUI* control) = 0;
    virtual bool RemoveItemAt(int index) = 0;
    virtual void RemoveAllItems() = 0;

protected:
    ~IContainerUI() = default;
};

class CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI() = default;
    ~CContainerUI() override;

    // CControlUI
    const wchar_t* GetTypeName() const override { return L"ContainerUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    void AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) override;
    RECT GetContentRect() override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetInheritedVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetMouseEnabled(bool enabled = true) override;
    CControlUI* LocateControl(FindControlProc callback, void* data, UINT flags) override;
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool PaintContent(HDC dc, const RECT& area, CControlUI* stop) override;

    // IContainerUI
    CControlUI* ItemAt(int index) const override;
    int IndexOfItem(CControlUI* control) const override;
    bool MoveItemTo(CControlUI* control, int index) override;
    int ItemCount() const override;
    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control) override;
    bool RemoveItemAt(int index) override;
    void RemoveAllItems() override;

    virtual RECT GetInset() const;
    virtual void SetInset(RECT inset);
    virtual int GetChildPadding() const;
    virtual void SetChildPadding(int padding);
    virtual UINT GetChildAlign() const;
    virtual void SetChildAlign(UINT align);
    virtual UINT GetChildVAlign() const;
    virtual void SetChildVAlign(UINT align);
    virtual bool OwnsChildren() const;
    virtual void SetOwnsChildren(bool owns);
    virtual bool DefersChildDeletion() const;
    virtual void SetDefersChildDeletion(bool defers);
    virtual bool ChildrenTakeMouse() const;
    virtual void SetChildrenTakeMouse(bool take);
    virtual int FindSelectableItem(int index, bool forward) const;
    virtual SIZE GetScrollOffset() const;
    virtual SIZE GetScrollExtent() const;
    virtual void SetScrollOffset(SIZE offset, bool notify = true);
    virtual void SetScrollStep(int step);
    virtual int GetScrollStep() const;
    virtual void ScrollLineUp();
    virtual void ScrollLineDown();
    virtual void ScrollPageUp();
    virtual void ScrollPageDown();
    virtual void ScrollToTop();
    virtual void ScrollToBottom();
    virtual void ScrollLineLeft();
    virtual void ScrollLineRight();
    virtual void ScrollPageLeft();
    virtual void ScrollPageRight();
    virtual void ScrollToLeftEnd();
    virtual void ScrollToRightEnd();
    virtual void EnableScrollBars(bool vertical, bool horizontal);
    virtual CScrollBarUI* GetVScrollBar() const;
    virtual CScrollBarUI* GetHScrollBar() const;
    virtual void PlaceFloatingChild(int index);
    virtual void UpdateScrollBars(RECT rect, int requiredWidth, int requiredHeight);

protected:
    // The item rectangle less the inset and the visible bars.
    RECT ClientRect() const;
    bool IsBarVisible(const CScrollBarUI* bar) const { return bar != nullptr && bar->IsVisible(); }
    void Dispose(CControlUI* child);
    void ApplyBarStyle(CScrollBarUI* bar, const wchar_t* value);
    int VerticalLineStep() const;
    void UpdateOneBar(CScrollBarUI* bar, int overflow, RECT placement);
    // The measuring and placing passes of the stacking layouts, top to bottom or left to right.
    void StackChildren(bool vertical);

    CPtrArrayUI items_;
    RECT inset_ = {};
    int childPadding_ = 0;
    UINT childAlign_ = 0;
    UINT childVAlign_ = 0;
    bool ownsChildren_ = true;
    bool defersChildDeletion_ = true;
    bool childrenTakeMouse_ = true;
    int scrollStep_ = 0;
    CScrollBarUI* verticalBar_ = nullptr;    // owned
    CScrollBarUI* horizontalBar_ = nullptr;  // owned
    CStringUI verticalBarStyle_;
    CStringUI horizontalBarStyle_;
};

}  // namespace Tovik
