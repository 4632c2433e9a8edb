// The interfaces between a list owner (the combo) and its items, and the item style the owner
// keeps for them.
#pragma once

#include <windows.h>

#include "ui/core/string_ui.h"
#include "ui/core/ui_events.h"

namespace Tovik {

class CControlUI;

constexpr int kMaxListColumns = 32;

// Item style; the defaults are a combo's.
struct TListStyleUI {
    int columns = 0;
    RECT columnRects[kMaxListColumns] = {};
    int font = -1;
    UINT textStyle = DT_VCENTER;
    RECT textPadding = {};
    DWORD textColour = 0xFF000000;
    DWORD bkColour = 0;
    CStringUI bkImage;
    bool alternateBk = false;
    DWORD selectedTextColour = 0xFF000000;
    DWORD selectedBkColour = 0xFFC1E3FF;
    CStringUI selectedImage;
    DWORD hotTextColour = 0xFF000000;
    DWORD hotBkColour = 0xFFE9F5FF;
    CStringUI hotImage;
    DWORD disabledTextColour = 0xFFCCCCCC;
    DWORD disabledBkColour = 0xFFFFFFFF;
    CStringUI disabledImage;
    DWORD lineColour = 0;
    bool rowLines = false;
    bool columnLines = false;
    bool showHtml = false;
    bool rightButtonSelects = false;
};

class IListOwnerUI {
public:
    virtual int ListKind() const = 0;
    virtual TListStyleUI* GetListStyle() = 0;
    virtual int GetSelectedIndex() const = 0;
    virtual bool SelectIndex(int index, bool takeFocus = false) = 0;
    virtual bool SelectIndexMulti(int index, bool takeFocus = false) = 0;
    virtual bool UnselectIndex(int index, bool others = false) = 0;
    virtual void RouteItemEvent(TInputEventUI& event) = 0;

protected:
    ~IListOwnerUI() = default;
};

class IListItemUI {
public:
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
    virtual IListOwnerUI* OwnerList() const = 0;
    // The owner is the control's "IListOwner" interface.
    virtual void SetOwnerList(CControlUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    virtual bool MarkSelected(bool selected) = 0;
    virtual bool MarkSelectedMulti(bool selected) = 0;
    virtual bool IsExpanded() const = 0;
    virtual bool ExpandItem(bool expand) = 0;
    virtual void PaintItemText(HDC dc, const RECT& rect) = 0;

protected:
    ~IListItemUI() = default;
};

}  // namespace Tovik
