// CContainerUI: owns and arranges child controls — the ordered child list, inner margins, the gap
// between children, child alignment, optional scroll bars with keyboard and wheel scrolling,
// floating children, clipping while painting, and the rules for removing and deleting children.
// A container that owns its children deletes the ones it removes (through the paint manager's
// delayed clean-up when it defers deletion); it always owns its scroll bars.
// Sources: container_ui.cpp (items, geometry, attributes, events, search, painting),
// container_ui_stack.cpp (the stacking passes of the layouts), container_ui_scroll.cpp (scroll
// bars and scrolling).
#pragma once

#include <memory>

#include "ui/controls/control_ui.h"
#include "ui/controls/scroll_bar_ui.h"
#include "ui/core/ptr_array_ui.h"

namespace Tovik {

// Child alignment ("childalign" across a vertical stack, "childvalign" across a horizontal one),
// as the text-format bits they equal.
constexpr UINT ChildAlignLeft = 0;
constexpr UINT ChildAlignCenter = 1;
constexpr UINT ChildAlignRight = 2;
constexpr UINT ChildVAlignTop = 0;
constexpr UINT ChildVAlignCenter = 4;
constexpr UINT ChildVAlignBottom = 8;

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
    // Borrowed: the container owns its bars.
    virtual CScrollBarUI* GetVScrollBar() const;
    virtual CScrollBarUI* GetHScrollBar() const;
    virtual void PlaceFloatingChild(int index);
    virtual void UpdateScrollBars(RECT rect, int requiredWidth, int requiredHeight);

protected:
    // The item rectangle less the inset and the visible bars.
    RECT ClientRect() const;
    // The item rectangle less the inset.
    RECT InsetRect() const;
    static bool IsBarVisible(const std::unique_ptr<CScrollBarUI>& bar) { return bar != nullptr && bar->IsVisible(); }
    void Dispose(CControlUI* child);
    CControlUI* LocateChild(FindControlProc callback, void* data, UINT flags);
    // False when painting reached `stop`.
    bool PaintChildren(HDC dc, const RECT& area, CControlUI* stop);
    bool PaintBars(HDC dc, const RECT& area, CControlUI* stop);
    void ApplyBarStyle(CScrollBarUI* bar, const wchar_t* value);
    void ApplyScrollBarStyle(bool vertical, const wchar_t* value);
    void ApplyScrollStepSize(int step);
    int VerticalLineStep() const;
    bool ScrollByInput(const TInputEventUI& event);
    // Moves one coordinate of the scroll offset to `position`, keeping the other.
    void ScrollOffsetTo(bool vertical, int position);
    void UpdateOneBar(CScrollBarUI* bar, int overflow, RECT placement);
    // Stacks the children top to bottom or left to right: the vertical and horizontal layouts.
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
    std::unique_ptr<CScrollBarUI> verticalBar_;
    std::unique_ptr<CScrollBarUI> horizontalBar_;
    CStringUI verticalBarStyle_;
    CStringUI horizontalBarStyle_;
};

}  // namespace Tovik
